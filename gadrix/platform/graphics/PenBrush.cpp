#include "gadrix/platform/graphics/Brush.h"
#include "gadrix/platform/graphics/Pen.h"

namespace gadrix {

int PenModeToRop2(TPenMode Mode) {
  // The sixteen binary raster operations in the order of TPenMode.
  static constexpr int kRop2[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
  return kRop2[Mode & 15];
}

void TPen::Assign(const TPersistent* Source) {
  if (const auto* pen = dynamic_cast<const TPen*>(Source)) {
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    mode_ = pen->mode_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor Value) {
  if (color_ == Value && style_ != bsClear) return;
  color_ = Value;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::Assign(const TPersistent* Source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(Source)) {
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

}  // namespace gadrix
