// TNumIO2: the pixels of box, buttons, gauge, texts, caret and selection.
//
// The default control is 160 x 28 with the box at x 35, 80 wide: its outline covers columns 35 to
// 116, the 3-D lines of styles 2 to 5 lie at column 36 / row 1 (inner) and column 117 / row 27
// (outer). The buttons start at x 118, the gauge band is the bottom 12 rows.

#include "numeric/NumIO2TestSupport.h"

namespace gadrix {
namespace {

using testing::NumIO2Test;

const TColor kFace = ColorToRGB(clBtnFace);
const TColor kWarn = 0x88FFF0;

struct Paint : NumIO2Test {
  std::unique_ptr<TBitmap> picture;
  TColor At(int X, int Y) const { return picture->GetCanvas()->GetPixel(X, Y); }
  void Take() { picture = Picture(); }

  // A bitmap of the control's size filled with Background, drawing in the control's font.
  std::unique_ptr<TBitmap> Reference(TColor Background) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(n->GetWidth(), n->GetHeight());
    TCanvas* c = bitmap->GetCanvas();
    c->GetBrush()->SetColor(Background);
    c->FillRect({0, 0, n->GetWidth(), n->GetHeight()});
    c->GetFont()->Assign(n->GetFont());
    return bitmap;
  }
  int TextTop(int Band = 0) {
    return (n->GetHeight() - Band - Reference(0)->GetCanvas()->TextHeight("(8g]}\xC3\x9C\xC3\x84\xC2\xA7")) / 2;
  }
  void ExpectArea(const TBitmap& Expected, const TRect& Area) {
    for (int y = Area.Top; y < Area.Bottom; ++y)
      for (int x = Area.Left; x < Area.Right; ++x)
        ASSERT_EQ(At(x, y), Expected.GetCanvas()->GetPixel(x, y)) << "at " << x << ", " << y;
  }
};

TEST_F(Paint, BoxFrameStylesDrawOutlineAndThreeDLines) {
  struct Case {
    TFrameStyle Style;
    TColor Outline, Inner, Outer;
  };
  for (const Case& k : {Case{2, clGray, clBlack, clWhite}, Case{3, clGray, clWhite, clBlack},
                        Case{4, clWhite, clGray, clGray}, Case{5, clGray, clWhite, clWhite}}) {
    n->SetFrameStyle(k.Style);
    Take();
    SCOPED_TRACE(int(k.Style));
    EXPECT_EQ(At(35, 10), k.Outline);
    EXPECT_EQ(At(116, 10), k.Outline);
    EXPECT_EQ(At(60, 26), k.Outline);
    EXPECT_EQ(At(36, 10), k.Inner);
    EXPECT_EQ(At(60, 1), k.Inner);
    EXPECT_EQ(At(117, 10), k.Outer);
    EXPECT_EQ(At(60, 27), k.Outer);
    EXPECT_EQ(At(117, 0), kFace);  // the outer line's end point is not drawn
    EXPECT_EQ(At(50, 5), clWhite);
  }
  n->SetFrameStyle(1);
  Take();
  EXPECT_EQ(At(35, 10), clGray);
  EXPECT_EQ(At(60, 27), clGray);
  EXPECT_EQ(At(36, 10), clWhite);
  EXPECT_EQ(At(117, 10), kFace);
  n->SetFrameStyle(0);
  Take();
  EXPECT_EQ(At(35, 10), clWhite);
  EXPECT_EQ(At(116, 27), clWhite);
  EXPECT_EQ(At(117, 10), kFace);
  EXPECT_EQ(At(2, 2), kFace);
}

TEST_F(Paint, ColorSchemeSetsTheGreyAndWhiteLines) {
  n->SetColorScheme(1);
  Take();
  EXPECT_EQ(At(35, 10), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(117, 10), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(36, 10), clBlack);
}

TEST_F(Paint, OutOfRangeShowsTheWarningColoursInBoxAndText) {
  n->SetText("2000");
  Take();
  EXPECT_EQ(At(50, 5), kWarn);
  EXPECT_EQ(At(35, 10), clGray);
  const int s = 28 - 4, w = Reference(0)->GetCanvas()->TextWidth("2000");
  auto expected = Reference(0);
  TCanvas* c = expected->GetCanvas();
  c->GetBrush()->SetColor(kWarn);
  c->GetFont()->SetColor(clRed);
  const TRect clip{38, 2, 114, s + 1};
  c->TextRect(clip, 35 + (80 - w) / 2 + 2, TextTop(), "2000");
  ExpectArea(*expected, clip);
  n->SetFrameStyle(0);  // without an outline the pen takes the warning colour too
  Take();
  EXPECT_EQ(At(35, 10), kWarn);
  n->SetText("999");
  Take();
  EXPECT_EQ(At(35, 10), clWhite);
}

TEST_F(Paint, ValueTextIsPlacedByAlignmentAndClippedToTheBox) {
  n->SetRangeHigh(1e30);
  n->SetText("12345678901234567890");  // wider than the box
  for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
    n->SetAlignment(alignment);
    Take();
    auto expected = Reference(0);
    TCanvas* c = expected->GetCanvas();
    const int w = c->TextWidth(n->GetText());
    const int x = alignment == taLeftJustify    ? 35 + 4
                  : alignment == taRightJustify ? 35 + 80 - w - 2
                                                : 35 + (80 - w) / 2 + 2;
    c->GetBrush()->SetColor(clWhite);
    c->GetFont()->SetColor(clBlack);
    const TRect clip{38, 2, 114, 25};
    c->TextRect(clip, x, TextTop(), n->GetText());
    SCOPED_TRACE(int(alignment));
    ExpectArea(*expected, clip);
    EXPECT_EQ(At(36, 12), clBlack);  // the inner line, not overdrawn
  }
}

