// TNumLab: properties, the text road from value to box, pixels of the box and the side texts,
// the disabled look, transparency and the mouse area.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "gadrix/helmar/Drawing.h"
#include "gadrix/numeric/NumLab.h"
#include "gadrix/platform/controls/Controls.h"

using namespace gadrix;

namespace {

constexpr TColor kOut = 0x30C0F0;  // the colours the pixel tests paint with
constexpr TColor kBox = 0xE0FFE0;
constexpr TColor kInk = 0x602000;
const char* const kProbe = "(8g]}\u00DC\u00C4\u00A7";

class NumLabTest : public ::testing::Test {
protected:
  NumLabTest() {
    lab = new TNumLab(&form);
    lab->SetParent(&form);
  }

  std::unique_ptr<TBitmap> Render() const {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(lab->GetWidth(), lab->GetHeight());
    lab->PaintTo(bitmap->GetCanvas(), 0, 0);
    return bitmap;
  }

  // A bitmap of the label's size filled with Back, with Text at (X, Y) in Color and the label's font.
  std::unique_ptr<TBitmap> TextImage(const std::string& Text, int X, int Y, TColor Color, TColor Back) const {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(lab->GetWidth(), lab->GetHeight());
    TCanvas* c = bitmap->GetCanvas();
    c->GetBrush()->SetColor(Back);
    c->FillRect(Rect(0, 0, lab->GetWidth(), lab->GetHeight()));
    c->SetFont(lab->GetFont());
    c->GetFont()->SetColor(Color);
    c->TextOut(X, Y, Text);
    return bitmap;
  }

  int Measure(const std::string& Text) const {
    TBitmap b;
    b.GetCanvas()->SetFont(lab->GetFont());
    return b.GetCanvas()->TextWidth(Text);
  }
  int TextTop() const {
    TBitmap b;
    b.GetCanvas()->SetFont(lab->GetFont());
    return (lab->GetHeight() - b.GetCanvas()->TextHeight(kProbe)) / 2;
  }

  void UseTestColours() {
    lab->SetColorOutBakG(kOut);
    lab->SetColorLabBakG(kBox);
    lab->SetColorOutText(kInk);
    lab->SetColorLabText(kInk);
  }

  TRect ValueArea() const {
    return Rect(lab->GetLeftSpace() + 3, 2, lab->GetLeftSpace() + lab->GetLabelWidth() - 1, lab->GetHeight() - 3);
  }

  TForm form{nullptr};
  TNumLab* lab;
};

// Every pixel of Area is the same in both bitmaps.
void ExpectSameArea(const TBitmap& Actual, const TBitmap& Expected, const TRect& Area) {
  int differences = 0;
  for (int y = Area.Top; y < Area.Bottom; ++y)
    for (int x = Area.Left; x < Area.Right; ++x)
      if (Actual.ScanLine(y)[x] != Expected.ScanLine(y)[x] && ++differences <= 3)
        ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << Actual.ScanLine(y)[x] << " instead of "
                      << Expected.ScanLine(y)[x];
  EXPECT_EQ(differences, 0);
}

TColor Pixel(const TBitmap& B, int X, int Y) { return B.ScanLine(Y)[X]; }

}  // namespace

// --- properties -------------------------------------------------------------------------------

