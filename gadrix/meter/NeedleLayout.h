#pragma once
// TNeedleLayout: the shape and colours of one needle of a TMeter.
//
// The needle is an arrow from the dial's centre to its tip: a shaft of width Thickness, and a head
// whose two barbs of length HeadSize open by HeadAngle degrees at the tip. The shaft meets the head
// HeadMidLeng pixels behind the tip. Every setter whose value changes raises OnChange, which the
// meter that owns the layout uses to repaint.

#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/graphics/Color.h"

namespace gadrix {

class TNeedleLayout : public TPersistent {
public:
  // Visible is the only default that differs between a meter's primary needle (true) and its
  // secondary one (false).
  explicit TNeedleLayout(bool Visible = true);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // Copies every property from another needle layout (OnChange stays) and reports one change.
  void Assign(const TPersistent* Source) override;

  // Length of each barb of the arrow head in pixels. Default 20.
  int GetHeadSize() const { return headSize_; }
  void SetHeadSize(int Value) { Update(headSize_, Value); }
  // Full opening angle of the head in degrees, clamped to 0..180. Default 30.
  int GetHeadAngle() const { return headAngle_; }
  void SetHeadAngle(int Value);
  // Distance from the tip back to where the shaft meets the head, in pixels. Default 20.
  int GetHeadMidLeng() const { return headMidLeng_; }
  void SetHeadMidLeng(int Value) { Update(headMidLeng_, Value); }
  // Width of the shaft in pixels; 0 draws the shaft as a line. Default 0.
  int GetThickness() const { return thickness_; }
  void SetThickness(int Value) { Update(thickness_, Value); }
  // Fill of the needle. Default 0xC0C0C0 (silver).
  TColor GetColorBody() const { return colorBody_; }
  void SetColorBody(TColor Value) { Update(colorBody_, Value); }
  // Outline of the needle. Default 0x000000 (black).
  TColor GetColorOutline() const { return colorOutline_; }
  void SetColorOutline(TColor Value) { Update(colorOutline_, Value); }
  // Needle length in percent of the usable radius, clamped to 0..100. Default 100.
  int GetPercentNeedleLength() const { return percentNeedleLength_; }
  void SetPercentNeedleLength(int Value);
  // Offset of the shadow: it is drawn ShadowDx pixels left of and ShadowDy pixels above the
  // needle. No shadow while both are 0. Default 0, 0.
  int GetShadowDx() const { return shadowDx_; }
  void SetShadowDx(int Value) { Update(shadowDx_, Value); }
  int GetShadowDy() const { return shadowDy_; }
  void SetShadowDy(int Value) { Update(shadowDy_, Value); }
  bool HasShadow() const { return shadowDx_ != 0 || shadowDy_ != 0; }
  // Colour of the shadow. Default 0x808080 (grey).
  TColor GetShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor Value) { Update(shadowColor_, Value); }
  // Whether the needle takes part: for the primary needle it gates the value events only; the
  // secondary needle is drawn only while it is visible. Default: see the constructor.
  bool GetVisible() const { return visible_; }
  void SetVisible(bool Value) { Update(visible_, Value); }

  // Raised after every change of a property.
  TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Value) { onChange_ = std::move(Value); }

private:
  template <class T>
  void Update(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }
  void Changed() {
    if (onChange_) onChange_(this);
  }

  int headSize_ = 20;
  int headAngle_ = 30;
  int headMidLeng_ = 20;
  int thickness_ = 0;
  TColor colorBody_ = clSilver;
  TColor colorOutline_ = clBlack;
  int percentNeedleLength_ = 100;
  int shadowDx_ = 0;
  int shadowDy_ = 0;
  TColor shadowColor_ = clGray;
  bool visible_;
  TNotifyEvent onChange_;
};

}  // namespace gadrix
