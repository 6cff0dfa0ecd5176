#pragma once
// TShowcaseView: the canvas showcase (lines, shapes, text, copy modes) drawn live at a zoom,
// smoothed (area average) or not (nearest pixel). Where the picture ends, the control's colour shows.

#include <memory>

#include "gadrix/platform/controls/Controls.h"

namespace gallery {

class TShowcaseView : public gadrix::TGraphicControl {
public:
  explicit TShowcaseView(gadrix::TComponent* AOwner);
  ~TShowcaseView() override;
  static const gadrix::TClassInfo& StaticClassInfo();
  const gadrix::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int GetZoom() const { return zoom_; }  // percent; default 75, from 10 to 400
  void SetZoom(int Value);
  bool GetSmooth() const { return smooth_; }  // default true: halftone; false: nearest pixel
  void SetSmooth(bool Value);

  static constexpr int MinZoom = 10;
  static constexpr int MaxZoom = 400;

protected:
  void Paint() override;

private:
  const gadrix::TBitmap& Picture();
  int zoom_ = 75;
  bool smooth_ = true;
  std::unique_ptr<gadrix::TBitmap> picture_;  // rendered at the first paint
};

}  // namespace gallery