TEST_F(NumLabTest, DefaultsAreThoseOfANewLabel) {
  EXPECT_EQ(lab->GetWidth(), 160);
  EXPECT_EQ(lab->GetHeight(), 28);
  EXPECT_EQ(lab->GetValue(), 0.0);
  EXPECT_EQ(lab->GetDisplayType(), dtFixP);
  EXPECT_EQ(lab->GetPrecision(), 2);
  EXPECT_FALSE(lab->GetComma());
  EXPECT_FALSE(lab->GetForcePlusSign());
  EXPECT_EQ(lab->GetDTFormat(), "mmm-dd, yyyy");
  EXPECT_EQ(lab->GetStateText(), "undefined");
  EXPECT_EQ(lab->GetOverflowIndicator(), "*********");
  EXPECT_FALSE(lab->GetEmpty());
  EXPECT_EQ(lab->GetLabelWidth(), 80);
  EXPECT_EQ(lab->GetLeftSpace(), 35);
  EXPECT_EQ(lab->GetLeftText(), "");
  EXPECT_EQ(lab->GetRightText(), "");
  EXPECT_EQ(lab->GetAlignment(), taCenter);
  EXPECT_EQ(lab->GetLeftTextAlignment(), taRightJustify);
  EXPECT_EQ(lab->GetRightTextAlignment(), taLeftJustify);
  EXPECT_EQ(lab->GetColorLabBakG(), clBtnFace);
  EXPECT_EQ(lab->GetColorLabText(), clBlack);
  EXPECT_EQ(lab->GetColorOutBakG(), clBtnFace);
  EXPECT_EQ(lab->GetColorOutText(), clBlack);
  EXPECT_EQ(lab->GetColorScheme(), 0);
  EXPECT_EQ(lab->GetFrameStyle(), 2);
  EXPECT_FALSE(lab->GetTransparent());
  EXPECT_TRUE(lab->GetEnabled());
  EXPECT_EQ(lab->GetMouseAreaCode(), kNumLabAreaLeft);
}

TEST_F(NumLabTest, SettersClampOrIgnoreWhatIsOutOfRange) {
  lab->SetPrecision(-1);
  EXPECT_EQ(lab->GetPrecision(), 2);
  lab->SetPrecision(20);
  EXPECT_EQ(lab->GetPrecision(), 15);
  lab->SetPrecision(0);
  EXPECT_EQ(lab->GetPrecision(), 0);
  lab->SetLeftSpace(-5);
  EXPECT_EQ(lab->GetLeftSpace(), 35);
  lab->SetLeftSpace(500);
  EXPECT_EQ(lab->GetLeftSpace(), 160);
  lab->SetLabelWidth(-3);  // not clamped
  EXPECT_EQ(lab->GetLabelWidth(), -3);
  lab->SetDisplayType(static_cast<TDisplay>(15));
  EXPECT_EQ(lab->GetDisplayType(), dtFixP);
  lab->SetAlignment(static_cast<TAlignment>(3));
  EXPECT_EQ(lab->GetAlignment(), taCenter);
  lab->SetColorScheme(1);
  EXPECT_EQ(lab->GetColorScheme(), 1);
}

TEST_F(NumLabTest, AnUnchangedValueDoesNotPaintAgain) {
  form.Show();
  int paints = 0;
  lab->SetOnBeforeDisplay([&](TObject*, std::string&) { ++paints; });
  lab->SetValue(1.5);
  EXPECT_EQ(paints, 1);  // painted at once
  lab->SetValue(1.5);
  lab->SetPrecision(2);
  EXPECT_EQ(paints, 1);
  lab->SetComma(true);
  EXPECT_EQ(paints, 2);
}

TEST_F(NumLabTest, TransparentLabelsInvalidateInsteadOfPaintingAtOnce) {
  form.Show();
  form.PaintPending();
  lab->SetValue(2);
  EXPECT_TRUE(form.DirtyRects().empty());
  lab->SetTransparent(true);
  form.PaintPending();
  lab->SetValue(3);
  ASSERT_EQ(form.DirtyRects().size(), 1u);
  EXPECT_EQ(form.DirtyRects()[0], lab->GetBoundsRect());
  form.PaintPending();
  lab->SetEnabled(false);  // the disabled look is a change like any other
  EXPECT_FALSE(form.DirtyRects().empty());
}

