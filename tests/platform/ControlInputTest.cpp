#include <gtest/gtest.h>

#include <memory>

#include "platform/ControlTestSupport.h"

namespace gadrix {
namespace {

using testing::TProbe;
using Log = std::vector<std::string>;

// A shown form with two probes side by side: A at (10, 10) and B at (100, 10), 50 x 30 each.
struct TwoProbes : ::testing::Test {
  Log log;
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TProbe* a = Add("A", 10);
  TProbe* b = Add("B", 100);

  TProbe* Add(const char* Name, int Left) {
    auto* p = new TProbe(form.get(), &log);
    p->SetName(Name);
    p->SetParent(form.get());
    p->SetBounds(Left, 10, 50, 30);
    return p;
  }
  void SetUp() override { form->Show(); }
  void Later() { sim::AdvanceTime(1000); }
};

TEST_F(TwoProbes, PressReleaseClickInThatOrderWithFocusOnThePress) {
  sim::Click(a, 5, 6);
  EXPECT_EQ(log, (Log{"A enter", "A focus", "A down 5,6", "A up 5,6", "A click"}));
  EXPECT_TRUE(a->Focused());
}

TEST_F(TwoProbes, DoubleClickIsClickThenDblClickThenASecondPressWithoutClick) {
  sim::DblClick(a, 5, 5);
  EXPECT_EQ(log, (Log{"A enter", "A focus", "A down 5,5", "A up 5,5", "A click", "A dblclick", "A down2 5,5",
                      "A up 5,5"}));
  log.clear();
  Later();
  sim::Click(a, 5, 5);  // later: a plain click again
  EXPECT_EQ(log, (Log{"A down 5,5", "A up 5,5", "A click"}));
}

TEST_F(TwoProbes, TwoPressesFarApartInTimeOrSpaceAreNoDoubleClick) {
  sim::Click(a, 5, 5);
  sim::AdvanceTime(TForm::DoubleClickTime + 1);
  sim::Click(a, 5, 5);
  sim::Click(a, 5 + TForm::DoubleClickDistance + 1, 5);
  for (const std::string& entry : log) EXPECT_EQ(entry.find("dbl"), std::string::npos) << entry;
}

TEST_F(TwoProbes, TheCaptureKeepsTheMouseUntilReleaseAndNoClickOutside) {
  sim::MouseDown(a, mbLeft, {}, 5, 5);
  log.clear();
  sim::MouseMove(a, ssLeft, 100, 5);  // over B, but A holds the mouse
  sim::MouseUp(a, mbLeft, {}, 100, 5);
  EXPECT_EQ(log, (Log{"A move 100,5", "A up 100,5", "A leave", "B enter"}));
}

TEST_F(TwoProbes, EnterAndLeaveFollowThePointer) {
  sim::MouseMove(form.get(), {}, 15, 15);
  sim::MouseMove(form.get(), {}, 16, 15);
  sim::MouseMove(form.get(), {}, 110, 15);
  sim::MouseMove(form.get(), {}, 300, 200);
  form->HandleMouseExit();
  EXPECT_EQ(log, (Log{"A enter", "A move 5,5", "A move 6,5", "A leave", "B enter", "B move 10,5", "B leave"}));
}

TEST_F(TwoProbes, DisabledAndHiddenControlsGetNoMouse) {
  a->SetEnabled(false);
  sim::Click(form.get(), 15, 15);
  b->SetVisible(false);
  sim::Click(form.get(), 105, 15);
  EXPECT_TRUE(log.empty());
}

TEST_F(TwoProbes, KeysGoToTheFocusedControlAndTabMovesTheFocus) {
  a->SetFocus();
  log.clear();
  sim::Key(a, 'X');
  sim::Key(a, 'C', ssCtrl);
  EXPECT_EQ(log, (Log{"A keydown 88", "A char 120", "A keyup 88", "A keydown 67", "A char 3", "A keyup 67"}));
  log.clear();
  form->HandleKeyDown(VK_TAB, {});
  EXPECT_TRUE(b->Focused());
  form->HandleKeyDown(VK_TAB, ssShift);
  EXPECT_TRUE(a->Focused());
  EXPECT_EQ(log, (Log{"A keydown 9", "A blur", "B focus", "B keydown 9", "B blur", "A focus"}));
}

TEST_F(TwoProbes, KeyPreviewLetsTheFormSwallowKeys) {
  a->SetFocus();
  log.clear();
  form->SetKeyPreview(true);
  form->SetOnKeyDown([](TObject*, Word& Key, TShiftState) {
    if (Key == VK_ESCAPE) Key = 0;
  });
  sim::KeyDown(a, VK_ESCAPE);
  sim::KeyDown(a, VK_RETURN);
  EXPECT_EQ(log, (Log{"A keydown 13"}));
}

TEST_F(TwoProbes, FocusRulesAndHidingTheFocusedControl) {
  b->SetEnabled(false);
  EXPECT_FALSE(b->CanFocus());
  EXPECT_THROW(b->SetFocus(), EInvalidOperation);
  a->SetFocus();
  a->SetVisible(false);
  EXPECT_EQ(form->GetActiveControl(), nullptr);
}

TEST_F(TwoProbes, WheelGoesToTheControlUnderThePointerThenItsParents) {
  int formWheel = 0;
  bool handledByA = false;
  a->SetOnMouseWheel([&](TObject*, TShiftState, int Delta, TPoint, bool& Handled) {
    Handled = handledByA;
    EXPECT_EQ(Delta, -WHEEL_DELTA);
  });
  form->SetOnMouseWheelDown([&](TObject*, TShiftState, TPoint, bool& Handled) {
    ++formWheel;
    Handled = true;
  });
  sim::Wheel(a, -WHEEL_DELTA, 5, 5);
  EXPECT_EQ(formWheel, 1);
  handledByA = true;
  sim::Wheel(a, -WHEEL_DELTA, 5, 5);
  EXPECT_EQ(formWheel, 1);
}

TEST_F(TwoProbes, RightClickOpensTheNearestPopupMenuAndItsItemRuns) {
  auto* menu = new TPopupMenu(form.get());
  int clicked = 0;
  menu->GetItems()->Add(NewItem("Copy", [&](TObject*) { ++clicked; }));
  form->SetPopupMenu(menu);
  TPopupMenu* shown = nullptr;
  sim::SetPopupHandler([&](TPopupMenu* Menu, int X, int Y) {
    shown = Menu;
    EXPECT_EQ(X, form->GetLeft() + 15);
    EXPECT_EQ(Y, form->GetTop() + 15);
    Menu->GetItems()->GetItems(0)->Click();
  });
  sim::MouseDown(a, mbRight, {}, 5, 5);
  sim::MouseUp(a, mbRight, {}, 5, 5);
  sim::SetPopupHandler(nullptr);
  EXPECT_EQ(shown, menu);
  EXPECT_EQ(menu->GetPopupComponent(), form.get());
  EXPECT_EQ(clicked, 1);
  delete menu;  // the form lets go of a menu that goes
  EXPECT_EQ(form->GetPopupMenu(), nullptr);
}

TEST(ControlInput, ControlsWithoutAFormGetEventsDirectly) {
  Log log;
  TProbe lone(nullptr, &log);
  lone.SetBounds(0, 0, 20, 20);
  sim::Click(&lone, 3, 4);
  sim::Key(&lone, VK_RETURN);
  EXPECT_EQ(log, (Log{"down 3,4", "up 3,4", "click", "keydown 13", "char 13", "keyup 13"}));
}

TEST(ControlInput, AControlDeletedByItsOwnHandlerEndsTheEventSafely) {
  TForm form(nullptr);
  form.Show();
  auto* victim = new TProbe(&form);
  victim->SetParent(&form);
  victim->SetBounds(0, 0, 30, 30);
  victim->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { delete victim; });
  sim::MouseDown(&form, mbLeft, {}, 5, 5);
  sim::MouseUp(&form, mbLeft, {}, 5, 5);
  EXPECT_EQ(form.GetControlCount(), 0);
}

TEST(Modal, TheHookAnswersAModalFormAndWithoutOneItIsCancelled) {
  TForm dialog(nullptr);
  sim::SetModalHandler([](TForm* Form) { Form->SetModalResult(mrOk); });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_FALSE(dialog.GetVisible());
  sim::SetModalHandler(nullptr);
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST(Services, ClipboardBeepAndCursor) {
  Clipboard()->SetAsText("12.5");
  EXPECT_TRUE(Clipboard()->HasFormat(TClipboard::CF_TEXT));
  EXPECT_EQ(Clipboard()->GetAsText(), "12.5");
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasText());
  const int beeps = sim::BeepCount();
  Beep();
  EXPECT_EQ(sim::BeepCount(), beeps + 1);
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(sim::ScreenCursor(), crHourGlass);
  Screen->SetCursor(crDefault);
}

}  // namespace
}  // namespace gadrix
