#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/stdctrls/Edit.h"
#include "platform/CanvasTestSupport.h"

namespace gadrix {
namespace {

// A shown form with an edit box at (10, 10) and a second one below it, for focus changes.
struct EditFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TEdit* edit = Add(10);
  TEdit* other = Add(40);
  int changes = 0;

  TEdit* Add(int Top) {
    auto* e = new TEdit(form.get());
    e->SetParent(form.get());
    e->SetBounds(10, Top, 121, e->GetHeight());
    return e;
  }
  void SetUp() override {
    form->Show();
    edit->SetOnChange([this](TObject*) { ++changes; });
    Clipboard()->Clear();
  }
  int TextX(const std::string& Prefix) const {
    return 1 + TTextEngine::Instance().TextWidth(edit->GetFont()->FontSpec(), Prefix);
  }
  std::unique_ptr<TBitmap> Shot() {
    auto bitmap = testing::WhiteBitmap(edit->GetWidth(), edit->GetHeight());
    edit->PaintTo(bitmap->GetCanvas(), 0, 0);
    return bitmap;
  }
};

using Edit = EditFixture;

TEST_F(Edit, TypingInsertsAtTheCaretAndEveryChangeIsAnnounced) {
  sim::Type(edit, "abc");
  EXPECT_EQ(edit->GetText(), "abc");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(edit->GetSelStart(), 3);
  EXPECT_TRUE(edit->GetModified());
  sim::Key(edit, VK_LEFT);
  sim::Key(edit, VK_LEFT);
  sim::Type(edit, "X");
  EXPECT_EQ(edit->GetText(), "aXbc");
  EXPECT_EQ(edit->GetSelStart(), 2);
}

TEST_F(Edit, TextSetByTheProgramIsAnnouncedAndResetsCaretUndoAndModified) {
  sim::Type(edit, "ab");
  edit->SetText("hello");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(edit->GetSelStart(), 0);
  EXPECT_EQ(edit->GetSelLength(), 0);
  EXPECT_FALSE(edit->GetModified());
  EXPECT_FALSE(edit->CanUndo());
  edit->SetText("hello");  // unchanged: nothing to announce
  EXPECT_EQ(changes, 3);
}

TEST_F(Edit, PositionsCountCharactersNotBytes) {
  sim::Type(edit, "\xC3\xA4\xE2\x82\xACz");
  EXPECT_EQ(edit->GetSelStart(), 3);
  sim::Key(edit, VK_LEFT, ssShift);
  sim::Key(edit, VK_LEFT, ssShift);
  EXPECT_EQ(edit->GetSelText(), "\xE2\x82\xACz");
  EXPECT_EQ(edit->GetTextLen(), 3);
  sim::Key(edit, VK_BACK);
  EXPECT_EQ(edit->GetText(), "\xC3\xA4");
}

TEST_F(Edit, ShiftArrowsHomeAndEndSelectAndCtrlArrowsJumpWords) {
  edit->SetText("one two  three");
  edit->SetFocus();
  sim::Key(edit, VK_HOME);
  sim::Key(edit, VK_RIGHT, ssCtrl);
  EXPECT_EQ(edit->GetSelStart(), 4);
  sim::Key(edit, VK_RIGHT, ssCtrl | ssShift);
  EXPECT_EQ(edit->GetSelText(), "two  ");
  sim::Key(edit, VK_END, ssShift);
  EXPECT_EQ(edit->GetSelText(), "two  three");
  sim::Key(edit, VK_LEFT, ssCtrl);
  EXPECT_EQ(edit->GetSelStart(), 9);
  EXPECT_EQ(edit->GetSelLength(), 0);
  sim::Key(edit, VK_HOME, ssShift);
  EXPECT_EQ(edit->GetSelText(), "one two  ");
  // A plain arrow collapses the selection to its edge.
  sim::Key(edit, VK_RIGHT);
  EXPECT_EQ(edit->GetSelStart(), 9);
  EXPECT_EQ(edit->GetSelLength(), 0);
}

TEST_F(Edit, BackspaceAndDeleteRemoveACharacterOrTheSelection) {
  edit->SetText("abcdef");
  edit->SetFocus();
  edit->SetSelStart(3);
  sim::Key(edit, VK_BACK);
  EXPECT_EQ(edit->GetText(), "abdef");
  sim::Key(edit, VK_DELETE);
  EXPECT_EQ(edit->GetText(), "abef");
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  sim::Key(edit, VK_DELETE);
  EXPECT_EQ(edit->GetText(), "af");
  sim::Key(edit, VK_HOME);
  sim::Key(edit, VK_BACK);  // nothing before the caret
  EXPECT_EQ(edit->GetText(), "af");
}

TEST_F(Edit, MaxLengthLimitsTypingAndPastingButNotTheProgram) {
  edit->SetMaxLength(4);
  sim::Type(edit, "abcdef");
  EXPECT_EQ(edit->GetText(), "abcd");
  edit->SetSelStart(1);
  Clipboard()->SetAsText("XYZ");
  edit->SetSelLength(1);  // "b" is replaced: room for one character
  sim::Key(edit, 'V', ssCtrl);
  EXPECT_EQ(edit->GetText(), "aXcd");
  edit->SetText("a longer text");
  EXPECT_EQ(edit->GetText(), "a longer text");
  edit->SetMaxLength(-3);
  EXPECT_EQ(edit->GetMaxLength(), 0);
}

TEST_F(Edit, ClipboardShortcutsCopyCutAndPaste) {
  edit->SetText("hello world");
  edit->SetFocus();
  edit->SetSelStart(6);
  edit->SetSelLength(5);
  sim::Key(edit, 'C', ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), "world");
  sim::Key(edit, 'X', ssCtrl);
  EXPECT_EQ(edit->GetText(), "hello ");
  sim::Key(edit, VK_HOME);
  sim::Key(edit, VK_INSERT, ssShift);
  EXPECT_EQ(edit->GetText(), "worldhello ");
  sim::Key(edit, 'A', ssCtrl);
  sim::Key(edit, VK_INSERT, ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), "worldhello ");
  sim::Key(edit, VK_DELETE, ssShift);
  EXPECT_EQ(edit->GetText(), "");
}

