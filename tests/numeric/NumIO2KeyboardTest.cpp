// TNumIO2: editing with the keyboard in every input format, refused keys, the clipboard.

#include "numeric/NumIO2TestSupport.h"

namespace gadrix {
namespace {

using testing::NumIO2Test;
using Log = std::vector<std::string>;

TEST_F(NumIO2Test, TypingInFloatTakesPointOrCommaAndRaisesOnChangePerKey) {
  Type("1,5");
  EXPECT_EQ(n->GetText(), "1,5");
  EXPECT_EQ(n->GetValue(), 1.5);
  EXPECT_EQ(events, (Log{"change 1", "change 1,", "change 1,5"}));
  n->SetText("");
  Type("-");  // a lone sign is kept while a number is being typed
  EXPECT_EQ(n->GetText(), "-");
  EXPECT_EQ(n->GetValue(), 0.0);
}

TEST_F(NumIO2Test, NumericPadAndPunctuationKeysTypeTheirCharacters) {
  n->SetInputFormat(itExp);
  n->SetText("");
  Keys({VK_SUBTRACT, VK_NUMPAD4, VK_DECIMAL, VK_NUMPAD2, 'E', VK_OEM_PLUS, '3'});
  EXPECT_EQ(n->GetText(), "-4,2E+3");
  EXPECT_EQ(n->GetValue(), -4200.0);
}

TEST_F(NumIO2Test, ARefusedKeyLeavesEverythingAndBeepsOnlyWhenAsked) {
  n->SetInputFormat(itInt);
  n->SetText("12");
  Keys({VK_END});
  events.clear();
  const int beeps = sim::BeepCount();
  Type("A");
  EXPECT_EQ(sim::BeepCount(), beeps);  // Beep is off by default
  n->SetBeep(true);
  Type("A");
  Keys({VK_F5});  // a key without function
  EXPECT_EQ(sim::BeepCount(), beeps + 2);
  EXPECT_EQ(n->GetText(), "12");
  EXPECT_TRUE(events.empty());
  Type("3");  // the caret stayed at the end
  EXPECT_EQ(n->GetText(), "123");
}

TEST_F(NumIO2Test, FixedPointSelectsTheDecimalRightOfTheCaretForOverwriting) {
  n->SetInputFormat(itFixPoint);
  n->SetText("3.14");
  Keys({VK_HOME, VK_RIGHT, VK_RIGHT});
  EXPECT_EQ(n->GetSelBegin(), 2);
  EXPECT_EQ(n->GetSelEnd(), 3);
  Type("9");
  EXPECT_EQ(n->GetText(), "3.94");
  Type("7");
  EXPECT_EQ(n->GetText(), "3.97");
  n->SetBeep(true);
  const int beeps = sim::BeepCount();
  Type("5");  // past the last place: "3.975" has three places
  EXPECT_EQ(n->GetText(), "3.97");
  EXPECT_EQ(sim::BeepCount(), beeps + 1);
}

TEST_F(NumIO2Test, DynamicFormatTakesPrefixesOnlyInFrontOfDigits) {
  n->SetInputFormat(itDynamic);
  n->SetText("");
  n->SetBeep(true);
  const int beeps = sim::BeepCount();
  Type("$");  // a prefix alone is no number
  EXPECT_EQ(n->GetText(), "");
  EXPECT_EQ(sim::BeepCount(), beeps + 1);
  Type("1");
  Keys({VK_HOME});
  Type("$");
  Keys({VK_END});
  Type("F");
  EXPECT_EQ(n->GetText(), "$1F");
  EXPECT_EQ(n->GetValue(), 31.0);
  // The Shift key held on its own does the same.
  n->SetText("101");
  Keys({VK_HOME});
  sim::KeyDown(n, VK_SHIFT);
  sim::Key(n, '5');
  sim::KeyUp(n, VK_SHIFT);
  sim::Key(n, '5');  // released: a plain 5 after "%" is no binary digit
  EXPECT_EQ(n->GetText(), "%101");
  EXPECT_EQ(n->GetValue(), 5.0);
}

TEST_F(NumIO2Test, DigitChecksOfTheIntegerFormats) {
  n->SetInputFormat(itOct);
  n->SetText("");
  Type("1789");
  EXPECT_EQ(n->GetText(), "17");
  EXPECT_EQ(n->GetValue(), 15.0);
  n->SetInputFormat(itBin);
  n->SetText("");
  Type("1021");
  EXPECT_EQ(n->GetText(), "101");
  n->SetInputFormat(itHex);
  n->SetText("");
  Type("FF-");
  EXPECT_EQ(n->GetText(), "FF");
  n->SetInputFormat(itInt);
  n->SetText("");
  Type("-4.2");
  EXPECT_EQ(n->GetText(), "-42");
}

TEST_F(NumIO2Test, CaretKeysBackspaceAndDelete) {
  n->SetText("12345");
  Keys({VK_END, VK_LEFT, VK_BACK});  // "1235", caret 3
  EXPECT_EQ(n->GetText(), "1235");
  Keys({VK_DELETE});
  EXPECT_EQ(n->GetText(), "123");
  Keys({VK_HOME, VK_DELETE, VK_BACK, VK_UP, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT});
  EXPECT_EQ(n->GetText(), "23");
  Type("9");  // the caret stopped at the end
  EXPECT_EQ(n->GetText(), "239");
}

TEST_F(NumIO2Test, DeletingTheWholeTextWritesZeroButTypingOverItReplacesIt) {
  n->SetValue(12.5);
  n->SetSelBegin(0);
  n->SetSelEnd(5);
  Type("7");  // the typed character takes the selection's place
  EXPECT_EQ(n->GetText(), "7");
  n->SetSelBegin(0);
  n->SetSelEnd(1);
  Keys({VK_DELETE});
  EXPECT_EQ(n->GetText(), "0.00");
  EXPECT_EQ(n->GetSelBegin(), 0);
  n->SetText("8");
  Keys({VK_BACK});  // no selection: simply the character before the caret
  EXPECT_EQ(n->GetText(), "8");
  Keys({VK_END, VK_BACK});
  EXPECT_EQ(n->GetText(), "");
}

TEST_F(NumIO2Test, ClipboardKeysCopyCutAndPasteThroughTheCheck) {
  n->SetText("12.75");
  n->SetSelBegin(1);
  n->SetSelEnd(3);
  sim::Key(n, 'C', ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), "2.");
  EXPECT_EQ(n->GetText(), "12.75");
  n->SetSelBegin(3);
  n->SetSelEnd(5);
  sim::KeyDown(n, VK_CONTROL);  // Control held as a key of its own
  sim::Key(n, 'X');
  sim::KeyUp(n, VK_CONTROL);
  EXPECT_EQ(Clipboard()->GetAsText(), "75");
  EXPECT_EQ(n->GetText(), "12.");
  Keys({VK_HOME});
  sim::Key(n, 'V', ssCtrl);
  EXPECT_EQ(n->GetText(), "7512.");
  n->SetBeep(true);
  const int beeps = sim::BeepCount();
  Clipboard()->SetAsText("x");
  sim::Key(n, 'V', ssCtrl);
  sim::Key(n, 'Q', ssCtrl);
  EXPECT_EQ(n->GetText(), "7512.");
  EXPECT_EQ(sim::BeepCount(), beeps + 2);
}

TEST_F(NumIO2Test, ReadOnlyOnlyCopies) {
  n->SetText("42");
  n->SetReadOnly(true);
  n->SetBeep(true);
  const int beeps = sim::BeepCount();
  n->SetSelBegin(0);
  n->SetSelEnd(1);
  Type("5");
  Keys({VK_BACK, VK_DELETE, VK_F5});
  sim::Key(n, 'X', ssCtrl);
  EXPECT_EQ(n->GetText(), "42");
  sim::Key(n, 'C', ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), "4");
  EXPECT_EQ(sim::BeepCount(), beeps);
  EXPECT_TRUE(events.empty());
}

