#include "TickCounter.h"

#include <algorithm>

namespace gallery {

using namespace gadrix;

const TClassInfo& TTickCounter::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TTickCounter>(
      "TTickCounter", &TCustomControl::StaticClassInfo(),
      {IntegerProperty("Count", &TTickCounter::GetCount, &TTickCounter::SetCount, 0),
       IntegerProperty("Step", &TTickCounter::GetStep, &TTickCounter::SetStep, 1),
       IntegerProperty("Interval", &TTickCounter::GetInterval, &TTickCounter::SetInterval, 1000),
       BooleanProperty("Active", &TTickCounter::GetActive, &TTickCounter::SetActive, true)});
  return info;
}

TTickCounter::TTickCounter(TComponent* AOwner) : TCustomControl(AOwner), timer_(new TTimer(this)) {
  SetBounds(0, 0, 160, 120);
  SetColor(clWindow);
  timer_->SetOnTimer([this](TObject*) { Tick(); });
}

void TTickCounter::SetCount(int Value) {
  if (Value == count_) return;
  count_ = Value;
  Invalidate();
}

void TTickCounter::SetStep(int Value) { step_ = Value; }

int TTickCounter::GetInterval() const { return static_cast<int>(timer_->GetInterval()); }

void TTickCounter::SetInterval(int Value) {
  timer_->SetInterval(static_cast<unsigned>(std::max(Value, MinInterval)));
  Invalidate();
}

bool TTickCounter::GetActive() const { return timer_->GetEnabled(); }

void TTickCounter::SetActive(bool Value) {
  if (Value == GetActive()) return;
  timer_->SetEnabled(Value);
  Invalidate();
  Changed();
}

void TTickCounter::Changed() {
  if (onChange_) onChange_(this);
}

void TTickCounter::Tick() {
  SetCount(count_ + step_);
  Changed();
}

void TTickCounter::Click() {
  SetActive(!GetActive());
  TCustomControl::Click();
}

void TTickCounter::Paint() {
  TCanvas* c = GetCanvas();
  const TRect all = GetClientRect();
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(GetColor());
  c->GetPen()->SetColor(clBtnShadow);
  c->Rectangle(all);

  const std::string note = GetActive() ? "every " + std::to_string(GetInterval()) + " ms" : "paused (click)";
  const int noteHeight = c->TextHeight(note);
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->SetColor(clGrayText);
  c->TextOut((all.Width() - c->TextWidth(note)) / 2, all.Bottom - noteHeight - 6, note);

  const std::string digits = std::to_string(count_);
  c->GetFont()->SetColor(GetFont()->GetColor());
  c->GetFont()->SetSize(GetFont()->GetSize() * DigitScale);
  c->TextOut((all.Width() - c->TextWidth(digits)) / 2, (all.Height() - noteHeight - c->TextHeight(digits)) / 2,
             digits);
}

}  // namespace gallery