TEST_F(NumLabTest, AssignCopiesTheLabelsSettingsButNotTheSeparatorSignOrPattern) {
  auto* other = new TNumLab(&form);
  other->SetValue(7.25);
  other->SetDisplayType(dtExp);
  other->SetPrecision(5);
  other->SetLeftSpace(10);
  other->SetLabelWidth(60);
  other->SetEmpty(true);
  other->SetLeftText("L");
  other->SetRightText("R");
  other->SetFrameStyle(4);
  other->SetAlignment(taLeftJustify);
  other->SetLeftTextAlignment(taCenter);
  other->SetRightTextAlignment(taRightJustify);
  other->SetOverflowIndicator("#");
  other->SetStateText("off");
  other->SetTransparent(true);
  other->SetColorLabBakG(1);
  other->SetColorLabText(2);
  other->SetColorOutBakG(3);
  other->SetColorOutText(4);
  other->SetColorScheme(1);
  other->SetComma(true);
  other->SetForcePlusSign(true);
  other->SetDTFormat("yyyy");
  lab->Assign(other);
  EXPECT_EQ(lab->GetValue(), 7.25);
  EXPECT_EQ(lab->GetDisplayType(), dtExp);
  EXPECT_EQ(lab->GetPrecision(), 5);
  EXPECT_EQ(lab->GetLeftSpace(), 10);
  EXPECT_EQ(lab->GetLabelWidth(), 60);
  EXPECT_TRUE(lab->GetEmpty());
  EXPECT_EQ(lab->GetLeftText(), "L");
  EXPECT_EQ(lab->GetRightText(), "R");
  EXPECT_EQ(lab->GetFrameStyle(), 4);
  EXPECT_EQ(lab->GetAlignment(), taLeftJustify);
  EXPECT_EQ(lab->GetLeftTextAlignment(), taCenter);
  EXPECT_EQ(lab->GetRightTextAlignment(), taRightJustify);
  EXPECT_EQ(lab->GetOverflowIndicator(), "#");
  EXPECT_EQ(lab->GetStateText(), "off");
  EXPECT_TRUE(lab->GetTransparent());
  EXPECT_EQ(lab->GetColorLabBakG(), 1u);
  EXPECT_EQ(lab->GetColorLabText(), 2u);
  EXPECT_EQ(lab->GetColorOutBakG(), 3u);
  EXPECT_EQ(lab->GetColorOutText(), 4u);
  EXPECT_EQ(lab->GetColorScheme(), 1);
  EXPECT_FALSE(lab->GetComma());
  EXPECT_FALSE(lab->GetForcePlusSign());
  EXPECT_EQ(lab->GetDTFormat(), "mmm-dd, yyyy");

  TFont font;
  EXPECT_THROW(lab->Assign(&font), EConvertError);
}

TEST_F(NumLabTest, FormFilesCreateItByNameWithItsPublishedDefaults) {
  const TClassInfo* info = FindClass("TNumLab");
  ASSERT_NE(info, nullptr);
  std::unique_ptr<TComponent> made(CreateComponent("TNumLab", nullptr));
  EXPECT_NE(dynamic_cast<TNumLab*>(made.get()), nullptr);
  const TPropertyInfo* width = info->FindProperty("Width");
  ASSERT_NE(width, nullptr);
  EXPECT_EQ(std::get<std::int64_t>(*width->Default), 160);
  const TPropertyInfo* display = info->FindProperty("DisplayType");
  ASSERT_NE(display, nullptr);
  display->Set(*made, std::int64_t{dtHex});
  EXPECT_EQ(static_cast<TNumLab*>(made.get())->GetDisplayType(), dtHex);
  EXPECT_EQ(display->ValueNames.size(), 15u);
  EXPECT_EQ(display->ValueNames[dtEEngNoDP], "dtEEngNoDP");
}

// --- the text road ----------------------------------------------------------------------------

TEST_F(NumLabTest, TheHandlerSeesTheTextAfterSeparatorAndSignAndItsTextIsShown) {
  lab->SetValue(1234.5678);
  lab->SetComma(true);
  lab->SetForcePlusSign(true);
  std::string seen;
  lab->SetOnBeforeDisplay([&](TObject* Sender, std::string& Text) {
    EXPECT_EQ(Sender, lab);
    seen = Text;
    Text = "ok " + Text;
  });
  Render();
  EXPECT_EQ(seen, "+1234,57");
  EXPECT_EQ(lab->GetShownText(), "ok +1234,57");
}