TEST_F(Edit, PastedTextEndsAtTheFirstLineBreakAndIsMadeValidUtf8) {
  Clipboard()->SetAsText("first\r\nsecond");
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->GetText(), "first");
  edit->SetText("");
  Clipboard()->SetAsText(std::string("a\xC3") + "b\xFF");
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->GetText(), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
  EXPECT_EQ(edit->GetTextLen(), 4);
}

TEST_F(Edit, ReadOnlyKeepsTheTextButAllowsSelectingAndCopying) {
  edit->SetText("fixed");
  edit->SetReadOnly(true);
  sim::Type(edit, "x");
  sim::Key(edit, VK_BACK);
  sim::Key(edit, 'A', ssCtrl);
  sim::Key(edit, 'X', ssCtrl);
  Clipboard()->SetAsText("pasted");
  sim::Key(edit, 'V', ssCtrl);
  EXPECT_EQ(edit->GetText(), "fixed");
  sim::Key(edit, 'C', ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), "fixed");
}

TEST_F(Edit, UndoTakesTheLastChangeBackAndASecondUndoRedoesIt) {
  edit->SetText("abc");
  edit->SetFocus();
  edit->SelectAll();
  sim::Type(edit, "z");
  EXPECT_EQ(edit->GetText(), "z");
  sim::Key(edit, 'Z', ssCtrl);
  EXPECT_EQ(edit->GetText(), "abc");
  EXPECT_EQ(edit->GetSelText(), "abc");
  sim::Key(edit, VK_BACK, ssAlt);
  EXPECT_EQ(edit->GetText(), "z");
  edit->ClearUndo();
  edit->Undo();
  EXPECT_EQ(edit->GetText(), "z");
}

