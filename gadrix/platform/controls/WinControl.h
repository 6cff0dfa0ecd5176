#pragma once
// TWinControl: a control that holds other controls and can take the keyboard focus.

#include <vector>

#include "gadrix/platform/controls/Control.h"

namespace gadrix {

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // --- children, in z-order (the last is on top) ----------------------------------------------
  int GetControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* GetControls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(const TControl* AControl) const;
  // The topmost visible child at P (client coordinates), enabled ones only unless AllowDisabled.
  TControl* ControlAtPos(TPoint P, bool AllowDisabled) const;
  // Sends Message to every child until one sets a non-zero Result.
  void Broadcast(TMessage& Message);
  void BringToFront(TControl* AControl);
  void SendToBack(TControl* AControl);

  // --- focus and keys -------------------------------------------------------------------------
  // Showing and enabled, up to the form.
  virtual bool CanFocus() const;
  bool Focused() const;
  // Makes this control the focused one of its form (EInvalidOperation when it cannot be).
  virtual void SetFocus();
  bool GetTabStop() const { return tabStop_; }  // default false; focusable controls set it
  void SetTabStop(bool Value) { tabStop_ = Value; }
  int GetTabOrder() const;
  void SetTabOrder(int Value);
  // The controls that take part in tabbing, in tab order, depth first.
  std::vector<TWinControl*> TabList() const;

  TNotifyEvent GetOnEnter() const { return onEnter_; }
  void SetOnEnter(TNotifyEvent Value) { onEnter_ = std::move(Value); }
  TNotifyEvent GetOnExit() const { return onExit_; }
  void SetOnExit(TNotifyEvent Value) { onExit_ = std::move(Value); }
  TKeyEvent GetOnKeyDown() const { return onKeyDown_; }
  void SetOnKeyDown(TKeyEvent Value) { onKeyDown_ = std::move(Value); }
  TKeyEvent GetOnKeyUp() const { return onKeyUp_; }
  void SetOnKeyUp(TKeyEvent Value) { onKeyUp_ = std::move(Value); }
  TKeyPressEvent GetOnKeyPress() const { return onKeyPress_; }
  void SetOnKeyPress(TKeyPressEvent Value) { onKeyPress_ = std::move(Value); }

  // What the form's dispatch calls.
  void DispatchKeyDown(Word& Key, TShiftState Shift) { KeyDown(Key, Shift); }
  void DispatchKeyUp(Word& Key, TShiftState Shift) { KeyUp(Key, Shift); }
  void DispatchKeyPress(char32_t& Key) { KeyPress(Key); }
  void DispatchEnter() { DoEnter(); }
  void DispatchExit() { DoExit(); }

  void PaintControl(TCanvas* Target) override;
  void WndProc(TMessage& Message) override;

protected:
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyUp(Word& Key, TShiftState Shift);
  virtual void KeyPress(char32_t& Key);
  virtual void DoEnter();
  virtual void DoExit();
  // Paints the control's own face before its children; a plain container fills its colour.
  virtual void PaintWindow(TCanvas* Canvas);

private:
  std::vector<TControl*> controls_;
  bool tabStop_ = false;
  TNotifyEvent onEnter_, onExit_;
  TKeyEvent onKeyDown_, onKeyUp_;
  TKeyPressEvent onKeyPress_;
};

// A control without a window of its own: it cannot take the focus and paints on its parent.
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* AOwner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TCanvas* GetCanvas() { return ControlCanvas(); }
};

// A focusable control that paints itself on a canvas of its own.
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* AOwner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TCanvas* GetCanvas() { return ControlCanvas(); }

protected:
  // A custom control paints itself in Paint; the container's fill is left out.
  void PaintWindow(TCanvas*) override {}
};

class EInvalidOperation : public Exception {
public:
  using Exception::Exception;
};

}  // namespace gadrix