TEST_F(Paint, SideTextsAreAlignedInTheirAreasAndEmbossedWhenDisabled) {
  n->SetLeftText("x =");
  n->SetRightText("mm");
  Take();
  auto expected = Reference(kFace);
  TCanvas* c = expected->GetCanvas();
  c->GetBrush()->SetColor(kFace);
  c->GetFont()->SetColor(clBlack);
  const int ty = TextTop();
  c->TextOut(35 - c->TextWidth("x =") - 5, ty, "x =");
  c->TextOut(35 + 80 + 7, ty, "mm");
  ExpectArea(*expected, {0, 0, 35, 28});
  ExpectArea(*expected, {118, 0, 160, 28});

  n->SetLeftTextAlignment(taLeftJustify);
  n->SetRightTextAlignment(taRightJustify);
  n->SetEnabled(false);
  Take();
  expected = Reference(kFace);
  c = expected->GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  for (int pass = 0; pass < 2; ++pass) {
    const int shift = pass == 0 ? 1 : 0;
    c->GetFont()->SetColor(pass == 0 ? clWhite : clGray);
    c->TextOut(7 + shift, ty + shift, "x =");
    c->TextOut(160 - c->TextWidth("mm") - 6 + shift, ty + shift, "mm");
  }
  ExpectArea(*expected, {0, 0, 35, 28});
  ExpectArea(*expected, {118, 0, 160, 28});
  EXPECT_EQ(At(50, 5), clSilver);  // the disabled box
}

TEST_F(Paint, ButtonsHaveOutlinePartingLineThreeDLinesAndArrows) {
  n->SetButVisible(true);
  Take();
  EXPECT_EQ(At(118, 5), clGray);   // outline
  EXPECT_EQ(At(136, 5), clGray);
  EXPECT_EQ(At(125, 26), clGray);
  EXPECT_EQ(At(121, 13), clGray);  // parting line at hb - 1
  EXPECT_EQ(At(119, 5), clWhite);  // highlight of the upper button
  EXPECT_EQ(At(125, 1), clWhite);
  EXPECT_EQ(At(125, 14), clWhite);  // and of the lower one
  EXPECT_EQ(At(137, 10), clBlack);  // shadow
  EXPECT_EQ(At(125, 27), clBlack);
  EXPECT_EQ(At(123, 4), clSilver);  // face
  // Arrows around m = 127: rows of 2, 4 and 6 pixels, their end points left out.
  for (int dx : {0, 1}) EXPECT_EQ(At(127 + dx, 6), clBlack);
  EXPECT_EQ(At(129, 6), clSilver);
  EXPECT_EQ(At(126, 6), clSilver);
  EXPECT_EQ(At(125, 8), clBlack);
  EXPECT_EQ(At(130, 8), clBlack);
  EXPECT_EQ(At(131, 8), clSilver);
  EXPECT_EQ(At(127, 21), clBlack);
  EXPECT_EQ(At(129, 21), clSilver);
  EXPECT_EQ(At(125, 19), clBlack);
  EXPECT_EQ(At(131, 19), clSilver);
  n->SetBut3D(false);
  n->SetEnabled(false);
  Take();
  EXPECT_EQ(At(119, 5), clSilver);
  EXPECT_EQ(At(137, 10), kFace);
  EXPECT_EQ(At(127, 6), clGray);
}

