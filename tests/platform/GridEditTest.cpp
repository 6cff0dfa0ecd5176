#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/GridTestSupport.h"

namespace gadrix {
namespace {

using Log = std::vector<std::string>;

struct GridEdit : testing::GridFixture {
  void SetUp() override {
    GridFixture::SetUp();
    grid->SetOptions(grid->GetOptions() | goEditing);
    Cells[{1, 1}] = "old";
    Cells[{2, 1}] = "two";
    Cells[{1, 2}] = "below";
    grid->SetFocus();
  }
};

TEST_F(GridEdit, TypingOpensTheEditorWithTheCharacterAndEnterStoresTheText) {
  sim::Type(grid, "n");
  ASSERT_TRUE(EditorShown());
  EXPECT_TRUE(grid->GetEditorMode());
  EXPECT_TRUE(Editor()->Focused());
  EXPECT_EQ(Editor()->GetText(), "n");
  sim::Type(grid, "ew");
  EXPECT_TRUE(Stored.empty());  // nothing is stored while typing
  sim::Key(grid, VK_RETURN);
  EXPECT_EQ(Stored, (Log{"1,1=new"}));
  EXPECT_FALSE(EditorShown());
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_TRUE(grid->Focused());
}

TEST_F(GridEdit, F2OpensWithTheCaretAtTheEndAndEnterOpensWithAllSelected) {
  sim::Key(grid, VK_F2);
  ASSERT_TRUE(EditorShown());
  sim::Type(grid, "er");
  sim::Key(grid, VK_RETURN);
  EXPECT_EQ(Cells[(std::pair{1, 1})], "older");
  sim::Key(grid, VK_RETURN);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetSelText(), "older");
  sim::Key(grid, VK_RETURN);  // closed again, nothing changed: nothing stored
  EXPECT_EQ(Stored, (Log{"1,1=older"}));
}

TEST_F(GridEdit, EscapeEndsEditingAndRestoresWithoutStoring) {
  sim::Type(grid, "changed");
  sim::Key(grid, VK_ESCAPE);
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(Stored.empty());
  sim::Key(grid, VK_F2);
  EXPECT_EQ(Editor()->GetText(), "old");
}

TEST_F(GridEdit, MovingAwayStoresTheText) {
  sim::Type(grid, "a");
  sim::Key(grid, VK_DOWN);  // arrows in the editor go to the grid
  EXPECT_EQ(grid->GetRow(), 2);
  EXPECT_FALSE(EditorShown());
  sim::Type(grid, "b");
  ClickCell(3, 2);
  sim::Type(grid, "c");
  edit->SetFocus();
  EXPECT_EQ(Stored, (Log{"1,1=a", "1,2=b", "3,2=c"}));
  EXPECT_FALSE(EditorShown());
}

TEST_F(GridEdit, AClickSelectsAndAClickOnTheCurrentCellOpensTheEditor) {
  ClickCell(2, 1);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->GetCol(), 2);
  ClickCell(2, 1);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetText(), "two");
  EXPECT_EQ(Editor()->GetBoundsRect(), grid->CellRect(2, 1));
  sim::Key(grid, VK_ESCAPE);
  const TPoint p = Centre(1, 2);
  sim::DblClick(grid, p.X, p.Y);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetText(), "below");
}

TEST_F(GridEdit, NoEditorWithoutEditingOrWithRowSelect) {
  grid->SetOptions(grid->GetOptions() & ~goEditing);
  sim::Type(grid, "x");
  sim::Key(grid, VK_F2);
  EXPECT_FALSE(EditorShown());
  grid->SetOptions(grid->GetOptions() | goEditing | goRowSelect);
  sim::Type(grid, "x");
  sim::Key(grid, VK_F2);
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(Stored.empty());
}

TEST_F(GridEdit, SwitchingEditingOffClosesTheEditorAndStores) {
  sim::Type(grid, "z");
  grid->SetOptions(grid->GetOptions() & ~goEditing);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(Stored, (Log{"1,1=z"}));
}

