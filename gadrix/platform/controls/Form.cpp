#include "gadrix/platform/controls/Form.h"

#include <algorithm>

#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {
namespace {

// Beyond this many separate areas the form repaints their union instead.
constexpr std::size_t kMaxDirtyRects = 32;

bool Touch(const TRect& A, const TRect& B) {
  return A.Left <= B.Right && B.Left <= A.Right && A.Top <= B.Bottom && B.Top <= A.Bottom;
}

}  // namespace

const TClassInfo& TForm::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TForm>(
      "TForm", &TWinControl::StaticClassInfo(),
      {StringProperty("Caption", &TForm::GetCaption, &TForm::SetCaption, std::string()),
       BooleanProperty("KeyPreview", &TForm::GetKeyPreview, &TForm::SetKeyPreview, false),
       BooleanProperty("Visible", &TForm::GetVisible, &TForm::SetVisible, false)});
  return info;
}

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
  SetVisible(false);
  SetBounds(0, 0, 400, 300);
  GetFont()->SetName("Tahoma");
  Screen->AddForm(this);
}

TForm::~TForm() {
  SetComponentState(GetComponentState() | csDestroying);
  Screen->RemoveForm(this);
  if (Application->GetMainForm() == this) Application->SetMainForm(nullptr);
  activeControl_ = nullptr;
  capture_ = pressed_ = hover_ = target_ = nullptr;
}

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (backBuffer_.Width() != GetWidth() || backBuffer_.Height() != GetHeight()) {
    backBuffer_.Resize(GetWidth(), GetHeight(), ColorToRGB(GetColor()));
    dirty_.clear();
    AddDirty(GetClientRect());
  }
  if (window_) window_->SetBounds(GetBoundsRect());
}

TNativeWindow* TForm::Window() {
  if (!window_) {
    window_ = Backend().CreateNativeWindow(this);
    window_->SetBounds(GetBoundsRect());
    window_->SetCaption(GetCaption());
  }
  return window_.get();
}

// --- focus ----------------------------------------------------------------------------------------

void TForm::SetActiveControl(TWinControl* Value) {
  if (Value == activeControl_) return;
  if (Value != nullptr && (!ContainsControl(Value) || !Value->CanFocus()))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  MoveFocus(Value);
}

void TForm::MoveFocus(TWinControl* To) {
  TWinControl* from = activeControl_;
  activeControl_ = To;
  if (from != nullptr) {
    from->DispatchExit();
    from->Invalidate();
  }
  if (To != nullptr && activeControl_ == To) {
    To->DispatchEnter();
    To->Invalidate();
  }
}

void TForm::SelectNext(bool Forward) {
  std::vector<TWinControl*> list = TabList();
  list.erase(std::remove_if(list.begin(), list.end(), [](TWinControl* c) { return !c->CanFocus(); }), list.end());
  if (list.empty()) return;
  auto it = std::find(list.begin(), list.end(), activeControl_);
  std::ptrdiff_t index = it == list.end() ? (Forward ? -1 : 0) : it - list.begin();
  const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(list.size());
  index = ((index + (Forward ? 1 : -1)) % n + n) % n;
  MoveFocus(list[index]);
}

// --- showing and closing --------------------------------------------------------------------------

void TForm::VisibleChanged() {
  if (GetComponentState() & csDestroying) return;
  if (GetVisible()) {
    TNativeWindow* window = Window();
    InvalidateFormRect(GetClientRect());
    window->SetVisible(true);
    if (onShow_) onShow_(this);
  } else {
    if (window_) window_->SetVisible(false);
    if (onHide_) onHide_(this);
  }
}

void TForm::TextChanged() {
  if (window_) window_->SetCaption(GetCaption());
}

void TForm::Resize() { TWinControl::Resize(); }

