#pragma once
// The brush: how areas are filled.

#include <cstdint>

#include "gadrix/platform/graphics/Color.h"
#include "gadrix/platform/graphics/GraphicsObject.h"

namespace gadrix {

enum TBrushStyle : std::uint8_t {
  bsSolid,
  bsClear  // areas are not filled; text and dash gaps show what is behind them
};

class TBrush : public TGraphicsObject {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent* Source) override;

  TColor GetColor() const { return color_; }  // default clWhite
  void SetColor(TColor Value);                 // a colour makes a clear brush solid again
  TBrushStyle GetStyle() const { return style_; }  // default bsSolid
  void SetStyle(TBrushStyle Value) { Update(style_, Value); }

private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

}  // namespace gadrix
