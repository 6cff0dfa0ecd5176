#include <gtest/gtest.h>

#include <memory>

#include "gadrix/platform/backends/sdl2/PopupMenuView.h"

namespace gadrix::sdl2 {
namespace {

// Open, a line, a disabled item, a hidden one, a checked one and a sub-menu.
std::unique_ptr<TPopupMenu> SampleMenu() {
  std::unique_ptr<TPopupMenu> menu(NewPopupMenu(nullptr, "Sample",
                                                {NewItem("&Open", {}), NewLine(), NewItem("Disabled", {}, false, false),
                                                 NewItem("Hidden", {}), NewItem("Chec&ked && done", {}, true),
                                                 NewSubMenu("More", {NewItem("Inner", {})})}));
  menu->GetItems()->GetItems(3)->SetVisible(false);
  return menu;
}

TEST(PopupMenuView, ListsTheVisibleItemsInRows) {
  auto menu = SampleMenu();
  TPopupMenuView view(menu->GetItems());
  ASSERT_EQ(view.Count(), 5);
  EXPECT_EQ(view.Item(0)->GetCaption(), "&Open");
  EXPECT_EQ(view.Item(3)->GetCaption(), "Chec&ked && done");
  EXPECT_EQ(view.Item(5), nullptr);
  // Rows follow each other inside the border; a separator is thinner than an item.
  EXPECT_EQ(view.ItemRect(0).Top, TPopupMenuView::Border);
  for (int i = 1; i < view.Count(); ++i) EXPECT_EQ(view.ItemRect(i).Top, view.ItemRect(i - 1).Bottom);
  EXPECT_EQ(view.ItemRect(1).Height(), TPopupMenuView::SeparatorHeight);
  EXPECT_GT(view.ItemRect(0).Height(), TPopupMenuView::SeparatorHeight);
  EXPECT_EQ(view.Size().cy, view.ItemRect(4).Bottom + TPopupMenuView::Border);
  EXPECT_GE(view.Size().cx, TPopupMenuView::MinWidth);
}

TEST(PopupMenuView, HitTestingAndWhatCanBeChosen) {
  auto menu = SampleMenu();
  TPopupMenuView view(menu->GetItems());
  const TRect open = view.ItemRect(0);
  EXPECT_EQ(view.ItemAt({open.Left, open.Top}), 0);
  EXPECT_EQ(view.ItemAt({open.Right - 1, open.Bottom - 1}), 0);
  EXPECT_EQ(view.ItemAt({0, 0}), -1);  // the border
  EXPECT_EQ(view.ItemAt({view.Size().cx, open.Top}), -1);
  EXPECT_EQ(view.ItemAt({5, view.ItemRect(1).Top + 1}), 1);
  EXPECT_TRUE(view.Selectable(0));
  EXPECT_FALSE(view.Selectable(1));  // the line
  EXPECT_FALSE(view.Selectable(2));  // disabled
  EXPECT_TRUE(view.Selectable(4));
  EXPECT_FALSE(view.Selectable(-1));
  EXPECT_TRUE(view.HasSubMenu(4));
  EXPECT_FALSE(view.HasSubMenu(0));
}

TEST(PopupMenuView, KeyboardStepsSkipLinesAndDisabledItemsAndWrap) {
  auto menu = SampleMenu();
  TPopupMenuView view(menu->GetItems());
  EXPECT_EQ(view.NextSelectable(-1, true), 0);
  EXPECT_EQ(view.NextSelectable(0, true), 3);
  EXPECT_EQ(view.NextSelectable(3, true), 4);
  EXPECT_EQ(view.NextSelectable(4, true), 0);
  EXPECT_EQ(view.NextSelectable(-1, false), 4);
  EXPECT_EQ(view.NextSelectable(0, false), 4);
  EXPECT_EQ(view.NextSelectable(3, false), 0);

  TMenuItem lonely(nullptr);
  lonely.Add(NewItem("Off", {}, false, false));
  TPopupMenuView none(&lonely);
  EXPECT_EQ(none.NextSelectable(-1, true), -1);
  TMenuItem empty(nullptr);
  EXPECT_EQ(TPopupMenuView(&empty).NextSelectable(-1, false), -1);
}

TEST(PopupMenuView, CaptionsLoseTheirAcceleratorMarks) {
  EXPECT_EQ(TPopupMenuView::ShownCaption("&Open"), "Open");
  EXPECT_EQ(TPopupMenuView::ShownCaption("Save &as..."), "Save as...");
  EXPECT_EQ(TPopupMenuView::ShownCaption("Fish && chips"), "Fish & chips");
  EXPECT_EQ(TPopupMenuView::ShownCaption("&&&x"), "&x");
  EXPECT_EQ(TPopupMenuView::ShownCaption("end&"), "end");
  EXPECT_EQ(TPopupMenuView::ShownCaption(""), "");
}

TEST(PopupMenuView, LongerCaptionsMakeAWiderMenu) {
  TMenuItem shortMenu(nullptr), longMenu(nullptr);
  shortMenu.Add(NewItem("Ok", {}));
  longMenu.Add(NewItem("A caption much longer than the narrowest menu is wide", {}));
  EXPECT_EQ(TPopupMenuView(&shortMenu).Size().cx, TPopupMenuView::MinWidth);
  EXPECT_GT(TPopupMenuView(&longMenu).Size().cx, TPopupMenuView::MinWidth);
}

TEST(PopupMenuView, PaintsTheHighlightTheCheckMarkAndTheArrow) {
  auto menu = SampleMenu();
  TPopupMenuView view(menu->GetItems());
  TPixelBuffer pixels(view.Size().cx, view.Size().cy);
  TCanvas canvas(&pixels);
  view.Paint(&canvas, 0);
  const TRect open = view.ItemRect(0), checked = view.ItemRect(3), more = view.ItemRect(4);
  auto countIn = [&](const TRect& R, TColor Color) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += pixels.Row(y)[x] == ColorToRGB(Color);
    return n;
  };
  // The hot row is filled with the highlight, up to its edges.
  EXPECT_EQ(pixels.Row(open.Top)[open.Left], ColorToRGB(clHighlight));
  EXPECT_EQ(pixels.Row(open.Bottom - 1)[open.Right - 1], ColorToRGB(clHighlight));
  EXPECT_EQ(countIn(checked, clHighlight), 0);
  // A tick in the check column of the checked row, none in the plain row's.
  const auto checkColumn = [](const TRect& R) { return TRect{R.Left, R.Top, R.Left + TPopupMenuView::CheckColumn, R.Bottom}; };
  EXPECT_GT(countIn(checkColumn(checked), clMenuText), 4);
  EXPECT_EQ(countIn(checkColumn(view.ItemRect(0)), clMenuText), 0);
  // An arrow at the right end of the row with a sub-menu.
  const TRect arrowColumn{more.Right - TPopupMenuView::ArrowColumn, more.Top, more.Right, more.Bottom};
  EXPECT_GT(countIn(arrowColumn, clMenuText), 8);
  EXPECT_EQ(countIn({checked.Right - TPopupMenuView::ArrowColumn, checked.Top, checked.Right, checked.Bottom},
                    clMenuText),
            0);
  // A disabled row writes in grey; a line is etched in shadow and light.
  EXPECT_GT(countIn(view.ItemRect(2), clGrayText), 0);
  EXPECT_EQ(countIn(view.ItemRect(2), clMenuText), 0);
  EXPECT_GT(countIn(view.ItemRect(1), clBtnShadow), 0);
}

}  // namespace
}  // namespace gadrix::sdl2
