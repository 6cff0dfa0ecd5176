#include <gtest/gtest.h>

#include "GalleryForm.h"

namespace gallery {
namespace {

using namespace gadrix;

TColor PixelOf(TGalleryForm& Form, TPoint P) {
  TBitmap picture;
  picture.SetSize(Form.GetWidth(), Form.GetHeight());
  Form.PaintTo(picture.GetCanvas(), 0, 0);
  return picture.GetCanvas()->GetPixel(P.X, P.Y);
}

// Just left of a control, where the selection frame runs.
TPoint BesideOf(const TControl* Control) { return {Control->GetLeft() - 4, Control->GetTop() + 10}; }

TEST(GalleryForm, AClickSelectsAnExhibitForTheInspectorAndFramesIt) {
  TGalleryForm form(nullptr);
  form.Show();
  EXPECT_EQ(form.GetSelected(), form.Swatch());
  EXPECT_EQ(form.Inspector()->GetSubject(), form.Swatch());
  EXPECT_EQ(PixelOf(form, BesideOf(form.Swatch())), ColorToRGB(clHighlight));
  sim::Click(form.Showcase(), 30, 30);
  EXPECT_EQ(form.GetSelected(), form.Showcase());
  EXPECT_EQ(form.Inspector()->GetSubject(), form.Showcase());
  EXPECT_EQ(PixelOf(form, BesideOf(form.Swatch())), ColorToRGB(form.GetColor()));
  EXPECT_EQ(PixelOf(form, BesideOf(form.Showcase())), ColorToRGB(clHighlight));
  EXPECT_EQ(form.Exhibits().size(), 3u);
}

TEST(GalleryForm, TheCounterTicksOnTheClockAndTheInspectorFollows) {
  TGalleryForm form(nullptr);
  form.Show();
  TTickCounter* counter = form.Counter();
  counter->SetCount(0);
  form.Select(counter);
  sim::AdvanceTime(3000);
  EXPECT_EQ(counter->GetCount(), 3);
  TPropertyInspector* inspector = form.Inspector();
  EXPECT_EQ(inspector->ValueText(inspector->RowOf("Count")), "3");
  sim::Click(counter, 10, 10);  // pauses it
  EXPECT_FALSE(counter->GetActive());
  EXPECT_EQ(inspector->ValueText(inspector->RowOf("Active")), "False");
  sim::AdvanceTime(5000);
  EXPECT_EQ(counter->GetCount(), 3);
}

TEST(GalleryForm, TheSwatchMenuTicksTheCurrentChoicesAndPicksNewOnes) {
  TGalleryForm form(nullptr);
  form.Show();
  TSwatch* swatch = form.Swatch();
  bool blueTicked = false;
  sim::SetPopupHandler([&](TPopupMenu* Menu, int, int) {
    TMenuItem* items = Menu->GetItems();
    blueTicked = items->GetItems(0)->GetChecked() && !items->GetItems(1)->GetChecked();
    for (int i = 0; i < items->GetCount(); ++i) {
      TMenuItem* shapes = items->GetItems(i);
      if (shapes->GetCaption() == "&Shape") shapes->GetItems(2)->Click();
    }
  });
  sim::MouseDown(swatch, mbRight, 0, 20, 20);
  sim::MouseUp(swatch, mbRight, 0, 20, 20);
  sim::SetPopupHandler({});
  EXPECT_TRUE(blueTicked);
  EXPECT_EQ(swatch->GetShape(), wsEllipse);
  EXPECT_EQ(form.Inspector()->ValueText(form.Inspector()->RowOf("Shape")), "wsEllipse");
}

TEST(GalleryForm, EditsInTheInspectorMoveTheControlAndItsFrame) {
  TGalleryForm form(nullptr);
  form.Show();
  TPropertyInspector* inspector = form.Inspector();
  const TRect value = inspector->ValueRect(inspector->RowOf("Top"));
  sim::Click(inspector, value.Left + 10, value.Top + 5);
  sim::Type(inspector, "300");
  sim::Key(inspector, VK_RETURN);
  EXPECT_EQ(form.Swatch()->GetTop(), 300);
  EXPECT_EQ(PixelOf(form, BesideOf(form.Swatch())), ColorToRGB(clHighlight));
}

}  // namespace
}  // namespace gallery
