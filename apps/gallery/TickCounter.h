#pragma once
// TTickCounter: a number that a timer counts up while the counter is active, drawn large in the
// control's font. A click pauses and resumes it.

#include <memory>

#include "gadrix/platform/controls/Controls.h"

namespace gallery {

class TTickCounter : public gadrix::TCustomControl {
public:
  explicit TTickCounter(gadrix::TComponent* AOwner);
  static const gadrix::TClassInfo& StaticClassInfo();
  const gadrix::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int GetCount() const { return count_; }  // default 0
  void SetCount(int Value);
  int GetStep() const { return step_; }  // default 1; added at each tick
  void SetStep(int Value);
  int GetInterval() const;  // default 1000 ms, at least 10
  void SetInterval(int Value);
  bool GetActive() const;  // default true
  void SetActive(bool Value);
  // Raised after each tick and each change of Active.
  gadrix::TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(gadrix::TNotifyEvent Value) { onChange_ = std::move(Value); }

  static constexpr int MinInterval = 10;
  // The digits are this many times the size of the control's font.
  static constexpr int DigitScale = 4;

protected:
  void Paint() override;
  void Click() override;

private:
  void Tick();
  void Changed();
  int count_ = 0;
  int step_ = 1;
  gadrix::TTimer* timer_;  // owned by the counter
  gadrix::TNotifyEvent onChange_;
};

}  // namespace gallery