TEST_F(NumLabTest, ATextTooWideForTheBoxBecomesTheOverflowIndicator) {
  lab->SetValue(1e12);
  Render();
  ASSERT_GT(Measure("1000000000000.00"), lab->GetLabelWidth() - 6);
  EXPECT_EQ(lab->GetShownText(), "*********");
  // The test comes after the handler, on the handler's text.
  lab->SetValue(1);
  lab->SetOnBeforeDisplay([](TObject*, std::string& Text) { Text = std::string(40, 'W'); });
  Render();
  EXPECT_EQ(lab->GetShownText(), "*********");
  // A text that fits exactly (LabelWidth - 6) stays.
  lab->SetOnBeforeDisplay([](TObject*, std::string& Text) { Text = "1.00"; });
  lab->SetLabelWidth(Measure("1.00") + 6);
  Render();
  EXPECT_EQ(lab->GetShownText(), "1.00");
  lab->SetLabelWidth(Measure("1.00") + 5);
  Render();
  EXPECT_EQ(lab->GetShownText(), "*********");
}

TEST_F(NumLabTest, TheStateTextIsNeverReplaced) {
  lab->SetDisplayType(dtState);
  lab->SetStateText("a state text far too wide for the box");
  Render();
  EXPECT_EQ(lab->GetShownText(), "a state text far too wide for the box");
}

TEST_F(NumLabTest, AnEmptyLabelDrawsTheBoxWithoutTextAndRaisesNoEvent) {
  UseTestColours();
  lab->SetEmpty(true);
  lab->SetValue(88);
  int calls = 0;
  lab->SetOnBeforeDisplay([&](TObject*, std::string&) { ++calls; });
  const auto image = Render();
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(lab->GetShownText(), "");
  const TRect inside = ValueArea();
  for (int y = inside.Top; y < inside.Bottom; ++y)
    for (int x = inside.Left; x < inside.Right; ++x) ASSERT_EQ(Pixel(*image, x, y), kBox) << x << "," << y;
}

// --- pixels -----------------------------------------------------------------------------------

TEST_F(NumLabTest, TheBoxIsFramedOverLeftSpacePlusOneToLeftSpacePlusLabelWidth) {
  UseTestColours();
  lab->SetEmpty(true);
  const int ls = 35, right = ls + 80, bottom = 28 - 2;
  const auto image = Render();
  // Sunken frame: outer ring grey over white, inner ring black over silver.
  EXPECT_EQ(Pixel(*image, ls + 1, 0), clGray);
  EXPECT_EQ(Pixel(*image, ls + 1, 10), clGray);
  EXPECT_EQ(Pixel(*image, right, 10), clWhite);
  EXPECT_EQ(Pixel(*image, right, bottom), clWhite);
  EXPECT_EQ(Pixel(*image, ls + 2, 1), clBlack);
  EXPECT_EQ(Pixel(*image, right - 1, bottom - 1), clSilver);
  EXPECT_EQ(Pixel(*image, ls + 3, 2), kBox);
  // Around the box: the outer background.
  EXPECT_EQ(Pixel(*image, ls, 10), kOut);
  EXPECT_EQ(Pixel(*image, right + 1, 10), kOut);
  EXPECT_EQ(Pixel(*image, 50, 27), kOut);
  EXPECT_EQ(Pixel(*image, 0, 0), kOut);
  EXPECT_EQ(Pixel(*image, 159, 27), kOut);
  // Style 0: the box is filled and unframed.
  lab->SetFrameStyle(0);
  const auto flat = Render();
  EXPECT_EQ(Pixel(*flat, ls + 1, 0), kBox);
  EXPECT_EQ(Pixel(*flat, right, bottom), kBox);
  EXPECT_EQ(Pixel(*flat, right + 1, bottom), kOut);
}

TEST_F(NumLabTest, TheDefaultColoursAreTheButtonFace) {
  const auto image = Render();
  EXPECT_EQ(Pixel(*image, 2, 2), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(*image, 40, 4), ColorToRGB(clBtnFace));
}

