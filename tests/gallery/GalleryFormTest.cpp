#include <gtest/gtest.h>

#include "CanvasPage.h"
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

// Just left of a control, where the selection frame runs, in the form's coordinates.
TPoint BesideOf(const TControl* Control) { return Control->ClientToForm({-4, 10}); }

TEST(GalleryForm, AClickSelectsAnExhibitForTheInspectorAndFramesIt) {
  TGalleryForm form(nullptr);
  form.Show();
  TCanvasPage* page = form.Page<TCanvasPage>();
  EXPECT_EQ(form.GetSelected(), page->Swatch());
  EXPECT_EQ(form.Inspector()->GetSubject(), page->Swatch());
  EXPECT_EQ(PixelOf(form, BesideOf(page->Swatch())), ColorToRGB(clHighlight));
  sim::Click(page->Showcase(), 30, 30);
  EXPECT_EQ(form.GetSelected(), page->Showcase());
  EXPECT_EQ(form.Inspector()->GetSubject(), page->Showcase());
  EXPECT_EQ(PixelOf(form, BesideOf(page->Swatch())), ColorToRGB(form.GetColor()));
  EXPECT_EQ(PixelOf(form, BesideOf(page->Showcase())), ColorToRGB(clHighlight));
  EXPECT_EQ(page->Exhibits().size(), 3u);
}

TEST(GalleryForm, TheCounterTicksOnTheClockAndTheInspectorFollows) {
  TGalleryForm form(nullptr);
  form.Show();
  TTickCounter* counter = form.Page<TCanvasPage>()->Counter();
  counter->SetCount(0);
  form.Select(counter);
  sim::AdvanceTime(3000);
  EXPECT_EQ(counter->GetCount(), 3);
  TPropertyEditor* inspector = form.Inspector();
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
  TSwatch* swatch = form.Page<TCanvasPage>()->Swatch();
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
  TPropertyEditor* inspector = form.Inspector();
  TSwatch* swatch = form.Page<TCanvasPage>()->Swatch();
  const TRect value = inspector->ValueRect(inspector->RowOf("Top"));
  sim::Click(inspector, value.Left + 10, value.Top + 5);
  sim::Type(inspector, "300");
  sim::Key(inspector, VK_RETURN);
  EXPECT_EQ(swatch->GetTop(), 300);
  EXPECT_EQ(PixelOf(form, BesideOf(swatch)), ColorToRGB(clHighlight));
}

}  // namespace
}  // namespace gallery
