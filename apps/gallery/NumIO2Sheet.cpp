// The custom-drawn numeric input in its formats, with buttons, a gauge, the warning colours of a
// value out of range, the caret and selection of a focused field, and disabled.

#include <functional>
#include <string>

#include "Sheets.h"
#include "gadrix/numeric/NumIO.h"
#include "gadrix/platform/controls/Controls.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int SheetWidth = 660;
constexpr int SheetHeight = 620;
constexpr int Zoom = 4;
constexpr int ColumnLeft[] = {20, 345};
constexpr int RowTop = 56;
constexpr int RowPitch = 66;
constexpr int FieldWidth = 290;

struct TExample {
  std::string Caption;
  std::function<void(TNumIO2*)> Setup;
};

void Caption(TCanvas* C, int X, int Y, const std::string& S, int Size, TColor Color) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(Size);
  C->GetFont()->SetColor(Color);
  C->TextOut(X, Y, S);
}

// A field laid out for the sheet: room for a caption left of the box and a unit right of it.
void Layout(TNumIO2* N) {
  N->SetWidth(FieldWidth);
  N->SetLeftSpace(80);
  N->SetTextBoxWidth(120);
  N->SetColorOutBG(clBtnFace);
}

const TExample Examples[] = {
    {"itFloat, 2 places", [](TNumIO2* N) {
       N->SetLeftText("Length");
       N->SetRightText("mm");
       N->SetValue(123.45);
     }},
    {"itFixPoint, 3 places, focused: overwrite selection", [](TNumIO2* N) {
       N->SetInputFormat(itFixPoint);
       N->SetFixPointDecPlaces(3);
       N->SetValue(3.14159);
       N->SetLeftText("Pi");
       N->SetFocus();
       N->SetSelEnd(3);
       N->SetSelBegin(2);  // the caret stands at the selection's start
     }},
    {"itExp, 6 significant digits", [](TNumIO2* N) {
       N->SetInputFormat(itExp);
       N->SetRangeHigh(1e30);
       N->SetValue(6.02214076e23);
       N->SetLeftText("N(A)");
       N->SetRightText("1/mol");
     }},
    {"itHex, left aligned, frame style 5", [](TNumIO2* N) {
       N->SetInputFormat(itHex);
       N->SetRangeHigh(1e6);
       N->SetValue(48879);
       N->SetLeftText("Address");
       N->SetAlignment(taLeftJustify);
       N->SetFrameStyle(5);
     }},
    {"itDynamic: \"$\" hex, \"%\" binary, \"&\" octal", [](TNumIO2* N) {
       N->SetInputFormat(itDynamic);
       N->SetText("%101101");
       N->SetLeftText("Mask");
       N->SetRightText("= 45");
     }},
    {"itBin, right aligned, frame style 4", [](TNumIO2* N) {
       N->SetInputFormat(itBin);
       N->SetLeftSpace(0);
       N->SetTextBoxWidth(270);
       N->SetRangeHigh(1e6);
       N->SetValue(1234);
       N->SetAlignment(taRightJustify);
       N->SetFrameStyle(4);
     }},
    {"buttons stepping through pivots 1, 2, 5, 10, 20, 50", [](TNumIO2* N) {
       N->SetButVisible(true);
       N->ButtonPivots = {1, 2, 5, 10, 20, 50};
       N->SetInputFormat(itInt);
       N->SetValue(20);
       N->SetLeftText("Delay");
       N->SetRightText("ms");
     }},
    {"gauge band, 0 to 1000", [](TNumIO2* N) {
       N->SetHeight(42);
       N->SetGaugeVisible(true);
       N->SetGaugeLeftMargin(80);
       N->SetGaugeWidth(122);
       N->SetValue(650);
       N->SetLeftText("Level");
       N->SetRightText("l");
     }},
    {"out of range: warning colours", [](TNumIO2* N) {
       N->SetButVisible(true);
       N->SetRangeHigh(100);
       N->SetValue(150);
       N->SetLeftText("Speed");
       N->SetRightText("km/h");
     }},
    {"disabled, with buttons and gauge", [](TNumIO2* N) {
       N->SetHeight(42);
       N->SetButVisible(true);
       N->SetGaugeVisible(true);
       N->SetGaugeLeftMargin(80);
       N->SetGaugeWidth(122);
       N->SetValue(300);
       N->SetLeftText("Volume");
       N->SetRightText("ml");
       N->SetEnabled(false);
     }},
    {"raised frame, own colours, colour scheme 1", [](TNumIO2* N) {
       N->SetFrameStyle(3);
       N->SetColorScheme(1);
       N->SetColorBoxBG(0xE8F4FF);
       N->SetColorBoxText(clNavy);
       N->SetButVisible(true);
       N->SetButColor(0xB0D8F0);
       N->SetValue(42);
       N->SetLeftText("Gain");
       N->SetRightText("dB");
     }},
    {"flat box (style 0), no 3-D buttons", [](TNumIO2* N) {
       N->SetFrameStyle(0);
       N->SetColorBoxBG(0xF0F0F0);
       N->SetButVisible(true);
       N->SetBut3D(false);
       N->SetLeftTextAlignment(taLeftJustify);
       N->SetValue(7.5);
       N->SetLeftText("Rate");
     }},
};

// Enlarged copies of the pixel detail: the buttons of the pivot example and the left end of the
// gauge, taken from where those fields were painted.
void EnlargedDetails(TCanvas* C) {
  constexpr int Top = 490;
  Caption(C, 20, Top - 18, "enlarged 4x: up/down buttons, gauge end, focused fixed-point box", 8, clDkGray);
  const int buttonsX = ColumnLeft[0] + 80 + 120 + 3 - 2, buttonsY = RowTop + 3 * RowPitch + 16;
  const int gaugeX = ColumnLeft[1] + 80 - 4, gaugeY = RowTop + 3 * RowPitch + 16 + 30;
  const int boxX = ColumnLeft[1] + 80 + 40, boxY = RowTop + 16;
  SetStretchBltMode(C, COLORONCOLOR);
  C->CopyRect(Bounds(20, Top, 24 * Zoom, 28 * Zoom), C, Bounds(buttonsX, buttonsY, 24, 28));
  C->CopyRect(Bounds(150, Top, 40 * Zoom, 14 * Zoom), C, Bounds(gaugeX, gaugeY, 40, 14));
  C->CopyRect(Bounds(340, Top, 40 * Zoom, 28 * Zoom), C, Bounds(boxX, boxY, 40, 28));
}

}  // namespace

void RenderNumIO2Sheet(TBitmap& Bitmap) {
  Bitmap.SetSize(SheetWidth, SheetHeight);
  TCanvas* c = Bitmap.GetCanvas();
  c->GetBrush()->SetColor(clBtnFace);
  c->FillRect({0, 0, SheetWidth, SheetHeight});
  Caption(c, 20, 14, "TNumIO2: custom-drawn numeric input", 12, clBlack);

  TForm form(nullptr);
  form.SetBounds(0, 0, SheetWidth, SheetHeight);
  form.Show();
  int index = 0;
  for (const TExample& example : Examples) {
    const int x = ColumnLeft[index % 2], y = RowTop + RowPitch * (index / 2);
    auto* field = new TNumIO2(&form);
    field->SetParent(&form);
    field->SetBounds(x, y + 16, FieldWidth, field->GetHeight());
    Layout(field);
    example.Setup(field);
    Caption(c, x, y, example.Caption, 8, clDkGray);
    field->PaintTo(c, x, y + 16);
    ++index;
  }
  EnlargedDetails(c);
}

}  // namespace gallery
