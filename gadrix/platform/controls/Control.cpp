#include "gadrix/platform/controls/Control.h"

#include <algorithm>

#include "gadrix/platform/controls/Form.h"
#include "gadrix/platform/controls/Menus.h"
#include "gadrix/platform/controls/WinControl.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {
namespace {

bool OwnColor(const TControl& C) { return !C.GetParentColor(); }
bool OwnFont(const TControl& C) { return !C.GetParentFont(); }
bool OwnShowHint(const TControl& C) { return !C.GetParentShowHint(); }

}  // namespace

const TClassInfo& TControl::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TControl>(
      "TControl", &TComponent::StaticClassInfo(),
      {IntegerProperty("Left", &TControl::GetLeft, &TControl::SetLeft, 0),
       IntegerProperty("Top", &TControl::GetTop, &TControl::SetTop, 0),
       IntegerProperty("Width", &TControl::GetWidth, &TControl::SetWidth),
       IntegerProperty("Height", &TControl::GetHeight, &TControl::SetHeight),
       BooleanProperty("Visible", &TControl::GetVisible, &TControl::SetVisible, true),
       BooleanProperty("Enabled", &TControl::GetEnabled, &TControl::SetEnabled, true),
       // What a control takes from its parent is not its own, and is not stored.
       StoredWhen(ColorProperty("Color", &TControl::GetColor, &TControl::SetColor, clBtnFace), OwnColor),
       BooleanProperty("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, false),
       StoredWhen(ObjectProperty("Font", &TControl::GetFont), OwnFont),
       BooleanProperty("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont, true),
       StringProperty("Hint", &TControl::GetHint, &TControl::SetHint, std::string()),
       StoredWhen(BooleanProperty("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint, false), OwnShowHint),
       BooleanProperty("ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint, true),
       IntegerProperty("Cursor", &TControl::GetCursor, &TControl::SetCursor, crDefault),
       ComponentProperty("PopupMenu", &TControl::GetPopupMenu, &TControl::SetPopupMenu)});
  return info;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(std::make_unique<TFont>()) {
  font_->SetOnChange([this](TObject*) { FontObjectChanged(); });
}

TControl::~TControl() {
  SetComponentState(GetComponentState() | csDestroying);
  if (TForm* form = GetParentForm(); form != nullptr && form != this) form->ControlDestroying(this);
  if (parent_ != nullptr) parent_->RemoveControl(this);
}

// --- bounds -----------------------------------------------------------------------------------

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  const bool resized = AWidth != width_ || AHeight != height_;
  Invalidate();
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  Invalidate();
  if (resized) Resize();
}

void TControl::SetClientWidth(int Value) { SetWidth(width_ - GetClientWidth() + Value); }
void TControl::SetClientHeight(int Value) { SetHeight(height_ - GetClientHeight() + Value); }

TPoint TControl::ClientToForm(TPoint P) const {
  for (const TControl* c = this; c != nullptr && c->parent_ != nullptr; c = c->parent_) {
    const TRect client = c->GetClientBounds();
    P.X += c->left_ + client.Left;
    P.Y += c->top_ + client.Top;
  }
  return P;
}

TPoint TControl::FormToClient(TPoint P) const {
  const TPoint origin = ClientToForm({0, 0});
  return {P.X - origin.X, P.Y - origin.Y};
}

// --- place in the tree --------------------------------------------------------------------------

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == parent_) return;
  if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_ != nullptr) {
    Invalidate();
    parent_->RemoveControl(this);
  }
  if (AParent != nullptr) AParent->InsertControl(this);
  if (parentFont_) ParentFontChanged();
  if (parentColor_) ParentColorChanged();
  Invalidate();
}

TForm* TControl::GetParentForm() const {
  const TControl* top = this;
  while (top->parent_ != nullptr) top = top->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

// --- appearance ---------------------------------------------------------------------------------

void TControl::SetVisible(bool Value) {
  if (Value == visible_) return;
  if (!Value) Invalidate();
  visible_ = Value;
  if (Value) Invalidate();
  VisibleChanged();
  if (TForm* form = GetParentForm(); form != nullptr && form != this) form->ControlVisibilityChanged(this);
  Perform(CM_VISIBLECHANGED, Value);
}

bool TControl::IsShowing() const {
  for (const TControl* c = this; c != nullptr; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetEnabled(bool Value) {
  if (Value == enabled_) return;
  enabled_ = Value;
  EnabledChanged();
  if (TForm* form = GetParentForm(); form != nullptr && form != this) form->ControlVisibilityChanged(this);
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
  if (Value == color_ && !parentColor_) return;
  color_ = Value;
  parentColor_ = false;
  ColorChanged();
  Perform(CM_COLORCHANGED);
  if (auto* container = dynamic_cast<TWinControl*>(this)) {
    TMessage m{CM_PARENTCOLORCHANGED};
    container->Broadcast(m);
  }
}

void TControl::SetParentColor(bool Value) {
  if (Value == parentColor_) return;
  parentColor_ = Value;
  if (Value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || parent_ == nullptr) return;
  color_ = parent_->GetColor();
  ColorChanged();
  if (auto* container = dynamic_cast<TWinControl*>(this)) {
    TMessage m{CM_PARENTCOLORCHANGED};
    container->Broadcast(m);
  }
}

void TControl::FontObjectChanged() {
  if (!updatingFont_) parentFont_ = false;
  FontChanged();
  Perform(CM_FONTCHANGED);
  if (auto* container = dynamic_cast<TWinControl*>(this)) {
    TMessage m{CM_PARENTFONTCHANGED};
    container->Broadcast(m);
  }
}

void TControl::SetParentFont(bool Value) {
  if (Value == parentFont_) return;
  parentFont_ = Value;
  if (Value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || parent_ == nullptr) return;
  updatingFont_ = true;
  font_->Assign(parent_->GetFont());
  updatingFont_ = false;
}

void TControl::SetShowHint(bool Value) {
  parentShowHint_ = false;
  if (Value == showHint_) return;
  showHint_ = Value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  if (Value == parentShowHint_) return;
  parentShowHint_ = Value;
  if (Value && parent_ != nullptr) showHint_ = parent_->GetShowHint();
}

void TControl::SetCursor(TCursor Value) {
  if (Value == cursor_) return;
  cursor_ = Value;
  if (TForm* form = GetParentForm()) form->ControlCursorChanged(this);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (Value == popupMenu_) return;
  if (popupMenu_ != nullptr) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = Value;
  if (popupMenu_ != nullptr) popupMenu_->FreeNotification(this);
}

void TControl::SetText(const std::string& Value) {
  if (Value == text_) return;
  text_ = Value;
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == popupMenu_) popupMenu_ = nullptr;
}

// --- painting -------------------------------------------------------------------------------------

TRect TControl::OuterRect() const {
  const TRect client = GetClientBounds();
  return TRect{0, 0, width_, height_}.Offset(-client.Left, -client.Top);
}

void TControl::InvalidateArea(const TRect& ClientArea) {
  if (!IsShowing()) return;
  TForm* form = GetParentForm();
  if (form == nullptr) return;
  const TPoint origin = ClientToForm({0, 0});
  form->InvalidateFormRect(Intersect(ClientArea, OuterRect()).Offset(origin.X, origin.Y));
}

void TControl::Invalidate() { InvalidateArea(OuterRect()); }

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (TForm* form = GetParentForm()) form->PaintPending();
}

TCanvas* TControl::ControlCanvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(&noBuffer_);
  return canvas_.get();
}

void TControl::AimCanvasAtForm() {
  TCanvas* canvas = ControlCanvas();
  TForm* form = GetParentForm();
  if (form == nullptr) {
    canvas->SetBuffer(&noBuffer_);
    return;
  }
  canvas->SetBuffer(&form->BackBuffer());
  const TPoint origin = ClientToForm({0, 0});
  canvas->SetOrigin(origin);
  canvas->SetClipRect(GetClientRect());
}

void TControl::PaintFrame(TCanvas* Target) {
  const TRect client = GetClientBounds();
  if (client == TRect{0, 0, width_, height_}) return;
  TCanvas frame(Target->GetBuffer());
  frame.SetOrigin(Target->GetOrigin());
  frame.SetClipRect(Intersect(Target->GetClipRect(), {0, 0, width_, height_}));
  frame.GetFont()->Assign(font_.get());
  PaintNonClient(&frame);
}

TRect TControl::AimAtClient(TCanvas* Canvas, const TCanvas* Target) const {
  const TRect client = GetClientBounds();
  const TPoint origin = Target->GetOrigin();
  Canvas->SetBuffer(Target->GetBuffer());
  Canvas->SetOrigin({origin.X + client.Left, origin.Y + client.Top});
  const TRect clip = Intersect(Target->GetClipRect().Offset(-client.Left, -client.Top), GetClientRect());
  Canvas->SetClipRect(clip);
  return clip;
}

void TControl::PaintControl(TCanvas* Target) {
  PaintFrame(Target);
  TCanvas* canvas = ControlCanvas();
  AimAtClient(canvas, Target);
  canvas->GetFont()->Assign(font_.get());
  canvas->GetBrush()->SetColor(color_);
  Paint();
  AimCanvasAtForm();
}

void TControl::PaintTo(TCanvas* Canvas, int X, int Y) {
  if (Canvas == nullptr) return;
  TCanvas target(Canvas->GetBuffer());
  const TPoint origin = Canvas->GetOrigin();
  target.SetOrigin({origin.X + X, origin.Y + Y});
  target.SetClipRect(Intersect(Canvas->GetClipRect().Offset(-X, -Y), {0, 0, width_, height_}));
  PaintControl(&target);
}

// --- messages and input -----------------------------------------------------------------------------

std::intptr_t TControl::Perform(unsigned Msg, std::intptr_t WParam, std::intptr_t LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER: MouseEnter(); break;
    case CM_MOUSELEAVE: MouseLeave(); break;
    case CM_PARENTFONTCHANGED: ParentFontChanged(); break;
    case CM_PARENTCOLORCHANGED: ParentColorChanged(); break;
    case CM_PARENTSHOWHINTCHANGED:
      if (parentShowHint_ && parent_ != nullptr) showHint_ = parent_->GetShowHint();
      break;
    default: break;
  }
}

