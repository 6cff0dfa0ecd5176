#include "gadrix/platform/graphics/Font.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace gadrix {
namespace {

int PointsToPixels(int Points) {
  return static_cast<int>(std::lround(Points * double(ScreenPixelsPerInch) / 72.0));
}

// Face names travel as UTF-16 in logical fonts; the family names we meet are ASCII, and other
// characters are kept as UTF-8 encodes them.
void CopyFaceName(const std::string& Name, char16_t (&Face)[32]) {
  std::size_t n = 0;
  for (unsigned char c : Name) {
    if (n + 1 >= std::size(Face)) break;
    Face[n++] = c;
  }
  Face[n] = 0;
}

std::string FaceNameOf(const char16_t (&Face)[32]) {
  std::string name;
  for (char16_t c : Face) {
    if (c == 0) break;
    name.push_back(static_cast<char>(c & 0xFF));
  }
  return name;
}

}  // namespace

int GetObjectW(const HFONT& Font, int Size, void* Buffer) {
  if (!Font || Size <= 0 || Buffer == nullptr) return 0;
  const int n = std::min<int>(Size, sizeof(TLogFont));
  std::memcpy(Buffer, Font.get(), n);
  return n;
}

HFONT CreateFontIndirectW(const TLogFont* LogFont) {
  return LogFont ? std::make_shared<const TLogFont>(*LogFont) : HFONT();
}

int TFont::GetSize() const {
  return static_cast<int>(std::lround(-height_ * 72.0 / ScreenPixelsPerInch));
}

void TFont::SetSize(int Value) { SetHeight(-PointsToPixels(Value)); }

void TFont::Assign(const TPersistent* Source) {
  if (const auto* font = dynamic_cast<const TFont*>(Source)) {
    name_ = font->name_;
    height_ = font->height_;
    color_ = font->color_;
    style_ = font->style_;
    orientation_ = font->orientation_;
    quality_ = font->quality_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

HFONT TFont::GetHandle() const {
  TLogFont lf;
  lf.lfHeight = height_;
  lf.lfEscapement = orientation_;
  lf.lfOrientation = orientation_;
  lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
  lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
  lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
  lf.lfQuality = quality_ == fqNonAntialiased ? NONANTIALIASED_QUALITY
                 : quality_ == fqDefault      ? 0
                                              : ANTIALIASED_QUALITY;
  CopyFaceName(name_, lf.lfFaceName);
  return CreateFontIndirectW(&lf);
}

void TFont::SetHandle(const HFONT& Value) {
  if (!Value) return;
  const TLogFont& lf = *Value;
  name_ = FaceNameOf(lf.lfFaceName);
  if (lf.lfHeight != 0) height_ = lf.lfHeight;
  style_ = static_cast<TFontStyles>((lf.lfWeight >= 600 ? fsBold : 0) | (lf.lfItalic ? fsItalic : 0) |
                                    (lf.lfUnderline ? fsUnderline : 0) | (lf.lfStrikeOut ? fsStrikeOut : 0));
  orientation_ = lf.lfEscapement;
  quality_ = lf.lfQuality == NONANTIALIASED_QUALITY ? fqNonAntialiased
             : lf.lfQuality == 0                    ? fqDefault
                                                    : fqAntialiased;
  Changed();
}

TFontSpec TFont::FontSpec() const {
  TFontSpec look;
  look.Name = name_;
  look.PixelSize = std::max(1, std::abs(height_));
  look.Bold = style_ & fsBold;
  look.Italic = style_ & fsItalic;
  look.Underline = style_ & fsUnderline;
  look.StrikeOut = style_ & fsStrikeOut;
  look.Orientation = orientation_;
  look.Antialiased = quality_ != fqNonAntialiased && quality_ != fqDraft;
  return look;
}

}  // namespace gadrix
