#pragma once
// Small controls for framework tests: they record what happens to them.

#include <string>
#include <vector>

#include "gadrix/platform/controls/Controls.h"

namespace gadrix::testing {

// A focusable control that logs its events as short words ("down", "up", "click", ...).
class TProbe : public TCustomControl {
public:
  explicit TProbe(TComponent* AOwner, std::vector<std::string>* Log = nullptr) : TCustomControl(AOwner), log_(Log) {}
  TColor Fill = clRed;
  int Paints = 0;

protected:
  void Paint() override {
    ++Paints;
    GetCanvas()->GetBrush()->SetColor(Fill);
    GetCanvas()->FillRect(GetClientRect());
  }
  void MouseDown(TMouseButton B, TShiftState S, int X, int Y) override {
    Note(std::string(S & ssDouble ? "down2 " : "down ") + std::to_string(X) + "," + std::to_string(Y));
    TCustomControl::MouseDown(B, S, X, Y);
  }
  void MouseUp(TMouseButton B, TShiftState S, int X, int Y) override {
    Note("up " + std::to_string(X) + "," + std::to_string(Y));
    TCustomControl::MouseUp(B, S, X, Y);
  }
  void MouseMove(TShiftState S, int X, int Y) override {
    Note("move " + std::to_string(X) + "," + std::to_string(Y));
    TCustomControl::MouseMove(S, X, Y);
  }
  void Click() override { Note("click"); }
  void DblClick() override { Note("dblclick"); }
  void MouseEnter() override { Note("enter"); }
  void MouseLeave() override { Note("leave"); }
  void DoEnter() override { Note("focus"); }
  void DoExit() override { Note("blur"); }
  void KeyDown(Word& Key, TShiftState) override { Note("keydown " + std::to_string(Key)); }
  void KeyPress(char32_t& Key) override { Note("char " + std::to_string(static_cast<unsigned>(Key))); }
  void KeyUp(Word& Key, TShiftState) override { Note("keyup " + std::to_string(Key)); }

private:
  void Note(const std::string& What) {
    if (log_) log_->push_back(GetName().empty() ? What : GetName() + " " + What);
  }
  std::vector<std::string>* log_;
};

// A graphic control that paints only a diagonal line: the rest shows its parent.
class TLineShape : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;

protected:
  void Paint() override {
    GetCanvas()->GetPen()->SetColor(clBlue);
    GetCanvas()->MoveTo(0, 0);
    GetCanvas()->LineTo(GetWidth(), GetHeight());
  }
};

}  // namespace gadrix::testing
