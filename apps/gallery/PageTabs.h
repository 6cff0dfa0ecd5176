#pragma once
// TPageTabs: a row of tabs, one per page, drawn by the gallery itself. The chosen tab stands
// raised and open towards the page below it; the tab under the pointer lightens.
//
//   click a tab            chooses it
//   Left, Right            (with the focus) the previous or next tab
//   Home, End              the first or last tab
// A choice by the user raises OnChange; setting TabIndex from the program does not.

#include <string>
#include <vector>

#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/graphics/Bitmap.h"

namespace gallery {

class TPageTabs : public gadrix::TCustomControl {
public:
  explicit TPageTabs(gadrix::TComponent* AOwner);
  static const gadrix::TClassInfo& StaticClassInfo();
  const gadrix::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The tabs' captions, left to right (default none). TabIndex stays on its tab while it exists,
  // else falls back to the last tab (-1 when none is left); with none chosen, the first is.
  const std::vector<std::string>& GetTabs() const { return tabs_; }
  void SetTabs(std::vector<std::string> Value);
  int TabCount() const { return static_cast<int>(tabs_.size()); }
  // The chosen tab: default -1 (none); a value outside 0 .. TabCount - 1 is ignored.
  int GetTabIndex() const { return tabIndex_; }
  void SetTabIndex(int Value);
  // The tab under the pointer, -1 when none.
  int GetHotTab() const { return hot_; }
  // Raised after the user chose another tab.
  gadrix::TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(gadrix::TNotifyEvent Value) { onChange_ = std::move(Value); }

  // A tab's area in client coordinates (empty for no tab); the chosen tab's area is the one it
  // has when raised.
  gadrix::TRect TabRect(int Index) const;
  // The tab at a client point, -1 when none.
  int TabAt(int X, int Y) const;

  // A tab is its caption's width plus this on each side, and at least MinTabWidth wide.
  static constexpr int TabPadding = 10;
  static constexpr int MinTabWidth = 72;
  // How far the chosen tab stands above the others.
  static constexpr int Raise = 3;

protected:
  void Paint() override;
  void MouseDown(gadrix::TMouseButton Button, gadrix::TShiftState Shift, int X, int Y) override;
  void MouseMove(gadrix::TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void KeyDown(gadrix::Word& Key, gadrix::TShiftState Shift) override;
  void DoEnter() override { Invalidate(); }
  void DoExit() override { Invalidate(); }
  void FontChanged() override;

private:
  // Where each tab starts, and where the last one ends, measured in the control's font.
  void Measure();
  void Choose(int Index);  // by the user: raises OnChange
  void SetHot(int Index);
  void PaintTab(gadrix::TCanvas* C, int Index);

  std::vector<std::string> tabs_;
  std::vector<int> edges_;  // tab i runs from edges_[i] to edges_[i + 1]
  int tabIndex_ = -1;
  int hot_ = -1;
  gadrix::TNotifyEvent onChange_;
  gadrix::TBitmap measure_;  // its canvas measures the captions
};

}  // namespace gallery
