#pragma once
// TCanvas: GDI-style drawing on a pixel buffer.
//
// The edge rule, once for all: a rectangle (L, T, R, B) covers the columns L to R - 1 and the rows
// T to B - 1, for FillRect, Rectangle, Ellipse, Arc, Pie, Chord and TextRect alike. A line drawn with
// LineTo covers its start point and not its end point.
//
// Coordinates are logical: the canvas adds its origin to reach the buffer, and clips to its clip
// rectangle (a control paints in its own coordinates on its form's back buffer this way).
// Shapes (Rectangle, Ellipse, Pie, Chord, Polygon) draw their outline with the pen and fill their
// inside with the brush, both through the pen's mode; FillRect, FloodFill and text fill with the
// brush as it is.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gadrix/platform/graphics/Brush.h"
#include "gadrix/platform/graphics/Font.h"
#include "gadrix/platform/graphics/Pen.h"
#include "gadrix/platform/graphics/PixelBuffer.h"
#include "gadrix/platform/graphics/raster/Blit.h"

namespace gadrix {

class TGraphic;

using TCopyMode = std::uint32_t;
constexpr TCopyMode cmBlackness = raster::BLACKNESS;
constexpr TCopyMode cmDstInvert = raster::DSTINVERT;
constexpr TCopyMode cmMergeCopy = raster::MERGECOPY;
constexpr TCopyMode cmMergePaint = raster::MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = raster::NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = raster::NOTSRCERASE;
constexpr TCopyMode cmPatCopy = raster::PATCOPY;
constexpr TCopyMode cmPatInvert = raster::PATINVERT;
constexpr TCopyMode cmPatPaint = raster::PATPAINT;
constexpr TCopyMode cmSrcAnd = raster::SRCAND;
constexpr TCopyMode cmSrcCopy = raster::SRCCOPY;
constexpr TCopyMode cmSrcErase = raster::SRCERASE;
constexpr TCopyMode cmSrcInvert = raster::SRCINVERT;
constexpr TCopyMode cmSrcPaint = raster::SRCPAINT;
constexpr TCopyMode cmWhiteness = raster::WHITENESS;

using raster::BLACKONWHITE;
using raster::COLORONCOLOR;
using raster::HALFTONE;
using raster::WHITEONBLACK;

enum TFillStyle : std::uint8_t { fsSurface, fsBorder };
enum TFillMode : std::uint8_t { fmAlternate, fmWinding };

class TCanvas : public TPersistent {
public:
  // A canvas over Buffer, which must outlive it (a bitmap's canvas, a form's back buffer).
  explicit TCanvas(TPixelBuffer* Buffer);
  ~TCanvas() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TPen* GetPen() const { return pen_.get(); }
  TBrush* GetBrush() const { return brush_.get(); }
  TFont* GetFont() const { return font_.get(); }
  void SetPen(const TPen* Value) { pen_->Assign(Value); }
  void SetBrush(const TBrush* Value) { brush_->Assign(Value); }
  void SetFont(const TFont* Value) { font_->Assign(Value); }

  TPoint GetPenPos() const { return penPos_; }
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
  TCopyMode GetCopyMode() const { return copyMode_; }  // default cmSrcCopy
  void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
  TFillMode GetPolyFillMode() const { return fillMode_; }  // default fmAlternate
  void SetPolyFillMode(TFillMode Value) { fillMode_ = Value; }
  int GetStretchBltMode() const { return stretchMode_; }  // default COLORONCOLOR
  void SetStretchBltMode(int Value) { stretchMode_ = Value; }