bool TControl::GetMouseCapture() const {
  const TForm* form = GetParentForm();
  return form != nullptr && form->CaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value) {
  if (TForm* form = GetParentForm()) form->SetCaptureControl(Value ? this : nullptr);
}

void TControl::DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!NonClientMouse(ncmDown, Button, Shift, X, Y)) MouseDown(Button, Shift, X, Y);
}
void TControl::DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!NonClientMouse(ncmUp, Button, Shift, X, Y)) MouseUp(Button, Shift, X, Y);
}
void TControl::DispatchMouseMove(TShiftState Shift, int X, int Y) {
  if (!NonClientMouse(ncmMove, mbLeft, Shift, X, Y)) MouseMove(Shift, X, Y);
}

void TControl::Click() {
  if (onClick_) onClick_(this);
}
void TControl::DblClick() {
  if (onDblClick_) onDblClick_(this);
}
void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (onMouseDown_) onMouseDown_(this, Button, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (onMouseUp_) onMouseUp_(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (onMouseMove_) onMouseMove_(this, Shift, X, Y);
}
void TControl::MouseEnter() {
  if (onMouseEnter_) onMouseEnter_(this);
}
void TControl::MouseLeave() {
  if (onMouseLeave_) onMouseLeave_(this);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (onMouseWheel_) onMouseWheel_(this, Shift, WheelDelta, MousePos, handled);
  if (!handled) {
    const TMouseWheelUpDownEvent& notch = WheelDelta < 0 ? onMouseWheelDown_ : onMouseWheelUp_;
    if (notch) notch(this, Shift, MousePos, handled);
  }
  return handled;
}

void TControl::Resize() {
  if (onResize_) onResize_(this);
}

}  // namespace gadrix
