#include "gadrix/platform/graphics/TextEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <utility>

#include "gadrix/platform/graphics/FontResolver.h"
#include "gadrix/platform/graphics/GlyphCache.h"
#include "gadrix/platform/graphics/Utf8Decoder.h"

namespace gadrix {
namespace {

using detail::TCoverage;
using detail::TSizedFont;

constexpr int kMinPixelSize = 1;
constexpr int kMaxPixelSize = 1024;

constexpr int kFullTurn = 3600;  // tenths of a degree
using detail::kQuarterTurn;
constexpr double kFixedOne = 65536.0;  // FreeType's 16.16 fixed point
constexpr FT_Pos kOnePixel = 64;       // FreeType's 26.6 fixed point
constexpr std::uint8_t kFullCoverage = 255;

// The glyph caches are emptied when they hold more than this; a new size or style past the
// count of sizes empties them too. Either way the next texts simply render their glyphs again.
constexpr std::size_t kMaxCacheBytes = std::size_t(32) << 20;
constexpr std::size_t kMaxSizedFonts = 64;

// Layout stops this far along the baseline (pixels): no bitmap is that large, and positions
// beyond it would not fit pixel coordinates once rotated.
constexpr long long kMaxPen = 1LL << 28;

// A turn of the text about its reference point. Text cell coordinates (Along the baseline, Down
// from it towards the descent) map to the screen as
//   X = Along * cos a + Down * sin a,   Y = -Along * sin a + Down * cos a,
// so at 900 the text runs up the screen and its cell lies right of the reference point.
struct TRotation {
  int Orientation = 0;  // tenths of a degree, 0 to 3599
  double Cos = 1.0;
  double Sin = 0.0;
  FT_Matrix Matrix{0x10000, 0, 0, 0x10000};

  bool IsUpright() const { return Orientation == 0; }
  double X(double Along, double Down) const { return Along * Cos + Down * Sin; }
  double Y(double Along, double Down) const { return -Along * Sin + Down * Cos; }
  double AlongOf(double X, double Y) const { return X * Cos - Y * Sin; }
};

TRotation MakeRotation(int Orientation) {
  TRotation r;
  r.Orientation = ((Orientation % kFullTurn) + kFullTurn) % kFullTurn;
  // Quarter turns are exact, so that their glyph origins fall on whole pixels.
  switch (r.Orientation) {
    case 0: r.Cos = 1; r.Sin = 0; break;
    case kQuarterTurn: r.Cos = 0; r.Sin = 1; break;
    case 2 * kQuarterTurn: r.Cos = -1; r.Sin = 0; break;
    case 3 * kQuarterTurn: r.Cos = 0; r.Sin = -1; break;
    default: {
      const double radians = r.Orientation * std::numbers::pi / (kFullTurn / 2);
      r.Cos = std::cos(radians);
      r.Sin = std::sin(radians);
    }
  }
  // Outlines are y up, where a turn counter-clockwise on the screen is the ordinary rotation.
  auto fixed = [](double V) { return FT_Fixed(std::lround(V * kFixedOne)); };
  r.Matrix = {fixed(r.Cos), fixed(-r.Sin), fixed(r.Sin), fixed(r.Cos)};
  return r;
}

// A coordinate as a whole pixel and a subpixel step, rounded to the nearest step.
std::pair<int, int> SnapToSubpixel(double V) {
  constexpr long long steps = detail::kSubpixelSteps;
  const long long total = std::llround(V * steps);
  const long long whole = total >= 0 ? total / steps : -((-total + steps - 1) / steps);
  return {int(whole), int(total - whole * steps)};
}

// Whether a glyph whose ink lies within Radius of (X, Y) can show inside Clip.
bool MayReach(double X, double Y, int Radius, const TRect& Clip) {
  return X + Radius >= Clip.Left && X - Radius < Clip.Right && Y + Radius >= Clip.Top && Y - Radius < Clip.Bottom;
}

// Whether two fonts render their glyphs alike; underline, strike-out and orientation are applied
// to the text as a whole.
bool SameFace(const TFontSpec& A, const TFontSpec& B) {
  return A.PixelSize == B.PixelSize && A.Antialiased == B.Antialiased && A.Bold == B.Bold && A.Italic == B.Italic &&
         A.Name == B.Name;
}

// An image placed with its origin at (X, Y) relative to the reference point.
struct TPlaced {
  const TCoverage* Image;
  int X;
  int Y;
  TRect Bounds() const { return Image->Bounds().Offset(X, Y); }
};

// The images blended into one mask (the larger coverage wins where they overlap), cut to Clip.
TTextMask Compose(const std::vector<TPlaced>& Images, const TRect& Clip) {
  TRect area;
  for (const TPlaced& p : Images)
    if (!p.Image->IsEmpty()) area = Union(area, p.Bounds());
  area = Intersect(area, Clip);
  if (area.IsEmpty()) return {};

  TTextMask mask{area.Left, area.Top, area.Width(), area.Height(), {}};
  mask.Coverage.assign(std::size_t(mask.Width) * std::size_t(mask.Height), 0);
  for (const TPlaced& p : Images) {
    if (p.Image->IsEmpty()) continue;
    const TRect part = Intersect(p.Bounds(), area);
    for (int y = part.Top; y < part.Bottom; ++y) {
      const std::uint8_t* from = p.Image->Values.data() +
                                 std::size_t(y - p.Y - p.Image->Top) * std::size_t(p.Image->Width) +
                                 std::size_t(part.Left - p.X - p.Image->Left);
      std::uint8_t* to = mask.Coverage.data() + std::size_t(y - area.Top) * std::size_t(mask.Width) +
                         std::size_t(part.Left - area.Left);
      for (int x = 0; x < part.Width(); ++x) to[x] = std::max(to[x], from[x]);
    }
  }
  return mask;
}

}  // namespace

struct TTextEngine::Impl {
  detail::TFontResolver Resolver;
  detail::TFontLibrary Fonts;  // declared before the sized fonts: their sizes belong to its faces
  std::size_t CacheBytes = 0;
  std::map<std::pair<FT_Face, detail::TGlyphStyle>, std::unique_ptr<TSizedFont>> Sized;
  // The last request's font: texts come in runs of one font, and this spares two lookups.
  TFontSpec LastSpec;
  TSizedFont* LastFont = nullptr;

