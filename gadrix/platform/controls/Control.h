#pragma once
// TControl: a visible element of a form, with bounds, colours, a font, a hint and mouse input.
//
// Coordinates: Left and Top are relative to the parent's client area. A control's client area is
// the whole control unless a border or scroll bars take part of it (GetClientBounds); its client
// coordinates - those of Paint's canvas, of its mouse events and of its children - start at the
// client area's top-left corner, which is the control's top-left corner when it has no border.
// Painting happens only in Paint, called by the form when an invalidated area is redrawn (parent
// first, then children in z-order, each clipped to its bounds) or at once by Repaint.

#include <cstdint>
#include <memory>
#include <string>

#include "gadrix/platform/controls/Input.h"
#include "gadrix/platform/controls/Messages.h"
#include "gadrix/platform/core/Component.h"
#include "gadrix/platform/graphics/Canvas.h"
#include "gadrix/platform/graphics/Font.h"

namespace gadrix {

class TWinControl;
class TForm;
class TPopupMenu;

// How a control takes part in input and painting.
enum : std::uint32_t {
  csAcceptsControls = 1,  // may be the parent of other controls
  csCaptureMouse = 2,     // keeps the mouse from a press until the release
  csClickEvents = 4,      // a press and release inside it is a click
  csOpaque = 8,           // paints every pixel of its area
  csDoubleClicks = 16,    // a quick second press is a double click
};
using TControlStyle = std::uint32_t;

// The kinds of mouse input a control may take over its non-client area (NonClientMouse).
enum TNonClientMouse : std::uint8_t { ncmDown, ncmMove, ncmUp };

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // --- bounds ---------------------------------------------------------------------------------
  int GetLeft() const { return left_; }
  void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
  int GetTop() const { return top_; }
  void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
  int GetWidth() const { return width_; }
  void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
  int GetHeight() const { return height_; }
  void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
  // Moves and sizes in one step (negative sizes count as 0); a size change raises OnResize.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect GetBoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  // The client area within the control's bounds, in coordinates whose origin is the control's
  // top-left corner: the whole control by default. A control with a border or scroll bars (an
  // edit's frame, a grid's scroll bars) returns the part inside them.
  virtual TRect GetClientBounds() const { return {0, 0, width_, height_}; }
  // The client area in client coordinates: (0, 0, client width, client height).
  TRect GetClientRect() const {
    const TRect bounds = GetClientBounds();
    return {0, 0, bounds.Width(), bounds.Height()};
  }
  int GetClientWidth() const { return GetClientRect().Width(); }
  int GetClientHeight() const { return GetClientRect().Height(); }
  void SetClientWidth(int Value);
  void SetClientHeight(int Value);
  // The control's own coordinates to its form's client coordinates, and back.
  TPoint ClientToForm(TPoint P) const;
  TPoint FormToClient(TPoint P) const;