TEST_F(Edit, AChangeHandlerThatSetsTheTextBackHasTheLastWord) {
  // As a numeric field does: a rejected text goes back, the caret one left of where it was.
  std::string accepted;
  edit->SetOnChange([&](TObject*) {
    if (edit->GetText().find_first_not_of("0123456789") == std::string::npos) {
      accepted = edit->GetText();
      return;
    }
    const int caret = edit->GetSelStart();
    edit->SetText(accepted);
    edit->SetSelStart(caret - 1);
  });
  sim::Type(edit, "12x3");
  EXPECT_EQ(edit->GetText(), "123");
  EXPECT_EQ(edit->GetSelStart(), 3);
  sim::Key(edit, VK_HOME);
  sim::Type(edit, "y");
  EXPECT_EQ(edit->GetText(), "123");
  EXPECT_EQ(edit->GetSelStart(), 0);
}

TEST_F(Edit, TheMouseSetsTheCaretDragsASelectionAndADoubleClickTakesAWord) {
  edit->SetText("alpha beta gamma");
  const int y = 8;
  sim::Click(edit, TextX("alpha b") - 1, y);
  EXPECT_EQ(edit->GetSelStart(), 7);
  EXPECT_EQ(edit->GetSelLength(), 0);
  sim::MouseDown(edit, mbLeft, {}, TextX("al"), y);
  sim::MouseMove(edit, ssLeft, TextX("alpha be"), y);
  sim::MouseUp(edit, mbLeft, {}, TextX("alpha be"), y);
  EXPECT_EQ(edit->GetSelText(), "pha be");
  sim::AdvanceTime(1000);
  sim::Click(edit, TextX("a"), y);
  sim::MouseDown(edit, mbLeft, ssShift, TextX("alpha"), y);
  sim::MouseUp(edit, mbLeft, ssShift, TextX("alpha"), y);
  EXPECT_EQ(edit->GetSelText(), "lpha");
  sim::AdvanceTime(1000);
  sim::DblClick(edit, TextX("alpha be") + 2, y);
  EXPECT_EQ(edit->GetSelText(), "beta");
}

TEST_F(Edit, AutoSelectSelectsAllWhenTheFocusArrivesByTab) {
  edit->SetText("all of it");
  other->SetFocus();
  sim::KeyDown(other, VK_TAB, ssShift);
  ASSERT_TRUE(edit->Focused());
  EXPECT_EQ(edit->GetSelText(), "all of it");
  other->SetFocus();
  edit->SetAutoSelect(false);
  edit->SetSelStart(3);
  edit->SetFocus();
  EXPECT_EQ(edit->GetSelLength(), 0);
}

TEST_F(Edit, TheCaretBlinksOnlyWhileFocused) {
  EXPECT_FALSE(edit->CaretShowing());
  edit->SetFocus();
  EXPECT_TRUE(edit->CaretShowing());
  sim::AdvanceTime(500);
  EXPECT_FALSE(edit->CaretShowing());
  sim::AdvanceTime(500);
  EXPECT_TRUE(edit->CaretShowing());
  sim::Type(edit, "a");  // typing shows the caret at once and restarts the blink
  sim::AdvanceTime(400);
  EXPECT_TRUE(edit->CaretShowing());
  other->SetFocus();
  EXPECT_FALSE(edit->CaretShowing());
  sim::AdvanceTime(500);
  EXPECT_FALSE(edit->CaretShowing());
}

TEST_F(Edit, WithoutATimerTheCaretStaysOn) {
  sim::SetTimersAvailable(false);
  edit->SetFocus();
  sim::AdvanceTime(1500);
  EXPECT_TRUE(edit->CaretShowing());
  sim::SetTimersAvailable(true);
}

TEST_F(Edit, TheCaretIsAnInvertedLineAtTheCaretPosition) {
  edit->SetText("ab");
  edit->SetFocus();
  edit->SetSelStart(1);
  auto shot = Shot();
  const int x = 2 + TextX("a");  // frame of 2, then the text margin
  const int top = 2 + (edit->GetClientHeight() - TTextEngine::Instance().Metrics(edit->GetFont()->FontSpec()).Height) / 2;
  EXPECT_EQ(shot->ScanLine(top)[x], clBlack);  // white background inverted
  sim::AdvanceTime(500);
  shot = Shot();
  EXPECT_EQ(shot->ScanLine(top)[x], ColorToRGB(clWindow));
}

