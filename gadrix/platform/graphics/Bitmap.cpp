#include "gadrix/platform/graphics/Bitmap.h"

#include <algorithm>

#include "gadrix/platform/graphics/ImageCodec.h"
#include "gadrix/platform/graphics/Resources.h"

namespace gadrix {

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(&pixels_)) {}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* Source) {
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
    if (bitmap == this) return;
    pixels_ = bitmap->pixels_;
    pixelFormat_ = bitmap->pixelFormat_;
    transparent_ = bitmap->transparent_;
    transparentColor_ = bitmap->transparentColor_;
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::SetSize(int Width, int Height) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  if (Width == GetWidth() && Height == GetHeight()) return;
  TPixelBuffer resized(Width, Height);
  const int w = std::min(Width, GetWidth()), h = std::min(Height, GetHeight());
  for (int y = 0; y < h; ++y) std::copy_n(pixels_.Row(y), w, resized.Row(y));
  pixels_ = std::move(resized);
}

TPixel* TBitmap::ScanLine(int Y) { return pixels_.Row(Y); }
const TPixel* TBitmap::ScanLine(int Y) const { return pixels_.Row(Y); }

TColor TBitmap::GetTransparentColor() const {
  if (transparentColor_ != clDefault) return transparentColor_;
  return pixels_.Empty() ? clWhite : pixels_.Row(pixels_.Height() - 1)[0];
}

void TBitmap::Adopt(TPixelBuffer&& Pixels) {
  pixels_ = std::move(Pixels);
  pixelFormat_ = pf32bit;
}

void TBitmap::LoadFromFile(const std::string& FileName) {
  Adopt(DecodeImage(ReadFileBytes(FileName), FileName));
}

void TBitmap::LoadFromMemory(std::span<const std::uint8_t> Bytes, const std::string& What) {
  Adopt(DecodeImage(Bytes, What));
}

void TBitmap::LoadFromResourceName(const std::string& Name) {
  Adopt(DecodeImage(FindResource(Name), "resource " + Name));
}

void TBitmap::SaveToFile(const std::string& FileName) const { WriteFileBytes(FileName, EncodePng(pixels_)); }

void TBitmap::Draw(TCanvas* Canvas, const TRect& R) const {
  if (Canvas == nullptr || pixels_.Empty()) return;
  if (!transparent_) {
    Canvas->StretchBlt(R.Left, R.Top, R.Width(), R.Height(), pixels_, 0, 0, GetWidth(), GetHeight(),
                       Canvas->GetCopyMode());
    return;
  }
  const TPoint origin = Canvas->GetOrigin();
  const TRect clip = Canvas->GetClipRect().Offset(origin.X, origin.Y);
  raster::StretchCopy({Canvas->GetBuffer(), clip}, R.Left + origin.X, R.Top + origin.Y, R.Width(), R.Height(),
                      pixels_, 0, 0, GetWidth(), GetHeight(), Canvas->GetCopyMode(), COLORONCOLOR,
                      ColorToRGB(Canvas->GetBrush()->GetColor()), ColorToRGB(GetTransparentColor()));
}

}  // namespace gadrix