  // Called once at the start of every request, so that emptying the caches never pulls a glyph
  // from under a text being laid out.
  TSizedFont& SizedFont(const TFontSpec& Font);
  TSizedFont& FindSizedFont(const TFontSpec& Font);
  void DropCaches();
  TTextMask Render(const TFontSpec& Font, std::string_view Utf8, const TRect& Clip);
  TCoverage RenderBar(detail::TBar Bar, int Advance, const TRotation& Rotation, bool Antialiased,
                      const TRect& Clip);
};

void TTextEngine::Impl::DropCaches() {
  Sized.clear();
  CacheBytes = 0;
  LastFont = nullptr;
}

TSizedFont& TTextEngine::Impl::SizedFont(const TFontSpec& Font) {
  if (CacheBytes > kMaxCacheBytes) DropCaches();
  if (LastFont != nullptr && SameFace(Font, LastSpec)) return *LastFont;
  LastFont = &FindSizedFont(Font);
  LastSpec = Font;
  return *LastFont;
}

TSizedFont& TTextEngine::Impl::FindSizedFont(const TFontSpec& Font) {
  const detail::TFontFile& file = Resolver.Resolve(Font.Name, Font.Bold, Font.Italic);
  const FT_Face face = Fonts.Face(file.Path, file.Index);
  const detail::TGlyphStyle style{std::clamp(Font.PixelSize, kMinPixelSize, kMaxPixelSize), Font.Antialiased,
                                  Font.Bold && !detail::FaceIsBold(face), Font.Italic && !detail::FaceIsItalic(face)};
  auto key = std::make_pair(face, style);
  if (auto found = Sized.find(key); found != Sized.end()) return *found->second;
  if (Sized.size() >= kMaxSizedFonts) DropCaches();
  auto font = std::make_unique<TSizedFont>(Fonts.Library(), face, style, CacheBytes);
  return *Sized.emplace(std::move(key), std::move(font)).first->second;
}

// A bar spans the text's advance. Upright it is whole pixels; turned, only the stretch of it
// whose projection on the baseline meets the clip is rasterised, so a long text stays cheap.
TCoverage TTextEngine::Impl::RenderBar(detail::TBar Bar, int Advance, const TRotation& Rotation,
                                       bool Antialiased, const TRect& Clip) {
  if (Advance <= 0) return {};
  if (Rotation.IsUpright()) {
    const TRect area = Intersect(Rect(0, Bar.Top, Advance, Bar.Top + Bar.Thickness), Clip);
    if (area.IsEmpty()) return {};
    return {area.Left, area.Top, area.Width(), area.Height(),
            std::vector<std::uint8_t>(std::size_t(area.Width()) * std::size_t(area.Height()), kFullCoverage)};
  }
  double first = std::numeric_limits<double>::max();
  double last = std::numeric_limits<double>::lowest();
  for (const double x : {double(Clip.Left), double(Clip.Right)})
    for (const double y : {double(Clip.Top), double(Clip.Bottom)}) {
      first = std::min(first, Rotation.AlongOf(x, y));
      last = std::max(last, Rotation.AlongOf(x, y));
    }
  const auto start = FT_Pos(std::clamp(std::floor(first) - 1, 0.0, double(Advance)));
  const auto end = FT_Pos(std::clamp(std::ceil(last) + 1, 0.0, double(Advance)));
  if (start >= end) return {};
  const auto bar = detail::TOutline::Rectangle(start * kOnePixel, -FT_Pos(Bar.Top + Bar.Thickness) * kOnePixel,
                                               end * kOnePixel, -FT_Pos(Bar.Top) * kOnePixel);
  return detail::Rasterize(Fonts.Library(), bar, &Rotation.Matrix, {0, 0}, Antialiased, Clip);
}

TTextMask TTextEngine::Impl::Render(const TFontSpec& Font, std::string_view Utf8, const TRect& Clip) {
  if (Utf8.empty() || Clip.IsEmpty()) return {};
  TSizedFont& font = SizedFont(Font);
  const TRotation rotation = MakeRotation(Font.Orientation);
  const int ascent = font.Metrics().Ascent;

  std::vector<TPlaced> images;
  long long pen = 0;
  for (std::size_t pos = 0; pos < Utf8.size() && pen < kMaxPen;) {
    detail::TGlyph& glyph = font.Glyph(detail::DecodeUtf8(Utf8, pos));
    const double x = rotation.X(double(pen), ascent);
    const double y = rotation.Y(double(pen), ascent);
    if (!glyph.Outline.IsEmpty() && MayReach(x, y, font.InkRadius(), Clip)) {
      if (rotation.IsUpright()) {
        images.push_back({&font.UprightImage(glyph), int(pen), ascent});
      } else {
        const auto [wholeX, stepX] = SnapToSubpixel(x);
        const auto [wholeY, stepY] = SnapToSubpixel(y);
        images.push_back({&font.RotatedImage(glyph, rotation.Orientation, rotation.Matrix, {stepX, stepY}),
                          wholeX, wholeY});
      }
    }
    pen += glyph.Advance;
  }

  const int advance = int(std::min(pen, kMaxPen));
  TCoverage underline, strikeOut;
  if (Font.Underline) underline = RenderBar(font.Underline(), advance, rotation, Font.Antialiased, Clip);
  if (Font.StrikeOut) strikeOut = RenderBar(font.StrikeOut(), advance, rotation, Font.Antialiased, Clip);
  images.push_back({&underline, 0, 0});
  images.push_back({&strikeOut, 0, 0});
  return Compose(images, Clip);
}

// ---------------------------------------------------------------------------------------------

TTextEngine& TTextEngine::Instance() {
  static TTextEngine engine;
  return engine;
}

TTextEngine::TTextEngine() : impl_(std::make_unique<Impl>()) {}

TTextEngine::~TTextEngine() = default;

std::string TTextEngine::ResolveFontFile(const TFontSpec& Font) {
  return impl_->Resolver.Resolve(Font.Name, Font.Bold, Font.Italic).Path;
}

TFontMetrics TTextEngine::Metrics(const TFontSpec& Font) { return impl_->SizedFont(Font).Metrics(); }

int TTextEngine::TextWidth(const TFontSpec& Font, std::string_view Utf8) {
  if (Utf8.empty()) return 0;
  TSizedFont& font = impl_->SizedFont(Font);
  long long width = 0;
  for (std::size_t pos = 0; pos < Utf8.size();) width += font.Glyph(detail::DecodeUtf8(Utf8, pos)).Advance;
  return int(std::min<long long>(width, std::numeric_limits<int>::max()));
}

TTextMask TTextEngine::Render(const TFontSpec& Font, std::string_view Utf8) {
  return impl_->Render(Font, Utf8, detail::kUnclipped);
}

TTextMask TTextEngine::Render(const TFontSpec& Font, std::string_view Utf8, const TRect& Clip) {
  return impl_->Render(Font, Utf8, Clip);
}

}  // namespace gadrix
