#pragma once
// TSwatch: a patch of colour with a caption. A click (or Space while it has the focus) moves its
// colour on through a small palette and counts the clicks; its popup menu picks a colour or a
// shape directly.

#include <cstdint>
#include <vector>

#include "gadrix/platform/controls/Controls.h"

namespace gallery {

enum TSwatchShape : std::uint8_t { wsRectangle, wsRoundRect, wsEllipse };

class TSwatch : public gadrix::TCustomControl {
public:
  explicit TSwatch(gadrix::TComponent* AOwner);
  static const gadrix::TClassInfo& StaticClassInfo();
  const gadrix::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSwatchShape GetShape() const { return shape_; }  // default wsRoundRect
  void SetShape(TSwatchShape Value);
  int GetClicks() const { return clicks_; }  // default 0; counts the clicks
  void SetClicks(int Value);
  // Raised when the swatch changes itself (a click, a menu pick).
  gadrix::TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(gadrix::TNotifyEvent Value) { onChange_ = std::move(Value); }

  // The colours a click cycles through.
  static const std::vector<gadrix::TColor>& Palette();
  // The palette's colour after Color (the first when Color is not in it).
  static gadrix::TColor NextColor(gadrix::TColor Color);

protected:
  void Paint() override;
  void Click() override;
  void KeyPress(char32_t& Key) override;
  void DoEnter() override { Invalidate(); }
  void DoExit() override { Invalidate(); }

private:
  void Advance();
  void Changed();
  TSwatchShape shape_ = wsRoundRect;
  int clicks_ = 0;
  gadrix::TNotifyEvent onChange_;
};

}  // namespace gallery