TEST_F(NumLabTest, SideTextsStandWhereTheirAlignmentPutsThem) {
  UseTestColours();
  lab->SetEmpty(true);
  lab->SetLeftText("Volt");
  lab->SetRightText("kV");
  const int ty = TextTop(), ls = 35, lw = 80, width = 160;
  const int wl = Measure("Volt"), wr = Measure("kV");
  const TRect leftArea = Rect(0, 0, ls + 1, 28), rightArea = Rect(ls + lw + 1, 0, width, 28);
  const struct {
    TAlignment Alignment;
    int LeftX, RightX;
  } cases[] = {{taLeftJustify, 7, ls + lw + 7},
               {taRightJustify, ls - wl - 5, width - wr - 6},
               {taCenter, (ls - wl) / 2, (width - (ls + lw + wr)) / 2 + ls + lw + 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Alignment));
    lab->SetLeftTextAlignment(c.Alignment);
    lab->SetRightTextAlignment(c.Alignment);
    const auto image = Render();
    ExpectSameArea(*image, *TextImage("Volt", c.LeftX, ty, kInk, kOut), leftArea);
    ExpectSameArea(*image, *TextImage("kV", c.RightX, ty, kInk, kOut), rightArea);
  }
}

TEST_F(NumLabTest, TheValueStandsWhereTheAlignmentPutsIt) {
  UseTestColours();
  lab->SetValue(42);
  const int ty = TextTop(), ls = 35, lw = 80;
  const int w = Measure("42.00");
  const struct {
    TAlignment Alignment;
    int X;
  } cases[] = {{taLeftJustify, ls + 4}, {taRightJustify, ls + lw - w - 2}, {taCenter, ls + (lw - w) / 2 + 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Alignment));
    lab->SetAlignment(c.Alignment);
    ExpectSameArea(*Render(), *TextImage("42.00", c.X, ty, kInk, kBox), ValueArea());
  }
}

TEST_F(NumLabTest, TheOverflowIndicatorIsPlacedByItsOwnWidth) {
  UseTestColours();
  lab->SetAlignment(taRightJustify);
  lab->SetOverflowIndicator("###");
  lab->SetValue(1e15);
  const int x = 35 + 80 - Measure("###") - 2;
  ExpectSameArea(*Render(), *TextImage("###", x, TextTop(), kInk, kBox), ValueArea());
}

TEST_F(NumLabTest, TheValueIsClippedToTheInsideOfTheBox) {
  UseTestColours();
  lab->SetDisplayType(dtState);
  lab->SetStateText("WWWWWWWWWWWWWWWWWWWWWWWWWWWW");
  lab->SetAlignment(taLeftJustify);
  const auto image = Render();
  // The frame and everything right of the box keep their colours.
  EXPECT_EQ(Pixel(*image, 35 + 80 - 1, 10), clSilver);
  EXPECT_EQ(Pixel(*image, 35 + 80, 10), clWhite);
  for (int x = 35 + 81; x < 160; ++x) ASSERT_EQ(Pixel(*image, x, 12), kOut) << x;
}

TEST_F(NumLabTest, DisabledSideTextsAreEngravedAndTheValueTurnsGrey) {
  UseTestColours();
  lab->SetLeftText("Volt");
  lab->SetLeftTextAlignment(taLeftJustify);
  lab->SetValue(5);
  lab->SetEnabled(false);
  const int ty = TextTop();
  const auto image = Render();
  // The reference: white one pixel right and down, grey on top, both on a clear brush.
  auto expected = TextImage("", 0, 0, 0, kOut);
  TCanvas* c = expected->GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->SetColor(clWhite);
  c->TextOut(8, ty + 1, "Volt");
  c->GetFont()->SetColor(clGray);
  c->TextOut(7, ty, "Volt");
  ExpectSameArea(*image, *expected, Rect(0, 0, 36, 28));
  const int w = Measure("5.00");
  ExpectSameArea(*image, *TextImage("5.00", 35 + (80 - w) / 2 + 2, ty, ColorToRGB(clBtnShadow), kBox), ValueArea());
}