TEST_F(GridEdit, WithAlwaysShowEditorTheEditorFollowsTheCurrentCell) {
  grid->SetOptions(grid->GetOptions() | goAlwaysShowEditor);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetText(), "old");
  sim::Type(grid, "new");
  sim::Key(grid, VK_RETURN);  // Enter does not close it
  EXPECT_TRUE(EditorShown());
  sim::Key(grid, VK_DOWN);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetText(), "below");
  EXPECT_EQ(Editor()->GetBoundsRect(), grid->CellRect(1, 2));
  EXPECT_EQ(Stored, (Log{"1,1=new"}));
  // Left and Right go to the grid when the caret is at that end of the text.
  sim::Key(grid, VK_END);
  sim::Key(grid, VK_RIGHT);
  EXPECT_EQ(grid->GetCol(), 2);
  EXPECT_EQ(Editor()->GetText(), "");
}

TEST_F(GridEdit, TheEditorHidesWhileItsCellIsScrolledAway) {
  grid->SetRowCount(30);
  sim::Type(grid, "k");
  grid->SetTopRow(10);
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(grid->GetEditorMode());
  grid->SetTopRow(1);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->GetText(), "k");
  sim::Key(grid, VK_RETURN);
  EXPECT_EQ(Stored, (Log{"1,1=k"}));
}

TEST_F(GridEdit, TheGridAndItsEditorAreOneForEnterAndExit) {
  edit->SetFocus();
  Log focus;
  grid->SetOnEnter([&](TObject*) { focus.push_back("enter"); });
  grid->SetOnExit([&](TObject*) { focus.push_back("exit"); });
  grid->SetFocus();
  sim::Type(grid, "a");   // the editor takes the focus
  sim::Key(grid, VK_RETURN);  // and gives it back
  sim::Key(grid, VK_F2);
  edit->SetFocus();
  EXPECT_EQ(focus, (Log{"enter", "exit"}));
}

TEST_F(GridEdit, TheEditLimitCapsTheText) {
  grid->Limit = 3;
  sim::Type(grid, "abcdef");
  EXPECT_EQ(Editor()->GetText(), "abc");
}

TEST_F(GridEdit, OnKeyDownOfTheGridHearsKeysTypedInTheEditor) {
  Log keys;
  grid->SetOnKeyDown([&](TObject* Sender, Word& Key, TShiftState) {
    EXPECT_EQ(Sender, grid);
    keys.push_back(std::to_string(Key));
  });
  Log chars;
  grid->SetOnKeyPress([&](TObject*, char32_t& Key) { chars.push_back(std::to_string(static_cast<unsigned>(Key))); });
  sim::Key(grid, VK_F2);
  sim::Key(grid, 'A');
  sim::Key(grid, VK_LEFT);
  EXPECT_EQ(keys, (Log{"113", "65", "37"}));
  EXPECT_EQ(chars, (Log{"97"}));
}

struct PickList : GridEdit {
  void SetUp() override {
    GridEdit::SetUp();
    grid->PickColumns = {1};
    grid->EllipsisColumns = {2};
    Cells[{1, 1}] = "green";
  }
};

TEST_F(PickList, AltDownDropsTheChoicesAndEnterTakesTheHighlightedOne) {
  sim::Key(grid, VK_F2);
  TInplaceEditList* editor = grid->ListEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetEditStyle(), esPickList);
  sim::Key(grid, VK_DOWN, ssAlt);
  ASSERT_TRUE(editor->GetListVisible());
  TPopupListbox* list = editor->GetPickList();
  EXPECT_EQ(list->GetItems(), (std::vector<std::string>{"red", "green", "blue"}));
  EXPECT_EQ(list->GetItemIndex(), 1);  // the current text
  EXPECT_EQ(list->GetParent(), form.get());
  // Below the editor, as wide as it.
  const TPoint editorOnForm = editor->ClientToForm({0, 0});
  EXPECT_EQ(list->GetLeft(), editorOnForm.X);
  EXPECT_EQ(list->GetTop(), editorOnForm.Y + editor->GetHeight());
  EXPECT_EQ(list->GetWidth(), editor->GetWidth());
  sim::Key(grid, VK_DOWN);
  sim::Key(grid, VK_RETURN);
  EXPECT_FALSE(editor->GetListVisible());
  EXPECT_TRUE(EditorShown());  // the choice is made; editing goes on
  EXPECT_EQ(editor->GetText(), "blue");
  EXPECT_EQ(Stored, (Log{"1,1=blue"}));
  sim::Key(grid, VK_RETURN);
  EXPECT_FALSE(EditorShown());
}