  // Where logical (0, 0) lies in the buffer.
  TPoint GetOrigin() const { return origin_; }
  void SetOrigin(TPoint Value) { origin_ = Value; }
  // The area that drawing may touch, in logical coordinates: the clip set with SetClipRect, within
  // the buffer.
  TRect GetClipRect() const;
  // Restricts drawing to R (logical coordinates; replaces an earlier clip).
  void SetClipRect(const TRect& R);
  // Removes the clip: the whole buffer may be drawn on.
  void ResetClipRect();
  TPixelBuffer* GetBuffer() const { return buffer_; }
  // Points the canvas at another buffer (the control framework aims a control's canvas at the
  // buffer it paints into); pen, brush, font, origin and clip stay.
  void SetBuffer(TPixelBuffer* Buffer) { buffer_ = Buffer; }

  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(const std::vector<TPoint>& Points);
  void Polygon(const std::vector<TPoint>& Points);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void FillRect(const TRect& R);
  // A one-pixel frame along the inside of R in the brush colour.
  void FrameRect(const TRect& R);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  // The arc of the ellipse in (X1, Y1, X2, Y2) from the ray through (X3, Y3) counter-clockwise to
  // the ray through (X4, Y4).
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  // Fills with the brush from (X, Y): fsSurface fills the area of Color, fsBorder the area bounded
  // by Color.
  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);

  // The colour of a pixel; -1 (as a TColor, 0xFFFFFFFF) outside the clip.
  TColor GetPixel(int X, int Y) const;
  void SetPixel(int X, int Y, TColor Color);
  TColor GetPixels(int X, int Y) const { return GetPixel(X, Y); }
  void SetPixels(int X, int Y, TColor Color) { SetPixel(X, Y, Color); }

  // Text at its reference point (the top-left of the text cell, turned with the font's
  // orientation). A solid brush fills the cell first. The pen moves to the end of the text.
  void TextOut(int X, int Y, const std::string& Text);
  // Fills R with a solid brush, then draws the text at (X, Y) clipped to R.
  void TextRect(const TRect& R, int X, int Y, const std::string& Text);
  int TextWidth(const std::string& Text) const;
  int TextHeight(const std::string& Text) const;
  TSize TextExtent(const std::string& Text) const;

  void Draw(int X, int Y, const TGraphic* Graphic);
  void StretchDraw(const TRect& R, const TGraphic* Graphic);
  // Copies SourceRect of Source onto Dest through the copy mode, stretching as the stretch mode
  // says.
  void CopyRect(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect);

  // The low-level copy the above are made of: the source buffer's pixels, in buffer coordinates.
  void StretchBlt(int DX, int DY, int DW, int DH, const TPixelBuffer& Source, int SX, int SY, int SW,
                  int SH, std::uint32_t Rop);

private:
  raster::TTarget Target() const;
  TPoint ToDevice(int X, int Y) const { return {X + origin_.X, Y + origin_.Y}; }
  TRect ToDevice(const TRect& R) const { return R.Offset(origin_.X, origin_.Y); }
  raster::TPixelOp PenOp() const;
  raster::TPixelOp BrushOp() const;  // the brush through the pen's mode, as shapes fill
  raster::TPixelOp PlainBrushOp() const;  // the brush copied, as FillRect fills
  bool HasOutline() const { return pen_->GetStyle() != psClear; }
  bool HasFill() const { return brush_->GetStyle() != bsClear; }
  void ThinLine(TPoint A, TPoint B);
  void PaintBoxShape(int X1, int Y1, int X2, int Y2, bool Elliptic);
  void BlendText(const TTextMask& Mask, int X, int Y, TColor Color, const TRect& Clip);
  void FillTextCell(int X, int Y, int Width, int Height, int Orientation);

  TPixelBuffer* buffer_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TFont> font_;
  TPoint penPos_;
  std::int64_t dashPhase_ = 0;  // pixels of the pen's style pattern used since the last MoveTo
  TCopyMode copyMode_ = cmSrcCopy;
  TFillMode fillMode_ = fmAlternate;
  int stretchMode_ = COLORONCOLOR;
  TPoint origin_;
  bool clipped_ = false;
  TRect clip_;  // device coordinates, when clipped_
};

// Win32-style free functions over a canvas.
int SetStretchBltMode(TCanvas* Canvas, int Mode);  // returns the previous mode
bool StretchBlt(TCanvas* Dest, int DX, int DY, int DW, int DH, const TCanvas* Source, int SX, int SY,
                int SW, int SH, std::uint32_t Rop);

}  // namespace gadrix
