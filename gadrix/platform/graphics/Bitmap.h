#pragma once
// TBitmap: a picture of 32-bit pixels with a canvas of its own. Two bitmaps never share pixels:
// Assign copies them.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "gadrix/platform/graphics/Canvas.h"
#include "gadrix/platform/graphics/Graphic.h"
#include "gadrix/platform/graphics/PixelBuffer.h"

namespace gadrix {

enum TPixelFormat : std::uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

class TBitmap : public TGraphic {
public:
  TBitmap();
  ~TBitmap() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent* Source) override;

  int GetWidth() const override { return pixels_.Width(); }
  int GetHeight() const override { return pixels_.Height(); }
  void SetWidth(int Value) { SetSize(Value, GetHeight()); }
  void SetHeight(int Value) { SetSize(GetWidth(), Value); }
  // Resizes, keeping the pixels that still fit; new pixels are white.
  void SetSize(int Width, int Height);

  // Pixels are always stored with 32 bits; the format is kept for callers that ask for it.
  TPixelFormat GetPixelFormat() const { return pixelFormat_; }  // default pf32bit
  void SetPixelFormat(TPixelFormat Value) { pixelFormat_ = Value; }

  // Row Y of the pixels (0x00BBGGRR each); Y must lie within 0 .. Height - 1.
  TPixel* ScanLine(int Y);
  const TPixel* ScanLine(int Y) const;

  TCanvas* GetCanvas() const { return canvas_.get(); }
  TPixelBuffer& Pixels() { return pixels_; }
  const TPixelBuffer& Pixels() const { return pixels_; }

  // When set, Draw leaves out the pixels of the transparent colour.
  bool GetTransparent() const { return transparent_; }  // default false
  void SetTransparent(bool Value) { transparent_ = Value; }
  // clDefault (the default) takes the colour of the bottom-left pixel.
  TColor GetTransparentColor() const;
  void SetTransparentColor(TColor Value) { transparentColor_ = Value; }

  void LoadFromFile(const std::string& FileName) override;  // BMP, PNG, JPEG, GIF
  void LoadFromMemory(std::span<const std::uint8_t> Bytes, const std::string& What = "picture");
  // One of the library's bitmap resources ("SEGVERT"); EResNotFound when there is none.
  void LoadFromResourceName(const std::string& Name);
  void SaveToFile(const std::string& FileName) const override;  // PNG

  void Draw(TCanvas* Canvas, const TRect& R) const override;

private:
  void Adopt(TPixelBuffer&& Pixels);

  TPixelBuffer pixels_;
  std::unique_ptr<TCanvas> canvas_;
  TPixelFormat pixelFormat_ = pf32bit;
  bool transparent_ = false;
  TColor transparentColor_ = clDefault;
};

}  // namespace gadrix