TEST_F(PickList, AClickOnAChoiceTakesItAndEscapeTakesItBack) {
  sim::Key(grid, VK_F2);
  TInplaceEditList* editor = grid->ListEditor();
  // A press on the button at the editor's right drops the list.
  const int buttonX = editor->GetClientWidth() + editor->GetButtonWidth() / 2;
  sim::Click(editor, buttonX, 5);
  ASSERT_TRUE(editor->GetListVisible());
  TPopupListbox* list = editor->GetPickList();
  EXPECT_TRUE(editor->Focused());  // the list never takes the focus
  sim::Click(list, 10, list->ItemHeight() / 2);  // the first choice
  EXPECT_FALSE(editor->GetListVisible());
  EXPECT_EQ(editor->GetText(), "red");
  EXPECT_EQ(Stored, (Log{"1,1=red"}));
  sim::Key(grid, VK_ESCAPE);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(Cells[(std::pair{1, 1})], "green");
}

TEST_F(PickList, EscapeClosesTheListUnchangedAndTheDropDownCountLimitsItsRows) {
  grid->Choices.clear();
  for (int i = 0; i < 20; ++i) grid->Choices.push_back("item" + std::to_string(i));
  grid->DropDownRows = 4;
  sim::Key(grid, VK_F2);
  TInplaceEditList* editor = grid->ListEditor();
  sim::Key(grid, VK_F4);
  TPopupListbox* list = editor->GetPickList();
  ASSERT_TRUE(editor->GetListVisible());
  EXPECT_EQ(list->GetHeight(), 4 * list->ItemHeight() + 2);
  EXPECT_EQ(list->GetItemIndex(), -1);  // "green" is no choice here
  sim::Key(grid, VK_NEXT);
  sim::Key(grid, VK_NEXT);
  EXPECT_EQ(list->GetItemIndex(), 7);
  EXPECT_EQ(list->GetTopIndex(), 4);
  sim::Key(grid, VK_ESCAPE);
  EXPECT_FALSE(editor->GetListVisible());
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(editor->GetText(), "green");
  EXPECT_TRUE(Stored.empty());
}

TEST_F(PickList, ADoubleClickTakesTheNextChoiceAndTheEllipsisButtonReports) {
  sim::Key(grid, VK_F2);
  TInplaceEditList* editor = grid->ListEditor();
  sim::DblClick(editor, 5, 5);
  EXPECT_EQ(editor->GetText(), "blue");
  sim::AdvanceTime(1000);
  sim::DblClick(editor, 5, 5);
  EXPECT_EQ(editor->GetText(), "red");
  sim::Key(grid, VK_RETURN);
  EXPECT_EQ(Stored, (Log{"1,1=blue", "1,1=red"}));
  ClickCell(2, 1);
  ClickCell(2, 1);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(editor->GetEditStyle(), esEllipsis);
  sim::Click(editor, editor->GetClientWidth() + 3, 5);
  EXPECT_EQ(grid->ButtonClicks, 1);
  sim::Key(editor, VK_F4);
  EXPECT_FALSE(editor->GetListVisible());
  sim::Key(grid, VK_RETURN, ssCtrl);
  EXPECT_EQ(grid->ButtonClicks, 2);
  EXPECT_TRUE(EditorShown());
}

TEST_F(PickList, TheListClosesWhenTheEditorLosesTheFocus) {
  sim::Key(grid, VK_F2);
  TInplaceEditList* editor = grid->ListEditor();
  sim::Key(grid, VK_DOWN, ssAlt);
  ASSERT_TRUE(editor->GetListVisible());
  edit->SetFocus();
  EXPECT_FALSE(editor->GetListVisible());
  EXPECT_FALSE(editor->GetPickList()->GetVisible());
  EXPECT_FALSE(EditorShown());
}

}  // namespace
}  // namespace gadrix