TEST_F(NumIO2Test, CharactersWithoutKeyDownTypeOnceAndKeysNeverTwice) {
  n->SetInputFormat(itHex);
  n->SetText("");
  sim::Type(n, "1a");  // a host that forwards only characters
  EXPECT_EQ(n->GetText(), "1A");
  sim::Key(n, 'B');  // down, character, up: typed once
  EXPECT_EQ(n->GetText(), "1AB");
}

TEST_F(NumIO2Test, PositionsCountCharactersNotBytes) {
  n->SetInputFormat(itExp);
  n->SetText("1\xC3\xA9");  // "1é": the number ends before the letter
  EXPECT_EQ(n->GetValue(), 1.0);
  Keys({VK_END, VK_BACK});
  EXPECT_EQ(n->GetText(), "1");
}

TEST_F(NumIO2Test, TabMovesTheFocusOnAndLeavesTheText) {
  auto* next = new TNumIO2(form.get());
  next->SetParent(form.get());
  next->SetTabStop(true);
  n->SetText("5");
  sim::KeyDown(n, VK_TAB);  // the whole key would give the focus back to n for its character
  EXPECT_TRUE(next->Focused());
  EXPECT_EQ(n->GetText(), "5");
}

TEST_F(NumIO2Test, HeldKeysAreForgottenWhenTheFocusLeaves) {
  auto* other = new TNumIO2(form.get());
  other->SetParent(form.get());
  sim::KeyDown(n, VK_CONTROL);
  sim::KeyDown(n, VK_SHIFT);
  other->SetFocus();  // both are released over the other control
  Type("5");
  EXPECT_EQ(n->GetText(), "5");
}

TEST_F(NumIO2Test, CaretKeysWorkInATextThatNoLongerReads) {
  n->SetInputFormat(itExp);
  n->SetValue(1e150);  // too large for two exponent digits
  EXPECT_EQ(n->GetText(), "************");
  n->SetBeep(true);
  const int beeps = sim::BeepCount();
  Keys({VK_HOME, VK_RIGHT, VK_END});
  EXPECT_EQ(sim::BeepCount(), beeps);
  n->SetSelBegin(0);
  n->SetSelEnd(12);
  Keys({VK_DELETE});
  EXPECT_EQ(n->GetText(), " 0.00000E+00");
}

}  // namespace
}  // namespace gadrix
