#pragma once
// The pen: how lines and outlines are drawn.

#include <cstdint>

#include "gadrix/platform/graphics/Color.h"
#include "gadrix/platform/graphics/GraphicsObject.h"

namespace gadrix {

enum TPenStyle : std::uint8_t {
  psSolid,
  psDash,        // 18 pixels on, 6 off
  psDot,         // 3 on, 3 off
  psDashDot,     // 9 on, 6 off, 3 on, 6 off
  psDashDotDot,  // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
  psClear,       // no outline at all
  psInsideFrame  // solid; a wide pen stays inside the shape's bounding box
};

// How the pen colour P combines with the pixel D already there.
enum TPenMode : std::uint8_t {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

// The binary raster operation (1 to 16) of a pen mode.
int PenModeToRop2(TPenMode Mode);

class TPen : public TGraphicsObject {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent* Source) override;

  TColor GetColor() const { return color_; }  // default clBlack
  void SetColor(TColor Value) { Update(color_, Value); }
  int GetWidth() const { return width_; }  // default 1; values below 1 count as 1
  void SetWidth(int Value) { Update(width_, Value < 1 ? 1 : Value); }
  TPenStyle GetStyle() const { return style_; }  // default psSolid
  void SetStyle(TPenStyle Value) { Update(style_, Value); }
  TPenMode GetMode() const { return mode_; }  // default pmCopy
  void SetMode(TPenMode Value) { Update(mode_, Value); }

private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

}  // namespace gadrix
