#include <gtest/gtest.h>

#include "PageTabs.h"

namespace gallery {
namespace {

using namespace gadrix;

struct TabsFixture {
  TForm form{nullptr};
  TPageTabs* tabs = new TPageTabs(&form);
  int changes = 0;

  TabsFixture() {
    form.SetBounds(0, 0, 600, 200);
    tabs->SetParent(&form);
    tabs->SetBounds(10, 10, 500, 28);
    tabs->SetTabs({"One", "Two", "A much longer third caption"});
    tabs->SetOnChange([this](TObject*) { ++changes; });
    form.Show();
  }
  TPoint Middle(int Index) const {
    const TRect r = tabs->TabRect(Index);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  TColor Pixel(int X, int Y) {
    TBitmap picture;
    picture.SetSize(tabs->GetWidth(), tabs->GetHeight());
    tabs->PaintTo(picture.GetCanvas(), 0, 0);
    return picture.GetCanvas()->GetPixel(X, Y);
  }
};

TEST(PageTabs, TabsLieSideBySideAndGrowWithTheirCaptions) {
  TabsFixture f;
  EXPECT_EQ(f.tabs->GetTabIndex(), 0);  // the first tab is chosen once there are tabs
  const TRect one = f.tabs->TabRect(0), two = f.tabs->TabRect(1), three = f.tabs->TabRect(2);
  EXPECT_EQ(one.Width(), TPageTabs::MinTabWidth);
  EXPECT_LT(one.Right, two.Left);
  EXPECT_LT(two.Right, three.Left);
  EXPECT_GT(three.Width(), TPageTabs::MinTabWidth);
  // The chosen tab stands higher than the others.
  EXPECT_EQ(one.Top + TPageTabs::Raise, two.Top);
  EXPECT_EQ(f.tabs->TabAt(f.Middle(1).X, f.Middle(1).Y), 1);
  EXPECT_EQ(f.tabs->TabAt(three.Right + 5, 10), -1);
  EXPECT_TRUE(f.tabs->TabRect(3).IsEmpty());
}

TEST(PageTabs, OnlyTheUsersChoiceRaisesOnChange) {
  TabsFixture f;
  sim::Click(f.tabs, f.Middle(2).X, f.Middle(2).Y);
  EXPECT_EQ(f.tabs->GetTabIndex(), 2);
  EXPECT_EQ(f.changes, 1);
  sim::Click(f.tabs, f.Middle(2).X, f.Middle(2).Y);  // the chosen tab again: no change
  EXPECT_EQ(f.changes, 1);
  sim::Click(f.tabs, f.tabs->TabRect(2).Right + 20, 10);  // beside the tabs
  EXPECT_EQ(f.tabs->GetTabIndex(), 2);
  f.tabs->SetTabIndex(1);
  f.tabs->SetTabIndex(7);  // no such tab
  f.tabs->SetTabIndex(-1);
  EXPECT_EQ(f.tabs->GetTabIndex(), 1);
  EXPECT_EQ(f.changes, 1);
}

TEST(PageTabs, KeysMoveTheChoiceWithinTheTabs) {
  TabsFixture f;
  sim::Key(f.tabs, VK_LEFT);  // already at the first
  EXPECT_EQ(f.changes, 0);
  sim::Key(f.tabs, VK_RIGHT);
  EXPECT_EQ(f.tabs->GetTabIndex(), 1);
  sim::Key(f.tabs, VK_END);
  EXPECT_EQ(f.tabs->GetTabIndex(), 2);
  sim::Key(f.tabs, VK_RIGHT);
  EXPECT_EQ(f.tabs->GetTabIndex(), 2);
  sim::Key(f.tabs, VK_HOME);
  EXPECT_EQ(f.tabs->GetTabIndex(), 0);
  EXPECT_EQ(f.changes, 3);
}

TEST(PageTabs, FewerTabsKeepTheChoiceWithinThem) {
  TabsFixture f;
  f.tabs->SetTabIndex(2);
  f.tabs->SetTabs({"Only", "Two"});
  EXPECT_EQ(f.tabs->GetTabIndex(), 1);
  f.tabs->SetTabs({});
  EXPECT_EQ(f.tabs->GetTabIndex(), -1);
  EXPECT_EQ(f.tabs->TabAt(5, 10), -1);
  EXPECT_EQ(f.changes, 0);
}

TEST(PageTabs, TheChosenTabIsOpenTowardsThePageAndTheHotTabLightens) {
  TabsFixture f;
  const int baseline = f.tabs->GetHeight() - 1;
  const TColor face = ColorToRGB(f.tabs->GetColor());
  EXPECT_EQ(f.Pixel(f.Middle(0).X, baseline), face);                        // under the chosen tab
  EXPECT_EQ(f.Pixel(f.Middle(1).X, baseline), ColorToRGB(clBtnShadow));     // under another
  EXPECT_EQ(f.Pixel(f.tabs->TabRect(0).Left + 4, 0), ColorToRGB(clHighlight));  // the accent on top
  const TColor idle = f.Pixel(f.tabs->TabRect(1).Left + 3, f.tabs->TabRect(1).Top + 4);
  sim::MouseMove(f.tabs, 0, f.Middle(1).X, f.Middle(1).Y);
  EXPECT_EQ(f.tabs->GetHotTab(), 1);
  EXPECT_NE(f.Pixel(f.tabs->TabRect(1).Left + 3, f.tabs->TabRect(1).Top + 4), idle);
  sim::MouseMove(f.tabs, 0, f.tabs->TabRect(2).Right + 20, 10);
  EXPECT_EQ(f.tabs->GetHotTab(), -1);
}

}  // namespace
}  // namespace gallery