void TForm::Close() {
  bool canClose = true;
  if (onCloseQuery_) onCloseQuery_(this, canClose);
  if (!canClose) return;
  TCloseAction action = caHide;
  if (onClose_) onClose_(this, action);
  if (action == caNone) return;
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  Hide();
  if (Application->GetMainForm() == this) Application->Terminate();
  if (action == caFree) Application->ReleaseLater(this);
}

TModalResult TForm::ShowModal() {
  if (modal_ || GetVisible()) throw EInvalidOperation("Cannot make a visible window modal");
  modal_ = true;
  modalResult_ = mrNone;
  Show();
  Backend().ModalLoopStarted(this);
  while (modalResult_ == mrNone && GetVisible() && !Application->GetTerminated()) Application->HandleMessage();
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  Hide();
  modal_ = false;
  return modalResult_;
}

// --- painting ---------------------------------------------------------------------------------------

void TForm::AddDirty(const TRect& R) {
  TRect area = Intersect(R, GetClientRect());
  if (area.IsEmpty()) return;
  // Merge with every area it touches, repeatedly, so the list holds separate areas only.
  for (bool merged = true; merged;) {
    merged = false;
    for (auto it = dirty_.begin(); it != dirty_.end(); ++it) {
      if (Touch(*it, area)) {
        area = Union(area, *it);
        dirty_.erase(it);
        merged = true;
        break;
      }
    }
  }
  dirty_.push_back(area);
  if (dirty_.size() > kMaxDirtyRects) {
    TRect all;
    for (const TRect& r : dirty_) all = Union(all, r);
    dirty_.assign(1, all);
  }
}

void TForm::InvalidateFormRect(const TRect& R) {
  AddDirty(R);
  if (!dirty_.empty() && GetVisible() && window_) window_->RequestPaint();
}

void TForm::PaintPending() {
  if (painting_ || dirty_.empty()) return;
  painting_ = true;
  const std::vector<TRect> areas = std::move(dirty_);
  dirty_.clear();
  try {
    for (const TRect& area : areas) {
      TCanvas target(&backBuffer_);
      target.SetClipRect(area);
      PaintControl(&target);
      if (window_ && GetVisible()) window_->Present(backBuffer_, area);
    }
  } catch (...) {
    painting_ = false;
    throw;
  }
  painting_ = false;
}

void TForm::Paint() {
  if (onPaint_) onPaint_(this);
}

// --- what controls report -----------------------------------------------------------------------------

void TForm::SetCaptureControl(TControl* Control) {
  capture_ = Control;
  if (window_) window_->SetMouseCapture(Control != nullptr);
}

void TForm::ControlRemoved(TControl* Control) {
  auto within = [&](TControl* c) {
    for (; c != nullptr; c = c->GetParent())
      if (c == Control) return true;
    return false;
  };
  if (within(capture_)) SetCaptureControl(nullptr);
  if (within(pressed_)) pressed_ = nullptr;
  if (within(hover_)) hover_ = nullptr;
  if (within(target_)) target_ = nullptr;
  if (within(activeControl_)) activeControl_ = nullptr;
}

void TForm::ControlVisibilityChanged(TControl* Control) {
  auto within = [&](TControl* c) {
    for (; c != nullptr; c = c->GetParent())
      if (c == Control) return true;
    return false;
  };
  if (activeControl_ != nullptr && within(activeControl_) && !activeControl_->CanFocus()) MoveFocus(nullptr);
  if (within(capture_) && (!Control->GetVisible() || !Control->GetEnabled())) SetCaptureControl(nullptr);
}

void TForm::ControlCursorChanged(TControl* Control) {
  if (Control == hover_) UpdateCursor();
}

void TForm::UpdateCursor() {
  if (!window_) return;
  TCursor cursor = crDefault;
  for (TControl* c = hover_; c != nullptr && cursor == crDefault; c = c->GetParent()) cursor = c->GetCursor();
  window_->SetCursor(Screen->GetCursor() != crDefault ? Screen->GetCursor() : cursor);
}

}  // namespace gadrix