TEST_F(Edit, TheSelectionShowsOnlyWhileFocusedUnlessHideSelectionIsOff) {
  edit->SetText("selected");
  edit->SelectAll();
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(testing::CountPixels(*Shot(), highlight), 0);
  edit->SetFocus();
  EXPECT_GT(testing::CountPixels(*Shot(), highlight), 0);
  edit->SetHideSelection(false);
  other->SetFocus();
  EXPECT_GT(testing::CountPixels(*Shot(), highlight), 0);
}

TEST_F(Edit, ALongTextScrollsSoThatTheCaretStaysInView) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += "word" + std::to_string(i) + " ";
  edit->SetText(text);
  edit->SetFocus();
  sim::Key(edit, VK_END);
  // The caret sits inside the box, near its right edge, not far beyond it.
  auto shot = Shot();
  const int top = 2 + (edit->GetClientHeight() - TTextEngine::Instance().Metrics(edit->GetFont()->FontSpec()).Height) / 2;
  int caretX = -1;
  for (int x = 0; x < shot->GetWidth(); ++x)
    if (shot->ScanLine(top)[x] == clBlack) caretX = x;
  EXPECT_GT(caretX, edit->GetWidth() / 2);
  EXPECT_LT(caretX, edit->GetWidth() - 2);
  // A click at the left edge now lands on a character far into the text.
  sim::Click(edit, 2, 8);
  EXPECT_GT(edit->GetSelStart(), 20);
  sim::Key(edit, VK_HOME);
  sim::Click(edit, 2, 8);
  EXPECT_EQ(edit->GetSelStart(), 0);
}

TEST_F(Edit, AutoSizeFollowsTheFontAndTheFrame) {
  const int line = TTextEngine::Instance().Metrics(edit->GetFont()->FontSpec()).Height;
  EXPECT_EQ(edit->GetHeight(), line + 8);
  edit->SetCtl3D(false);
  EXPECT_EQ(edit->GetHeight(), line + 6);
  edit->GetFont()->SetSize(20);
  const int bigger = TTextEngine::Instance().Metrics(edit->GetFont()->FontSpec()).Height;
  EXPECT_EQ(edit->GetHeight(), bigger + 6);
  edit->SetAutoSize(false);
  edit->SetHeight(50);
  EXPECT_EQ(edit->GetHeight(), 50);
}

TEST_F(Edit, TheBorderTakesTwoPixelsSunkenOrOneFlatAndClientCoordinatesStartInside) {
  EXPECT_EQ(edit->GetClientWidth(), 121 - 4);
  auto shot = Shot();
  EXPECT_EQ(shot->ScanLine(0)[0], ColorToRGB(clBtnShadow));
  EXPECT_EQ(shot->ScanLine(1)[1], ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(shot->ScanLine(edit->GetHeight() - 1)[5], ColorToRGB(clBtnHighlight));
  EXPECT_EQ(shot->ScanLine(edit->GetHeight() - 2)[5], ColorToRGB(cl3DLight));
  edit->SetCtl3D(false);
  shot = Shot();
  EXPECT_EQ(shot->ScanLine(0)[0], ColorToRGB(clWindowFrame));
  EXPECT_EQ(shot->ScanLine(1)[1], ColorToRGB(clWindow));
  EXPECT_EQ(edit->GetClientWidth(), 121 - 2);
  edit->SetBorderStyle(bsNone);
  EXPECT_EQ(edit->GetClientWidth(), 121);
}

TEST_F(Edit, TheClassIsKnownByNameWithItsPublishedDefaults) {
  std::unique_ptr<TComponent> created(CreateComponent("TEdit", nullptr));
  auto* e = dynamic_cast<TEdit*>(created.get());
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->GetColor(), clWindow);
  EXPECT_TRUE(e->GetTabStop());
  const TPropertyInfo* maxLength = e->ClassInfo().FindProperty("MaxLength");
  ASSERT_NE(maxLength, nullptr);
  maxLength->Set(*e, std::int64_t{7});
  EXPECT_EQ(e->GetMaxLength(), 7);
}

}  // namespace
}  // namespace gadrix
