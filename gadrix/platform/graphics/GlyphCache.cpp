#include "gadrix/platform/graphics/GlyphCache.h"

#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <limits>

#include "gadrix/platform/core/Exception.h"

namespace gadrix::detail {
namespace {

constexpr FT_Pos kOnePixel = 64;  // 26.6 fixed point
constexpr int kGrayLevels = 256;
constexpr std::uint8_t kFullCoverage = 255;

// Synthetic styles, for families that lack a bold or an italic face. Emboldening widens every
// stem by em / 24 (at least one pixel) to the right and adds the same to every advance; the
// oblique slant is tan 12 degrees, as FreeType's own synthesis uses.
constexpr double kEmboldenDivisor = 24.0;
constexpr FT_Fixed kObliqueSlant = 0x0366A;
constexpr FT_Matrix kObliqueShear{0x10000, kObliqueSlant, 0, 0x10000};

// Hinting moves outline points by less than a pixel; the ink radius allows for it.
constexpr int kHintingSlack = 2;

// Pixels between the baseline and the underline's top, at least.
constexpr int kUnderlineGap = 1;

// The OS/2 weight class of a semi-bold face.
constexpr FT_UShort kSemiBoldWeight = 600;

// Where a font without an OS/2 table puts its strike-out: a third of the ascender up, about the
// middle of a lower-case letter.
constexpr long kFallbackStrikeoutDivisor = 3;

int ClampToInt(long long Value) {
  return int(std::clamp<long long>(Value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// 26.6 to whole pixels. Right shifts of negative values round towards minus infinity.
FT_Pos FloorPixels(FT_Pos Value) { return Value >> 6; }
FT_Pos CeilPixels(FT_Pos Value) { return -((-Value) >> 6); }
int RoundPixels(FT_Pos Value) { return ClampToInt((Value + kOnePixel / 2) >> 6); }

std::vector<std::uint8_t> ExpandMono(const std::vector<unsigned char>& Bits, int Pitch, int Width, int Height) {
  std::vector<std::uint8_t> values(std::size_t(Width) * std::size_t(Height));
  for (int y = 0; y < Height; ++y) {
    const unsigned char* row = Bits.data() + std::size_t(y) * std::size_t(Pitch);
    std::uint8_t* out = values.data() + std::size_t(y) * std::size_t(Width);
    for (int x = 0; x < Width; ++x)
      if (row[x >> 3] & (0x80 >> (x & 7))) out[x] = kFullCoverage;
  }
  return values;
}

// Cuts away the rows and columns without ink, so that images hold no empty margins.
void TrimToInk(TCoverage& Image) {
  int left = Image.Width, right = -1, top = Image.Height, bottom = -1;
  for (int y = 0; y < Image.Height; ++y) {
    const std::uint8_t* row = Image.Values.data() + std::size_t(y) * std::size_t(Image.Width);
    for (int x = 0; x < Image.Width; ++x) {
      if (row[x] == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = y;
    }
  }
  if (right < 0) {
    Image = TCoverage{};
    return;
  }
  if (left == 0 && top == 0 && right == Image.Width - 1 && bottom == Image.Height - 1) return;
  TCoverage trimmed{Image.Left + left, Image.Top + top, right - left + 1, bottom - top + 1, {}};
  trimmed.Values.resize(std::size_t(trimmed.Width) * std::size_t(trimmed.Height));
  for (int y = 0; y < trimmed.Height; ++y) {
    const auto* from = Image.Values.data() + std::size_t(top + y) * std::size_t(Image.Width) + left;
    std::copy(from, from + trimmed.Width, trimmed.Values.data() + std::size_t(y) * std::size_t(trimmed.Width));
  }
  Image = std::move(trimmed);
}

// The image turned counter-clockwise on the screen by Quarters quarter turns (1 to 3) about its
// origin: at one quarter the pixel (x, y) moves to (y, -1 - x).
TCoverage TurnQuarters(const TCoverage& Image, int Quarters) {
  const bool sideways = Quarters % 2 == 1;
  TCoverage turned;
  turned.Width = sideways ? Image.Height : Image.Width;
  turned.Height = sideways ? Image.Width : Image.Height;
  turned.Values.resize(Image.Values.size());
  switch (Quarters) {
    case 1: turned.Left = Image.Top; turned.Top = -Image.Left - Image.Width; break;
    case 2: turned.Left = -Image.Left - Image.Width; turned.Top = -Image.Top - Image.Height; break;
    default: turned.Left = -Image.Top - Image.Height; turned.Top = Image.Left; break;
  }
  const int w = Image.Width;
  const int h = Image.Height;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      int x = 0, y = 0;  // the pixel's place in the turned image
      switch (Quarters) {
        case 1: x = j; y = w - 1 - i; break;
        case 2: x = w - 1 - i; y = h - 1 - j; break;
        default: x = h - 1 - j; y = i; break;
      }
      turned.Values[std::size_t(y) * std::size_t(turned.Width) + std::size_t(x)] =
          Image.Values[std::size_t(j) * std::size_t(w) + std::size_t(i)];
    }
  return turned;
}

std::size_t BytesOf(const TCoverage& Image) { return sizeof(TCoverage) + Image.Values.size(); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// TOutline

TOutline::TOutline(const FT_Outline& Source)
    : points_(Source.points, Source.points + Source.n_points),
      tags_(Source.tags, Source.tags + Source.n_points),
      contours_(Source.contours, Source.contours + Source.n_contours),
      flags_(Source.flags) {}

TOutline TOutline::Rectangle(FT_Pos Left, FT_Pos Bottom, FT_Pos Right, FT_Pos Top) {
  TOutline rect;
  rect.points_ = {{Left, Bottom}, {Right, Bottom}, {Right, Top}, {Left, Top}};
  rect.tags_.assign(rect.points_.size(), FT_CURVE_TAG_ON);
  rect.contours_ = {TContourEnd(rect.points_.size() - 1)};
  return rect;
}

std::size_t TOutline::Bytes() const {
  return points_.size() * sizeof(FT_Vector) + tags_.size() + contours_.size() * sizeof(TContourEnd);
}

FT_Outline TOutline::View() {
  FT_Outline view{};
  view.n_contours = TContourCount(contours_.size());
  view.n_points = TPointCount(points_.size());
  view.points = points_.data();
  view.tags = tags_.data();
  view.contours = contours_.data();
  view.flags = flags_;
  return view;
}

TCoverage Rasterize(FT_Library Library, TOutline Outline, const FT_Matrix* Matrix, FT_Vector Offset,
                    bool Antialiased, const TRect& Clip) {
  if (Outline.IsEmpty()) return {};
  FT_Outline view = Outline.View();
  if (Matrix != nullptr) FT_Outline_Transform(&view, Matrix);
  FT_Outline_Translate(&view, Offset.x, Offset.y);

  FT_BBox box;
  FT_Outline_Get_CBox(&view, &box);
  const TRect area = Intersect(Rect(ClampToInt(FloorPixels(box.xMin)), ClampToInt(-CeilPixels(box.yMax)),
                                    ClampToInt(CeilPixels(box.xMax)), ClampToInt(-FloorPixels(box.yMin))),
                               Clip);
  if (area.IsEmpty()) return {};
  // FreeType renders the bitmap's bottom-left corner at its (0, 0): move the area's corner there.
  FT_Outline_Translate(&view, -FT_Pos(area.Left) * kOnePixel, FT_Pos(area.Bottom) * kOnePixel);

  const int width = area.Width();
  const int height = area.Height();
  FT_Bitmap bitmap{};
  bitmap.rows = unsigned(height);
  bitmap.width = unsigned(width);
  bitmap.pitch = Antialiased ? width : (width + 7) / 8;
  bitmap.pixel_mode = Antialiased ? FT_PIXEL_MODE_GRAY : FT_PIXEL_MODE_MONO;
  bitmap.num_grays = kGrayLevels;
  std::vector<unsigned char> buffer(std::size_t(bitmap.pitch) * std::size_t(height));
  bitmap.buffer = buffer.data();
  if (FT_Outline_Get_Bitmap(Library, &view, &bitmap) != 0) return {};

  TCoverage image{area.Left, area.Top, width, height, {}};
  image.Values = Antialiased ? std::move(buffer) : ExpandMono(buffer, bitmap.pitch, width, height);
  TrimToInk(image);
  return image;
}

// ---------------------------------------------------------------------------------------------
// TFontLibrary

TFontLibrary::TFontLibrary() {
  if (FT_Init_FreeType(&library_) != 0) throw Exception("FreeType cannot be initialised");
}

TFontLibrary::~TFontLibrary() {
  for (auto& [file, face] : faces_) FT_Done_Face(face);
  FT_Done_FreeType(library_);
}

FT_Face TFontLibrary::Face(const std::string& Path, int Index) {
  auto key = std::make_pair(Path, Index);
  if (auto found = faces_.find(key); found != faces_.end()) return found->second;
  FT_Face face = nullptr;
  if (FT_New_Face(library_, Path.c_str(), Index, &face) != 0)
    throw Exception("cannot open the font file " + Path);
  if (!FT_IS_SCALABLE(face)) {
    FT_Done_Face(face);
    throw Exception("the font file " + Path + " holds no outlines");
  }
  faces_.emplace(std::move(key), face);
  return face;
}

bool FaceIsBold(FT_Face Face) {
  if (Face->style_flags & FT_STYLE_FLAG_BOLD) return true;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
  return os2 != nullptr && os2->usWeightClass >= kSemiBoldWeight;
}

bool FaceIsItalic(FT_Face Face) { return (Face->style_flags & FT_STYLE_FLAG_ITALIC) != 0; }

// ---------------------------------------------------------------------------------------------
// TSizedFont

TSizedFont::TSizedFont(FT_Library Library, FT_Face Face, const TGlyphStyle& Style, std::size_t& CacheBytes)
    : library_(Library), face_(Face), style_(Style), cacheBytes_(CacheBytes) {
  if (FT_New_Size(face_, &size_) != 0) throw Exception("FreeType cannot create a font size");
  if (FT_Activate_Size(size_) != 0 || FT_Set_Pixel_Sizes(face_, 0, FT_UInt(style_.PixelSize)) != 0) {
    FT_Done_Size(size_);
    throw Exception("FreeType cannot scale the font to " + std::to_string(style_.PixelSize) + " pixels");
  }
  loadFlags_ = FT_LOAD_NO_BITMAP | (style_.Antialiased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
  if (style_.SynthesiseBold)
    emboldenPixels_ = std::max(1, int(std::lround(style_.PixelSize / kEmboldenDivisor)));
  MeasureFace();
}

TSizedFont::~TSizedFont() { FT_Done_Size(size_); }

// Metrics as GDI reports them for TrueType fonts: ascent and descent are the OS/2 table's
// Windows ascent and descent scaled to the size and rounded up, so that no glyph of the font's
// Windows character set reaches outside the cell.
void TSizedFont::MeasureFace() {
  const double scale = double(style_.PixelSize) / face_->units_per_EM;
  auto ceilPixels = [&](long Units) { return int(std::ceil(Units * scale)); };
  auto roundPixels = [&](long Units) { return int(std::lround(Units * scale)); };

  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  const bool winMetrics = os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0;
  metrics_.Ascent = std::max(0, ceilPixels(winMetrics ? os2->usWinAscent : face_->ascender));
  metrics_.Descent = std::max(0, ceilPixels(winMetrics ? os2->usWinDescent : -face_->descender));
  metrics_.Height = metrics_.Ascent + metrics_.Descent;
  metrics_.AveCharWidth = (os2 != nullptr && os2->xAvgCharWidth > 0)
                              ? roundPixels(os2->xAvgCharWidth) + emboldenPixels_
                              : Glyph(U'x').Advance;

  // The underline is centred where FreeType puts the centre of the underline stem (the post
  // table gives the stem's top). It keeps a pixel of space below the baseline, as underlines on
  // Windows screens do, and stays inside the cell while the descent has room for it.
  const double centre = -face_->underline_position * scale;
  underline_.Thickness = std::max(1, roundPixels(face_->underline_thickness));
  const int gap = std::max(kUnderlineGap, int(std::lround(centre - underline_.Thickness / 2.0)));
  underline_.Top = std::max(metrics_.Ascent, std::min(metrics_.Ascent + gap, metrics_.Height - underline_.Thickness));

  // The strike-out's top lies the OS/2 table's distance above the baseline.
  const bool strikeMetrics = os2 != nullptr && os2->yStrikeoutSize > 0;
  const long strikeTop = strikeMetrics ? os2->yStrikeoutPosition : face_->ascender / kFallbackStrikeoutDivisor;
  strikeOut_.Thickness = strikeMetrics ? std::max(1, roundPixels(os2->yStrikeoutSize)) : underline_.Thickness;
  strikeOut_.Top = std::max(0, metrics_.Ascent - roundPixels(strikeTop));

  const FT_BBox& box = face_->bbox;
  const double reachY = std::max(std::abs(box.yMin), std::abs(box.yMax)) * scale;
  double reachX = std::max(std::abs(box.xMin), std::abs(box.xMax)) * scale + emboldenPixels_;
  if (style_.SynthesiseItalic) reachX += reachY * kObliqueSlant / 65536.0;
  inkRadius_ = int(std::ceil(std::hypot(reachX, reachY))) + kHintingSlack;
}

TGlyph TSizedFont::LoadGlyph(FT_UInt Index) {
  TGlyph glyph;
  glyph.Index = Index;
  // A glyph FreeType cannot load draws nothing and takes no room.
  if (FT_Activate_Size(size_) != 0 || FT_Load_Glyph(face_, Index, loadFlags_) != 0) return glyph;
  const FT_GlyphSlot slot = face_->glyph;
  glyph.Advance = RoundPixels(slot->advance.x) + emboldenPixels_;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE && slot->outline.n_points > 0) {
    glyph.Outline = TOutline(slot->outline);
    FT_Outline view = glyph.Outline.View();
    // Widening by whole pixels to the right keeps hinted stems on the pixel grid.
    if (style_.SynthesiseBold) FT_Outline_EmboldenXY(&view, emboldenPixels_ * kOnePixel, 0);
    if (style_.SynthesiseItalic) FT_Outline_Transform(&view, &kObliqueShear);
  }
  Account(sizeof(TGlyph) + glyph.Outline.Bytes());
  return glyph;
}

TGlyph& TSizedFont::Glyph(char32_t Code) {
  const bool ascii = Code < kAsciiEnd;
  if (ascii && ascii_[Code] != nullptr) return *ascii_[Code];
  const FT_UInt index = FT_Get_Char_Index(face_, Code);
  auto found = glyphs_.find(index);
  if (found == glyphs_.end()) found = glyphs_.emplace(index, LoadGlyph(index)).first;
  if (ascii) ascii_[Code] = &found->second;
  return found->second;
}

const TCoverage& TSizedFont::UprightImage(TGlyph& Glyph) {
  if (!Glyph.Upright) {
    Glyph.Upright = Rasterize(library_, Glyph.Outline, nullptr, {0, 0}, style_.Antialiased, kUnclipped);
    Account(BytesOf(*Glyph.Upright));
  }
  return *Glyph.Upright;
}

const TCoverage& TSizedFont::RotatedImage(TGlyph& Glyph, int Orientation, const FT_Matrix& Rotation,
                                          TSubpixel Phase) {
  constexpr int kPhaseBits = 4;
  const std::uint64_t key = (std::uint64_t(Glyph.Index) << 32) | (std::uint64_t(Orientation) << (2 * kPhaseBits)) |
                            (std::uint64_t(Phase.X) << kPhaseBits) | std::uint64_t(Phase.Y);
  auto found = rotated_.find(key);
  if (found != rotated_.end()) return found->second;
  TCoverage image;
  if (Orientation % kQuarterTurn == 0) {
    image = TurnQuarters(UprightImage(Glyph), Orientation / kQuarterTurn);
  } else {
    // Outlines are y up, so a step down the screen is a negative y offset.
    const FT_Vector offset{Phase.X * kOnePixel / kSubpixelSteps, -Phase.Y * kOnePixel / kSubpixelSteps};
    image = Rasterize(library_, Glyph.Outline, &Rotation, offset, style_.Antialiased, kUnclipped);
  }
  Account(BytesOf(image));
  return rotated_.emplace(key, std::move(image)).first->second;
}

}  // namespace gadrix::detail