// --- transparency -----------------------------------------------------------------------------

TEST_F(NumLabTest, TransparentLabelsShowTheParentThroughTheirWhiteParts) {
  constexpr TColor kParent = 0x40A0E0;
  form.SetColor(kParent);
  lab->SetBounds(10, 20, 160, 28);
  UseTestColours();
  lab->SetColorLabText(clRed);  // not black: the box area is prepared white
  lab->SetLeftText("Volt");
  lab->SetValue(5);
  lab->SetTransparent(true);
  form.Show();
  form.PaintPending();
  const TPixelBuffer& back = form.BackBuffer();
  const auto at = [&](int X, int Y) { return back.Row(20 + Y)[10 + X]; };
  // Outside the box and the text: the parent.
  EXPECT_EQ(at(2, 2), kParent);
  EXPECT_EQ(at(140, 27), kParent);
  EXPECT_EQ(at(60, 27), kParent);
  // The left text, drawn on white, combined with the parent by AND.
  const int ty = TextTop();
  const auto text = TextImage("Volt", 35 - Measure("Volt") - 5, ty, kInk, clWhite);
  for (int y = 0; y < 28; ++y)
    for (int x = 0; x < 35; ++x) ASSERT_EQ(at(x, y), text->ScanLine(y)[x] & kParent) << x << "," << y;
  // The box inside the prepared area shows exactly as drawn.
  const int w = Measure("5.00");
  const auto value = TextImage("5.00", 35 + (80 - w) / 2 + 2, ty, clRed, kBox);
  const TRect inside = ValueArea();
  for (int y = inside.Top; y < inside.Bottom; ++y)
    for (int x = inside.Left; x < inside.Right; ++x) ASSERT_EQ(at(x, y), value->ScanLine(y)[x]) << x << "," << y;
  EXPECT_EQ(at(37, 2), clBlack);  // the inner frame ring lies in the prepared area
  // The outer frame ring lies outside it: combined with the parent.
  EXPECT_EQ(at(36, 0), clGray & kParent);
  EXPECT_EQ(at(115, 10), clWhite & kParent);
}

TEST_F(NumLabTest, WithBlackTextTheBoxAreaIsPreparedInTheBoxColour) {
  constexpr TColor kParent = 0x40A0E0, kDarkBox = 0x3F7F5F;
  form.SetColor(kParent);
  lab->SetColorLabBakG(kDarkBox);
  lab->SetColorLabText(clBlack);
  lab->SetEmpty(true);
  lab->SetTransparent(true);
  form.Show();
  form.PaintPending();
  const TPixelBuffer& back = form.BackBuffer();
  EXPECT_EQ(back.Row(10)[60], kDarkBox);  // box colour AND box colour
  // The inner frame ring's silver edge lies in the prepared area: silver AND the box colour.
  EXPECT_EQ(back.Row(10)[35 + 80 - 1], clSilver & kDarkBox);
  EXPECT_EQ(back.Row(27)[60], kParent);  // below the box: the parent
}

// --- mouse ------------------------------------------------------------------------------------

TEST_F(NumLabTest, MouseAreaCodeFollowsThePointerBeforeOnMouseMove) {
  form.Show();
  lab->SetBounds(10, 10, 160, 28);
  std::vector<int> seen;
  lab->SetOnMouseMove([&](TObject*, TShiftState, int, int) { seen.push_back(lab->GetMouseAreaCode()); });
  for (int x : {0, 35, 36, 115, 116, 159}) sim::MouseMove(lab, {}, x, 10);
  EXPECT_EQ(seen, (std::vector<int>{kNumLabAreaLeft, kNumLabAreaLeft, kNumLabAreaBox, kNumLabAreaBox,
                                    kNumLabAreaRight, kNumLabAreaRight}));
  lab->SetLeftSpace(100);
  sim::MouseMove(lab, {}, 99, 10);
  EXPECT_EQ(lab->GetMouseAreaCode(), kNumLabAreaLeft);
}