TEST_F(Paint, GaugeBarLengthFollowsTheValueWithinTheRange) {
  n->SetGaugeVisible(true);  // bar rows 19 to 26, x 35 to 116
  n->SetValue(500);
  Take();
  EXPECT_EQ(At(37, 23), clNavy);
  EXPECT_EQ(At(75, 23), clNavy);  // round(82 * 0.5) = 41 columns
  EXPECT_EQ(At(76, 23), clSilver);
  EXPECT_EQ(At(35, 23), clGray);   // outline over the bar
  EXPECT_EQ(At(36, 23), clBlack);  // inner line
  EXPECT_EQ(At(60, 20), clBlack);
  EXPECT_EQ(At(117, 23), clWhite);  // outer lines
  EXPECT_EQ(At(60, 27), clWhite);
  EXPECT_EQ(At(50, 5), clWhite);    // the box, now above the band
  EXPECT_EQ(At(60, 14), clGray);    // its bottom outline at 28 - 12 - 2
  n->SetValue(0);
  Take();
  EXPECT_EQ(At(37, 23), clSilver);
  n->SetValue(2000);
  Take();
  EXPECT_EQ(At(115, 23), clNavy);
  n->SetRangeLow(1000);
  n->SetRangeHigh(1000);
  n->SetValue(0);
  Take();
  EXPECT_EQ(At(115, 23), clNavy);  // equal limits: a full bar
}

TEST_F(Paint, GaugeFrameStylesAndTheDisabledBar) {
  n->SetGaugeVisible(true);
  n->SetValue(500);
  n->SetGaugeFrameStyle(1);
  n->SetGaugeColorFrame(clRed);
  Take();
  EXPECT_EQ(At(35, 23), clRed);
  EXPECT_EQ(At(100, 19), clRed);
  EXPECT_EQ(At(36, 23), clNavy);
  EXPECT_EQ(At(117, 23), kFace);
  n->SetGaugeFrameStyle(0);
  Take();
  EXPECT_EQ(At(35, 23), clNavy);
  EXPECT_EQ(At(100, 19), clSilver);
  n->SetEnabled(false);
  Take();
  EXPECT_EQ(At(50, 23), clGray);
}

TEST_F(Paint, SelectionIsInvertedWhileFocusedOrWhenNotHidden) {
  n->SetText("123.45");
  n->SetSelBegin(1);
  n->SetSelEnd(4);
  const int x1 = n->XOfPosition(1), x2 = n->XOfPosition(4);
  Take();
  EXPECT_EQ(At(x1, 3), clWhite);
  n->SetHideSelection(false);
  Take();
  EXPECT_EQ(At(x1, 3), clBlack);
  EXPECT_EQ(At(x2 - 2, 24), clBlack);
  EXPECT_EQ(At(x1 - 1, 3), clWhite);
  EXPECT_EQ(At(x1, 25), clWhite);
  n->SetHideSelection(true);
  n->SetFocus();
  Take();
  EXPECT_EQ(At(x1 + 1, 3), clBlack);
}

TEST_F(Paint, NothingIsDrawnWhileInvisible) {
  n->SetVisible(false);
  TBitmap target;
  target.SetSize(160, 28);
  target.GetCanvas()->GetBrush()->SetColor(clLime);
  target.GetCanvas()->FillRect({0, 0, 160, 28});
  n->PaintTo(target.GetCanvas(), 0, 0);
  EXPECT_EQ(target.GetCanvas()->GetPixel(50, 5), clLime);
}

}  // namespace
}  // namespace gadrix
