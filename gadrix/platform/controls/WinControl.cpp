#include "gadrix/platform/controls/WinControl.h"

#include <algorithm>

#include "gadrix/platform/controls/Form.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {

const TClassInfo& TWinControl::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TWinControl>(
      "TWinControl", &TControl::StaticClassInfo(),
      {BooleanProperty("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, false),
       IntegerProperty("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder)});
  return info;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  SetControlStyle(GetControlStyle() | csAcceptsControls);
}

TWinControl::~TWinControl() {
  // A container takes its children with it, whoever owns them; each leaves its owner's list.
  while (!controls_.empty()) delete controls_.back();
}

TControl* TWinControl::GetControls(int Index) const {
  return Index >= 0 && Index < GetControlCount() ? controls_[Index] : nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
  if (AControl == nullptr || ContainsControl(AControl)) return;
  controls_.push_back(AControl);
  AControl->parent_ = this;
}

void TWinControl::RemoveControl(TControl* AControl) {
  auto it = std::find(controls_.begin(), controls_.end(), AControl);
  if (it == controls_.end()) return;
  if (TForm* form = GetParentForm()) form->ControlRemoved(AControl);
  controls_.erase(it);
  AControl->parent_ = nullptr;
}

bool TWinControl::ContainsControl(const TControl* AControl) const {
  for (const TControl* c = AControl; c != nullptr; c = c->GetParent())
    if (c->GetParent() == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled) const {
  // Containers lie above plain graphic controls, as windows lie above what their parent paints.
  for (bool windowed : {true, false}) {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
      TControl* c = *it;
      if ((dynamic_cast<TWinControl*>(c) != nullptr) != windowed) continue;
      if (!c->GetVisible() || (!AllowDisabled && !c->GetEnabled())) continue;
      if (c->GetBoundsRect().Contains(P)) return c;
    }
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    c->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::BringToFront(TControl* AControl) {
  auto it = std::find(controls_.begin(), controls_.end(), AControl);
  if (it == controls_.end()) return;
  controls_.erase(it);
  controls_.push_back(AControl);
  AControl->Invalidate();
}

void TWinControl::SendToBack(TControl* AControl) {
  auto it = std::find(controls_.begin(), controls_.end(), AControl);
  if (it == controls_.end()) return;
  controls_.erase(it);
  controls_.insert(controls_.begin(), AControl);
  AControl->Invalidate();
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c != nullptr; c = c->GetParent())
    if (!c->GetVisible() || !c->GetEnabled()) return false;
  return GetParentForm() != nullptr;
}

bool TWinControl::Focused() const {
  const TForm* form = GetParentForm();
  return form != nullptr && form->GetActiveControl() == this;
}

void TWinControl::SetFocus() {
  TForm* form = GetParentForm();
  if (form == nullptr || !CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  if (form != this) form->SetActiveControl(this);
}

int TWinControl::GetTabOrder() const {
  const TWinControl* parent = GetParent();
  if (parent == nullptr) return -1;
  int order = 0;
  for (int i = 0; i < parent->GetControlCount(); ++i) {
    const TControl* c = parent->GetControls(i);
    if (c == this) return order;
    if (dynamic_cast<const TWinControl*>(c) != nullptr) ++order;
  }
  return -1;
}

void TWinControl::SetTabOrder(int Value) {
  TWinControl* parent = GetParent();
  if (parent == nullptr || Value < 0) return;
  // Tab order follows the order of the windowed children in the parent's list.
  std::vector<TControl*>& list = parent->controls_;
  list.erase(std::find(list.begin(), list.end(), this));
  int order = 0;
  auto at = list.begin();
  for (; at != list.end(); ++at) {
    if (dynamic_cast<TWinControl*>(*at) == nullptr) continue;
    if (order == Value) break;
    ++order;
  }
  list.insert(at, this);
}

std::vector<TWinControl*> TWinControl::TabList() const {
  std::vector<TWinControl*> list;
  for (TControl* c : controls_) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w == nullptr) continue;
    if (w->GetTabStop()) list.push_back(w);
    const std::vector<TWinControl*> inner = w->TabList();
    list.insert(list.end(), inner.begin(), inner.end());
  }
  return list;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
  if (onKeyDown_) onKeyDown_(this, Key, Shift);
}
void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
  if (onKeyUp_) onKeyUp_(this, Key, Shift);
}
void TWinControl::KeyPress(char32_t& Key) {
  if (onKeyPress_) onKeyPress_(this, Key);
}
void TWinControl::DoEnter() {
  if (onEnter_) onEnter_(this);
}
void TWinControl::DoExit() {
  if (onExit_) onExit_(this);
}

void TWinControl::PaintWindow(TCanvas* Canvas) {
  Canvas->GetBrush()->SetColor(GetColor());
  Canvas->FillRect(GetClientRect());
}

void TWinControl::PaintControl(TCanvas* Target) {
  PaintFrame(Target);
  TCanvas* canvas = ControlCanvas();
  const TRect clip = AimAtClient(canvas, Target);
  const TPoint origin = canvas->GetOrigin();
  canvas->GetFont()->Assign(GetFont());
  canvas->GetBrush()->SetColor(GetColor());
  PaintWindow(canvas);
  Paint();
  // Children: graphic controls first, then windowed ones above them, each in z-order.
  for (bool windowed : {false, true}) {
    const std::vector<TControl*> children = controls_;
    for (TControl* c : children) {
      if ((dynamic_cast<TWinControl*>(c) != nullptr) != windowed || !c->GetVisible()) continue;
      const TRect bounds = c->GetBoundsRect();
      const TRect childClip = Intersect(clip, bounds);
      if (childClip.IsEmpty()) continue;
      TCanvas child(Target->GetBuffer());
      child.SetOrigin({origin.X + bounds.Left, origin.Y + bounds.Top});
      child.SetClipRect(childClip.Offset(-bounds.Left, -bounds.Top));
      c->PaintControl(&child);
    }
  }
  AimCanvasAtForm();
}

void TWinControl::WndProc(TMessage& Message) {
  TControl::WndProc(Message);
  switch (Message.Msg) {
    case CM_PARENTSHOWHINTCHANGED: {
      TMessage forward{Message.Msg};
      Broadcast(forward);
      break;
    }
    case CM_SHOWHINTCHANGED: {
      TMessage forward{CM_PARENTSHOWHINTCHANGED};
      Broadcast(forward);
      break;
    }
    default: break;
  }
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info("TGraphicControl", &TControl::StaticClassInfo(), {});
  return info;
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

const TClassInfo& TCustomControl::StaticClassInfo() {
  static const TClassInfo info("TCustomControl", &TWinControl::StaticClassInfo(), {});
  return info;
}

}  // namespace gadrix
