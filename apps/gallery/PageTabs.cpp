#include "PageTabs.h"

#include <algorithm>

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kTabGap = 2;         // between two tabs
constexpr int kAccentHeight = 2;   // the coloured band along the top of the chosen tab
constexpr int kFocusInset = 3;     // between the focus marker and the caption
constexpr TColor kIdleTab = RGB(196, 192, 184);
constexpr TColor kHotTab = RGB(226, 223, 216);

}  // namespace

const TClassInfo& TPageTabs::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TPageTabs>(
      "TPageTabs", &TCustomControl::StaticClassInfo(),
      {IntegerProperty("TabIndex", &TPageTabs::GetTabIndex, &TPageTabs::SetTabIndex, -1)});
  return info;
}

TPageTabs::TPageTabs(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 400, 28);
  measure_.SetSize(1, 1);
  Measure();
}

void TPageTabs::SetTabs(std::vector<std::string> Value) {
  tabs_ = std::move(Value);
  tabIndex_ = std::min(tabIndex_, TabCount() - 1);
  if (tabIndex_ < 0 && !tabs_.empty()) tabIndex_ = 0;
  hot_ = -1;
  Measure();
  Invalidate();
}

void TPageTabs::SetTabIndex(int Value) {
  if (Value == tabIndex_ || Value < 0 || Value >= TabCount()) return;
  tabIndex_ = Value;
  Invalidate();
}

void TPageTabs::Choose(int Index) {
  if (Index == tabIndex_ || Index < 0 || Index >= TabCount()) return;
  SetTabIndex(Index);
  if (onChange_) onChange_(this);
}

void TPageTabs::SetHot(int Index) {
  if (Index == hot_) return;
  if (hot_ >= 0) InvalidateArea(TabRect(hot_));
  hot_ = Index;
  if (hot_ >= 0) InvalidateArea(TabRect(hot_));
}

void TPageTabs::FontChanged() {
  Measure();
  TCustomControl::FontChanged();
}

void TPageTabs::Measure() {
  TCanvas* c = measure_.GetCanvas();
  c->GetFont()->Assign(GetFont());
  edges_.assign(1, 0);
  for (const std::string& caption : tabs_)
    edges_.push_back(edges_.back() + std::max(MinTabWidth, c->TextWidth(caption) + 2 * TabPadding) + kTabGap);
}

TRect TPageTabs::TabRect(int Index) const {
  if (Index < 0 || Index >= TabCount()) return {};
  const int left = edges_[Index], right = edges_[Index + 1] - kTabGap;
  return Index == tabIndex_ ? Rect(left, 0, right, GetHeight()) : Rect(left, Raise, right, GetHeight() - 1);
}

int TPageTabs::TabAt(int X, int Y) const {
  for (int i = 0; i < TabCount(); ++i)
    if (TabRect(i).Contains({X, Y})) return i;
  return -1;
}

// --- input ---------------------------------------------------------------------------------------------

void TPageTabs::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) Choose(TabAt(X, Y));
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TPageTabs::MouseMove(TShiftState Shift, int X, int Y) {
  SetHot(TabAt(X, Y));
  TCustomControl::MouseMove(Shift, X, Y);
}

void TPageTabs::MouseLeave() {
  SetHot(-1);
  TCustomControl::MouseLeave();
}

void TPageTabs::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  int target = -1;
  switch (Key) {
    case VK_LEFT: target = std::max(tabIndex_ - 1, 0); break;
    case VK_RIGHT: target = std::min(tabIndex_ + 1, TabCount() - 1); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = TabCount() - 1; break;
    default: return;
  }
  Choose(target);
  Key = 0;
}

// --- painting ------------------------------------------------------------------------------------------

void TPageTabs::Paint() {
  TCanvas* c = GetCanvas();
  const int baseline = GetHeight() - 1;
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(GetColor());
  c->FillRect(GetClientRect());
  for (int i = 0; i < TabCount(); ++i)
    if (i != tabIndex_) PaintTab(c, i);
  // The line the tabs stand on, open under the chosen one.
  c->GetPen()->SetColor(clBtnShadow);
  c->GetPen()->SetStyle(psSolid);
  c->MoveTo(0, baseline);
  c->LineTo(GetWidth(), baseline);
  if (tabIndex_ >= 0) PaintTab(c, tabIndex_);
}

void TPageTabs::PaintTab(TCanvas* C, int Index) {
  const TRect r = TabRect(Index);
  const bool chosen = Index == tabIndex_;
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(chosen ? GetColor() : Index == hot_ ? kHotTab : kIdleTab);
  C->FillRect(r);
  // Left, top and right edges; the chosen tab's bottom stays open towards the page.
  C->GetPen()->SetStyle(psSolid);
  C->GetPen()->SetColor(clBtnShadow);
  C->Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}});
  if (chosen) {
    C->GetBrush()->SetColor(clHighlight);
    C->FillRect(Rect(r.Left, r.Top, r.Right, r.Top + kAccentHeight));
  }

  const std::string& caption = tabs_[Index];
  const int width = C->TextWidth(caption), height = C->TextHeight(caption);
  const int x = (r.Left + r.Right - width) / 2;
  const int y = (r.Top + (chosen ? kAccentHeight : 0) + r.Bottom - height) / 2;
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetColor(clBtnText);
  C->TextOut(x, y, caption);
  if (chosen && Focused()) {
    C->GetPen()->SetStyle(psDot);
    C->GetPen()->SetColor(clBtnText);
    C->Rectangle(x - kFocusInset, y - 1, x + width + kFocusInset, y + height + 1);
    C->GetPen()->SetStyle(psSolid);
  }
}

}  // namespace gallery
