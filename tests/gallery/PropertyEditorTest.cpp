#include <gtest/gtest.h>

#include <memory>

#include "PropertyEditor.h"
#include "Swatch.h"

namespace gallery {
namespace {

using namespace gadrix;

class PropertyEditorTest : public ::testing::Test {
protected:
  PropertyEditorTest() : form_(new TForm(nullptr)) {
    form_->SetBounds(0, 0, 700, 700);
    swatch_ = new TSwatch(form_.get());
    swatch_->SetName("Patch");
    swatch_->SetBounds(10, 10, 100, 80);
    swatch_->SetParent(form_.get());
    inspector_ = new TPropertyEditor(form_.get());
    inspector_->SetBounds(300, 0, 380, 690);
    inspector_->SetParent(form_.get());
    inspector_->SetOnEdited([this](TObject*) { ++edits_; });
    inspector_->SetSubject(swatch_);
    form_->Show();
  }

  int Row(const std::string& Path) const {
    const int row = inspector_->RowOf(Path);
    EXPECT_GE(row, 0) << Path;
    return row;
  }
  void ClickValue(const std::string& Path) {
    const TRect r = inspector_->ValueRect(Row(Path));
    sim::Click(inspector_, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void ClickName(const std::string& Path) {
    const TRect r = inspector_->RowRect(Row(Path));
    sim::Click(inspector_, r.Left + 40, (r.Top + r.Bottom) / 2);
  }
  std::string Value(const std::string& Path) const { return inspector_->ValueText(Row(Path)); }

  std::unique_ptr<TForm> form_;
  TSwatch* swatch_;
  TPropertyEditor* inspector_;
  int edits_ = 0;
};

TEST_F(PropertyEditorTest, ShowsEachPublishedPropertyWithItsValue) {
  EXPECT_EQ(inspector_->RowCount(), static_cast<int>(TSwatch::StaticClassInfo().Properties().size()));
  EXPECT_EQ(inspector_->RowPath(0), "Name");
  EXPECT_EQ(Value("Name"), "Patch");
  EXPECT_EQ(Value("Left"), "10");
  EXPECT_EQ(Value("Shape"), "wsRoundRect");
  EXPECT_EQ(Value("Clicks"), "0");
  EXPECT_EQ(inspector_->GetSelectedRow(), 0);
  // The values are read as they are shown: a change by the swatch itself shows up.
  sim::Click(swatch_, 5, 5);
  EXPECT_EQ(Value("Clicks"), "1");
  inspector_->SetSubject(nullptr);
  EXPECT_EQ(inspector_->RowCount(), 0);
  EXPECT_EQ(inspector_->GetSelectedRow(), -1);
}

TEST_F(PropertyEditorTest, AClickMovesBooleansAndEnumerationsOn) {
  ClickValue("Shape");
  EXPECT_EQ(swatch_->GetShape(), wsEllipse);
  EXPECT_EQ(Value("Shape"), "wsEllipse");
  ClickValue("Visible");
  EXPECT_FALSE(swatch_->GetVisible());
  ClickValue("Visible");
  EXPECT_TRUE(swatch_->GetVisible());
  EXPECT_EQ(edits_, 3);
  // A click on the name only selects the row.
  ClickName("Enabled");
  EXPECT_TRUE(swatch_->GetEnabled());
  EXPECT_EQ(inspector_->GetSelectedRow(), Row("Enabled"));
  EXPECT_EQ(edits_, 3);
}

TEST_F(PropertyEditorTest, TypedValuesAreEditedAndCommittedWithEnter) {
  ClickValue("Caption");
  ASSERT_TRUE(inspector_->IsEditing());
  EXPECT_EQ(inspector_->EditText(), "");  // a new swatch has no caption
  sim::Type(inspector_, "Hello \xC3\xA9");
  EXPECT_EQ(swatch_->GetCaption(), "");
  sim::Key(inspector_, VK_RETURN);
  EXPECT_FALSE(inspector_->IsEditing());
  EXPECT_EQ(swatch_->GetCaption(), "Hello \xC3\xA9");
  EXPECT_EQ(edits_, 1);

  // The editor opens with the whole value selected: the first key replaces it.
  ClickValue("Width");
  EXPECT_EQ(inspector_->EditText(), "100");
  EXPECT_TRUE(inspector_->IsEditTextSelected());
  sim::Type(inspector_, "64");
  EXPECT_EQ(inspector_->EditText(), "64");
  sim::Key(inspector_, VK_BACK);
  sim::Type(inspector_, "0");
  sim::Key(inspector_, VK_RETURN);
  EXPECT_EQ(swatch_->GetWidth(), 60);
}

TEST_F(PropertyEditorTest, ABadValueBeepsAndStaysInTheEditorUntilMendedOrCancelled) {
  const int beeps = sim::BeepCount();
  ClickValue("Left");
  sim::Type(inspector_, "12o");
  sim::Key(inspector_, VK_RETURN);
  EXPECT_EQ(sim::BeepCount(), beeps + 1);
  EXPECT_TRUE(inspector_->IsEditing());
  EXPECT_EQ(inspector_->ErrorText(), "'12o' is not a valid integer value");
  EXPECT_EQ(swatch_->GetLeft(), 10);
  EXPECT_EQ(edits_, 0);
  // A click on another row cannot leave a bad value behind either.
  ClickValue("Top");
  EXPECT_EQ(inspector_->GetSelectedRow(), Row("Left"));
  sim::Key(inspector_, VK_BACK);
  sim::Key(inspector_, VK_RETURN);
  EXPECT_EQ(swatch_->GetLeft(), 12);
  EXPECT_EQ(inspector_->ErrorText(), "");

  ClickValue("Top");
  sim::Type(inspector_, "99");
  sim::Key(inspector_, VK_ESCAPE);
  EXPECT_FALSE(inspector_->IsEditing());
  EXPECT_EQ(swatch_->GetTop(), 10);
}

TEST_F(PropertyEditorTest, KeysSelectRowsTypeIntoThemAndToggleThem) {
  inspector_->SetFocus();
  sim::Key(inspector_, VK_DOWN);
  sim::Key(inspector_, VK_DOWN);
  EXPECT_EQ(inspector_->RowPath(inspector_->GetSelectedRow()), "Left");
  sim::Type(inspector_, "33");  // typing on a typed row opens the editor
  sim::Key(inspector_, VK_DOWN);  // and moving on commits it
  EXPECT_EQ(swatch_->GetLeft(), 33);
  EXPECT_EQ(inspector_->RowPath(inspector_->GetSelectedRow()), "Top");
  sim::Key(inspector_, VK_UP);
  sim::Key(inspector_, VK_UP);
  sim::Key(inspector_, VK_UP);
  sim::Key(inspector_, VK_UP);
  EXPECT_EQ(inspector_->GetSelectedRow(), 0);

  inspector_->SetSelectedRow(Row("Enabled"));
  sim::Key(inspector_, VK_SPACE);
  EXPECT_FALSE(swatch_->GetEnabled());
  sim::Key(inspector_, VK_RETURN);
  EXPECT_TRUE(swatch_->GetEnabled());
  sim::Type(inspector_, "x");  // a boolean takes no text
  EXPECT_FALSE(inspector_->IsEditing());
}

TEST_F(PropertyEditorTest, NestedObjectsAndSetsFoldOut) {
  EXPECT_EQ(inspector_->RowOf("Font.Size"), -1);
  ClickName("Font");
  EXPECT_TRUE(inspector_->IsExpanded("Font"));
  EXPECT_EQ(Value("Font.Size"), "8");
  EXPECT_EQ(inspector_->RowOf("Font.Style.fsBold"), -1);
  ClickValue("Font.Style");
  ClickValue("Font.Style.fsItalic");
  EXPECT_EQ(swatch_->GetFont()->GetStyle(), fsItalic);
  EXPECT_EQ(Value("Font.Style"), "[fsItalic]");
  ClickValue("Font.Size");
  sim::Type(inspector_, "12");
  sim::Key(inspector_, VK_RETURN);
  EXPECT_EQ(swatch_->GetFont()->GetSize(), 12);
  // Folding in keeps the selection on its property when that stays in view.
  ClickName("Font");
  EXPECT_EQ(inspector_->RowOf("Font.Size"), -1);
  EXPECT_EQ(inspector_->RowPath(inspector_->GetSelectedRow()), "Font");
}

TEST_F(PropertyEditorTest, TheWheelScrollsWithinTheRows) {
  inspector_->SetHeight(TPropertyEditor::HeaderHeight + TPropertyEditor::StatusHeight + 100);
  const int visible = 100 / inspector_->RowRect(0).Height();
  sim::Wheel(inspector_, -WHEEL_DELTA, 50, 50);
  EXPECT_EQ(inspector_->GetTopRow(), 3);
  EXPECT_TRUE(inspector_->RowRect(0).IsEmpty());
  EXPECT_FALSE(inspector_->RowRect(3).IsEmpty());
  for (int i = 0; i < 20; ++i) sim::Wheel(inspector_, -WHEEL_DELTA, 50, 50);
  EXPECT_EQ(inspector_->GetTopRow(), inspector_->RowCount() - visible);
  for (int i = 0; i < 20; ++i) sim::Wheel(inspector_, WHEEL_DELTA, 50, 50);
  EXPECT_EQ(inspector_->GetTopRow(), 0);
  // Selecting a row out of view scrolls it in.
  inspector_->SetSelectedRow(inspector_->RowCount() - 1);
  EXPECT_FALSE(inspector_->RowRect(inspector_->RowCount() - 1).IsEmpty());
}

TEST_F(PropertyEditorTest, ASubjectThatIsDestroyedLeavesAnEmptyInspector) {
  ClickValue("Caption");
  delete swatch_;
  EXPECT_EQ(inspector_->GetSubject(), nullptr);
  EXPECT_EQ(inspector_->RowCount(), 0);
  EXPECT_FALSE(inspector_->IsEditing());
  TBitmap picture;
  picture.SetSize(inspector_->GetWidth(), inspector_->GetHeight());
  inspector_->PaintTo(picture.GetCanvas(), 0, 0);
  sim::Key(inspector_, VK_RETURN);
  sim::Click(inspector_, 100, 100);
}

TEST_F(PropertyEditorTest, PaintsTheSelectionAndColourSamples) {
  swatch_->SetColor(RGB(10, 200, 30));
  inspector_->SetFocus();
  inspector_->SetSelectedRow(Row("Left"));
  TBitmap picture;
  picture.SetSize(inspector_->GetWidth(), inspector_->GetHeight());
  inspector_->PaintTo(picture.GetCanvas(), 0, 0);
  const TRect left = inspector_->RowRect(Row("Left"));
  EXPECT_EQ(picture.GetCanvas()->GetPixel(left.Left + 2, left.Top + 2), ColorToRGB(clHighlight));
  const TRect color = inspector_->ValueRect(Row("Color"));
  EXPECT_EQ(picture.GetCanvas()->GetPixel(color.Left + 10, (color.Top + color.Bottom) / 2), RGB(10, 200, 30));
  // Values stand on the window colour; the editor's selected text on the highlight.
  const TRect width = inspector_->ValueRect(Row("Width"));
  EXPECT_EQ(picture.GetCanvas()->GetPixel(width.Left + 6, width.Top + 1), ColorToRGB(clWindow));
  ClickValue("Width");
  inspector_->PaintTo(picture.GetCanvas(), 0, 0);
  EXPECT_EQ(picture.GetCanvas()->GetPixel(width.Left + 6, width.Top + 1), ColorToRGB(clHighlight));
}

}  // namespace
}  // namespace gallery
