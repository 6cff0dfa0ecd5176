#pragma once
// TForm: a top-level window. It keeps a back buffer that its controls paint into, collects the
// areas that need repainting, and turns the input its window receives into control events.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gadrix/platform/backends/Backend.h"
#include "gadrix/platform/controls/WinControl.h"

namespace gadrix {

using TModalResult = int;
enum : TModalResult {
  mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
  mrAll = 8, mrNoToAll = 9, mrYesToAll = 10, mrClose = 11
};

enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TWinControl {
public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // A form's Left and Top are screen coordinates; Width and Height are those of its client area.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // The control that receives the keys, or null.
  TWinControl* GetActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* Value);
  // Moves the focus to the next (or previous) control of the tab order.
  void SelectNext(bool Forward);
  bool GetKeyPreview() const { return keyPreview_; }  // default false: the form sees keys first
  void SetKeyPreview(bool Value) { keyPreview_ = Value; }

  void Show() { SetVisible(true); }
  // Asks OnCloseQuery, then hides the form (or frees it, as OnClose decides).
  void Close();
  // Shows the form and runs a loop until ModalResult is set; returns it.
  TModalResult ShowModal();
  TModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  bool IsModal() const { return modal_; }

  TNotifyEvent GetOnShow() const { return onShow_; }
  void SetOnShow(TNotifyEvent Value) { onShow_ = std::move(Value); }
  TNotifyEvent GetOnHide() const { return onHide_; }
  void SetOnHide(TNotifyEvent Value) { onHide_ = std::move(Value); }
  TCloseEvent GetOnClose() const { return onClose_; }
  void SetOnClose(TCloseEvent Value) { onClose_ = std::move(Value); }
  TCloseQueryEvent GetOnCloseQuery() const { return onCloseQuery_; }
  void SetOnCloseQuery(TCloseQueryEvent Value) { onCloseQuery_ = std::move(Value); }
  TNotifyEvent GetOnPaint() const { return onPaint_; }
  void SetOnPaint(TNotifyEvent Value) { onPaint_ = std::move(Value); }

  // --- painting ---------------------------------------------------------------------------------
  TPixelBuffer& BackBuffer() { return backBuffer_; }
  // Adds an area (client coordinates) to repaint.
  void InvalidateFormRect(const TRect& R);
  // The areas waiting to be repainted.
  const std::vector<TRect>& DirtyRects() const { return dirty_; }
  // Repaints the waiting areas now, parent first, and presents them.
  void PaintPending();
  TCanvas* GetCanvas() { return ControlCanvas(); }

  // --- input, as the backend (or a host embedding the form) delivers it, in client coordinates -
  void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  void HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  void HandleMouseMove(TShiftState Shift, int X, int Y);
  void HandleMouseWheel(TShiftState Shift, int WheelDelta, int X, int Y);
  // The pointer left the window.
  void HandleMouseExit();
  void HandleKeyDown(Word Key, TShiftState Shift);
  void HandleKeyUp(Word Key, TShiftState Shift);
  void HandleKeyPress(char32_t Key);
  void HandleResize(int ClientWidth, int ClientHeight);
  void HandleCloseRequest() { Close(); }
  // The next press starts a new click, whatever came just before (a simulated double click).
  void ForgetLastPress() { lastPressTime_ = 0; lastWasDouble_ = false; }

  // Where a double click must follow the first press: within this time and distance.
  static constexpr unsigned DoubleClickTime = 500;
  static constexpr int DoubleClickDistance = 4;

  // --- what controls tell their form ------------------------------------------------------------
  TControl* CaptureControl() const { return capture_; }
  void SetCaptureControl(TControl* Control);
  void ControlRemoved(TControl* Control);
  void ControlDestroying(TControl* Control) { ControlRemoved(Control); }
  void ControlVisibilityChanged(TControl* Control);
  void ControlCursorChanged(TControl* Control);

protected:
  void Paint() override;
  void VisibleChanged() override;
  void TextChanged() override;
  void Resize() override;

private:
  TControl* ControlAt(TPoint FormPoint) const;
  void SetHover(TControl* Control);
  void UpdateCursor();
  bool IsDoubleClick(TMouseButton Button, int X, int Y);
  // Whether the control an event went to is still there after its handler ran.
  bool TargetAlive(const TControl* Control) const { return target_ == Control; }
  TPoint ScreenPoint(int X, int Y) const { return {GetLeft() + X, GetTop() + Y}; }
  void AddDirty(const TRect& R);
  TNativeWindow* Window();
  void MoveFocus(TWinControl* To);

  TPixelBuffer backBuffer_;
  std::vector<TRect> dirty_;
  std::unique_ptr<TNativeWindow> window_;
  TWinControl* activeControl_ = nullptr;
  bool keyPreview_ = false;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool painting_ = false;

  TControl* capture_ = nullptr;        // gets the mouse between a press and its release
  TControl* pressed_ = nullptr;        // where the left button went down, for the click
  TControl* hover_ = nullptr;          // under the pointer, for enter and leave
  TControl* target_ = nullptr;         // the control an event is being delivered to
  TMouseButton lastButton_ = mbLeft;   // the last press, for double clicks
  std::uint64_t lastPressTime_ = 0;
  TPoint lastPressPos_{-1000, -1000};
  bool lastWasDouble_ = false;

  TNotifyEvent onShow_, onHide_, onPaint_;
  TCloseEvent onClose_;
  TCloseQueryEvent onCloseQuery_;
};

}  // namespace gadrix
