#include <gtest/gtest.h>

#include <memory>

#include "platform/CanvasTestSupport.h"
#include "platform/ControlTestSupport.h"

namespace gadrix {
namespace {

using testing::TLineShape;
using testing::TProbe;

TColor At(TForm& Form, int X, int Y) { return Form.BackBuffer().Row(Y)[X]; }

TEST(Painting, ParentFirstThenChildrenClippedToTheirBoundsAtTheirOrigin) {
  TForm form(nullptr);
  form.SetColor(clYellow);
  auto* panel = new TWinControl(&form);
  panel->SetParent(&form);
  panel->SetBounds(20, 20, 60, 40);
  panel->SetColor(clGreen);
  auto* probe = new TProbe(&form);
  probe->SetParent(panel);
  probe->SetBounds(50, 30, 40, 40);  // sticks out of the panel on the right and at the bottom
  form.Show();
  form.PaintPending();
  EXPECT_EQ(At(form, 5, 5), clYellow);
  EXPECT_EQ(At(form, 25, 25), clGreen);
  EXPECT_EQ(At(form, 70, 50), clRed);     // the probe at (20 + 50, 20 + 30)
  EXPECT_EQ(At(form, 79, 59), clRed);     // the panel's last pixel
  EXPECT_EQ(At(form, 80, 55), clYellow);  // beyond the panel: clipped away
  EXPECT_EQ(At(form, 75, 60), clYellow);
}

TEST(Painting, ATransparentControlShowsItsParentBehindIt) {
  TForm form(nullptr);
  form.SetColor(clYellow);
  auto* line = new TLineShape(&form);
  line->SetParent(&form);
  line->SetBounds(10, 10, 20, 20);
  form.Show();
  form.PaintPending();
  EXPECT_EQ(At(form, 10, 10), clBlue);
  EXPECT_EQ(At(form, 15, 15), clBlue);
  EXPECT_EQ(At(form, 25, 12), clYellow);  // not painted by the line: the form shows through
  // Changing the parent repaints what lies behind the control too.
  form.SetColor(clAqua);
  form.PaintPending();
  EXPECT_EQ(At(form, 25, 12), clAqua);
  EXPECT_EQ(At(form, 15, 15), clBlue);
}

TEST(Painting, InvalidatingOneControlRepaintsOnlyItsArea) {
  TForm form(nullptr);
  auto* a = new TProbe(&form);
  a->SetParent(&form);
  a->SetBounds(0, 0, 20, 20);
  auto* b = new TProbe(&form);
  b->SetParent(&form);
  b->SetBounds(100, 100, 20, 20);
  form.Show();
  form.PaintPending();
  EXPECT_TRUE(form.DirtyRects().empty());
  const int aPaints = a->Paints, bPaints = b->Paints;
  a->Invalidate();
  ASSERT_EQ(form.DirtyRects().size(), 1u);
  EXPECT_EQ(form.DirtyRects()[0], Rect(0, 0, 20, 20));
  form.PaintPending();
  EXPECT_EQ(a->Paints, aPaints + 1);
  EXPECT_EQ(b->Paints, bPaints);
}

TEST(Painting, RepaintDrawsAtOnceAndHiddenControlsDoNotPaint) {
  TForm form(nullptr);
  auto* a = new TProbe(&form);
  a->SetParent(&form);
  a->SetBounds(0, 0, 20, 20);
  form.Show();
  form.PaintPending();
  a->Fill = clBlue;
  a->Repaint();
  EXPECT_EQ(At(form, 5, 5), clBlue);
  a->SetVisible(false);
  form.PaintPending();
  EXPECT_EQ(At(form, 5, 5), ColorToRGB(clBtnFace));
  const int paints = a->Paints;
  a->Repaint();
  EXPECT_EQ(a->Paints, paints);
}

TEST(Painting, PaintToDrawsAControlAndItsChildrenIntoAnyCanvas) {
  auto* panel = new TWinControl(nullptr);
  std::unique_ptr<TWinControl> owner(panel);
  panel->SetBounds(0, 0, 30, 20);
  panel->SetColor(clGreen);
  auto* child = new TProbe(panel);
  child->SetParent(panel);
  child->SetBounds(10, 5, 10, 10);
  TBitmap bmp;
  bmp.SetSize(50, 40);
  panel->PaintTo(bmp.GetCanvas(), 5, 7);
  EXPECT_EQ(bmp.GetCanvas()->GetPixel(4, 7), clWhite);
  EXPECT_EQ(bmp.GetCanvas()->GetPixel(5, 7), clGreen);
  EXPECT_EQ(bmp.GetCanvas()->GetPixel(15, 12), clRed);
  EXPECT_EQ(bmp.GetCanvas()->GetPixel(34, 26), clGreen);
  EXPECT_EQ(bmp.GetCanvas()->GetPixel(35, 27), clWhite);
}

TEST(Painting, FontAndColourComeFromTheParentUntilSetOwnHand) {
  TForm form(nullptr);
  auto* a = new TProbe(&form);
  a->SetParent(&form);
  form.GetFont()->SetSize(14);
  EXPECT_EQ(a->GetFont()->GetSize(), 14);
  a->GetFont()->SetName("Arial");
  EXPECT_FALSE(a->GetParentFont());
  form.GetFont()->SetSize(20);
  EXPECT_EQ(a->GetFont()->GetSize(), 14);
  a->SetParentColor(true);
  form.SetColor(clNavy);
  EXPECT_EQ(a->GetColor(), clNavy);
}

TEST(Painting, ResizeEventsFollowSizeChangesOnly) {
  TForm form(nullptr);
  auto* a = new TProbe(&form);
  int resizes = 0;
  a->SetOnResize([&](TObject*) { ++resizes; });
  a->SetBounds(0, 0, 10, 10);
  a->SetLeft(5);
  a->SetWidth(12);
  a->SetWidth(12);
  EXPECT_EQ(resizes, 2);
  a->SetWidth(-4);
  EXPECT_EQ(a->GetWidth(), 0);
}

}  // namespace
}  // namespace gadrix