  // --- place in the tree ----------------------------------------------------------------------
  TWinControl* GetParent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);
  // The form this control lies on (itself for a form), or null.
  TForm* GetParentForm() const;

  // --- appearance -----------------------------------------------------------------------------
  bool GetVisible() const { return visible_; }  // default true
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent too.
  bool IsShowing() const;
  bool GetEnabled() const { return enabled_; }  // default true
  void SetEnabled(bool Value);
  TColor GetColor() const { return color_; }  // default clBtnFace
  void SetColor(TColor Value);
  bool GetParentColor() const { return parentColor_; }  // default false
  void SetParentColor(bool Value);
  TFont* GetFont() const { return font_.get(); }
  void SetFont(const TFont* Value) { font_->Assign(Value); }
  bool GetParentFont() const { return parentFont_; }  // default true: the parent's font is used
  void SetParentFont(bool Value);
  const std::string& GetHint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }
  bool GetShowHint() const { return showHint_; }  // default false
  void SetShowHint(bool Value);
  bool GetParentShowHint() const { return parentShowHint_; }  // default true
  void SetParentShowHint(bool Value);
  TCursor GetCursor() const { return cursor_; }  // default crDefault
  void SetCursor(TCursor Value);
  TPopupMenu* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* Value);
  // The caption or text of the control; a change sends CM_TEXTCHANGED.
  const std::string& GetText() const { return text_; }
  void SetText(const std::string& Value);
  const std::string& GetCaption() const { return text_; }
  void SetCaption(const std::string& Value) { SetText(Value); }
  TControlStyle GetControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }

  // --- painting -------------------------------------------------------------------------------
  // Marks the control's area for repainting; transparent controls take their parent's pixels
  // with them, since the parent is painted first.
  virtual void Invalidate();
  // Paints at once.
  virtual void Repaint();
  void Refresh() { Repaint(); }
  // Paints what is invalidated on the control's form now.
  void Update();
  // Paints the control (and its children) into Canvas with its top-left corner at (X, Y).
  void PaintTo(TCanvas* Canvas, int X, int Y);

  // --- messages and input ---------------------------------------------------------------------
  std::intptr_t Perform(unsigned Msg, std::intptr_t WParam = 0, std::intptr_t LParam = 0);
  virtual void WndProc(TMessage& Message);
  bool GetMouseCapture() const;
  void SetMouseCapture(bool Value);

  // --- events ---------------------------------------------------------------------------------
  TNotifyEvent GetOnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent Value) { onClick_ = std::move(Value); }
  TNotifyEvent GetOnDblClick() const { return onDblClick_; }
  void SetOnDblClick(TNotifyEvent Value) { onDblClick_ = std::move(Value); }
  TMouseEvent GetOnMouseDown() const { return onMouseDown_; }
  void SetOnMouseDown(TMouseEvent Value) { onMouseDown_ = std::move(Value); }
  TMouseEvent GetOnMouseUp() const { return onMouseUp_; }
  void SetOnMouseUp(TMouseEvent Value) { onMouseUp_ = std::move(Value); }
  TMouseMoveEvent GetOnMouseMove() const { return onMouseMove_; }
  void SetOnMouseMove(TMouseMoveEvent Value) { onMouseMove_ = std::move(Value); }
  TNotifyEvent GetOnMouseEnter() const { return onMouseEnter_; }
  void SetOnMouseEnter(TNotifyEvent Value) { onMouseEnter_ = std::move(Value); }
  TNotifyEvent GetOnMouseLeave() const { return onMouseLeave_; }
  void SetOnMouseLeave(TNotifyEvent Value) { onMouseLeave_ = std::move(Value); }
  TMouseWheelEvent GetOnMouseWheel() const { return onMouseWheel_; }
  void SetOnMouseWheel(TMouseWheelEvent Value) { onMouseWheel_ = std::move(Value); }
  TMouseWheelUpDownEvent GetOnMouseWheelUp() const { return onMouseWheelUp_; }
  void SetOnMouseWheelUp(TMouseWheelUpDownEvent Value) { onMouseWheelUp_ = std::move(Value); }
  TMouseWheelUpDownEvent GetOnMouseWheelDown() const { return onMouseWheelDown_; }
  void SetOnMouseWheelDown(TMouseWheelUpDownEvent Value) { onMouseWheelDown_ = std::move(Value); }
  TNotifyEvent GetOnResize() const { return onResize_; }
  void SetOnResize(TNotifyEvent Value) { onResize_ = std::move(Value); }

  // What the form's input dispatch calls; each runs the virtual handler below.
  void DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  void DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  void DispatchMouseMove(TShiftState Shift, int X, int Y);
  void DispatchClick() { Click(); }
  void DispatchDblClick() { DblClick(); }
  bool DispatchMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    return DoMouseWheel(Shift, WheelDelta, MousePos);
  }
  // Paints the control into the canvas it is given (the form's back buffer or PaintTo's target),
  // whose origin is the control's top-left corner.
  virtual void PaintControl(TCanvas* Target);

protected:
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // OnMouseWheel first, then OnMouseWheelUp or OnMouseWheelDown; true when handled.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual void Resize();
  virtual void Paint() {}
  // Paints what lies outside the client area (a border, scroll bars) on a canvas whose origin is
  // the control's top-left corner; runs before Paint. Only controls with such an area need it.
  virtual void PaintNonClient(TCanvas* /*Canvas*/) {}
  // Mouse input that the control takes before its mouse handlers see it: a press on its scroll
  // bars, and the moves and the release that follow it. Coordinates are client coordinates (a
  // scroll bar lies outside the client area). True when the control took the event; the mouse
  // handlers and events then hear nothing of it.
  virtual bool NonClientMouse(TNonClientMouse /*Action*/, TMouseButton /*Button*/, TShiftState /*Shift*/,
                              int /*X*/, int /*Y*/) {
    return false;
  }
  // Notifications of a change of the control's own properties.
  virtual void EnabledChanged() { Invalidate(); }
  virtual void VisibleChanged() {}
  virtual void ColorChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // The canvas Paint draws on: the form's back buffer (or a PaintTo target) with its origin at the
  // control's top-left corner and clipped to the control. Outside painting it draws on the back
  // buffer at the control's place.
  TCanvas* ControlCanvas();
  // Paints the non-client area into Target (origin at the control's top-left corner), when the
  // control has one.
  void PaintFrame(TCanvas* Target);
  // Points Canvas at Target's buffer with its origin at the client area and its clip within it;
  // returns that clip (client coordinates).
  TRect AimAtClient(TCanvas* Canvas, const TCanvas* Target) const;
  // Marks an area (client coordinates, which may reach into the border) for repainting.
  void InvalidateArea(const TRect& ClientArea);
  // The control's whole area, border included, in client coordinates.
  TRect OuterRect() const;

private:
  friend class TWinControl;
  void ParentFontChanged();
  void ParentColorChanged();
  void FontObjectChanged();
  void AimCanvasAtForm();

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool updatingFont_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  std::string text_;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
  std::unique_ptr<TCanvas> canvas_;
  TPixelBuffer noBuffer_;  // what the canvas draws on while the control has no form

  TNotifyEvent onClick_, onDblClick_, onMouseEnter_, onMouseLeave_, onResize_;
  TMouseEvent onMouseDown_, onMouseUp_;
  TMouseMoveEvent onMouseMove_;
  TMouseWheelEvent onMouseWheel_;
  TMouseWheelUpDownEvent onMouseWheelUp_, onMouseWheelDown_;
};

}  // namespace gadrix
