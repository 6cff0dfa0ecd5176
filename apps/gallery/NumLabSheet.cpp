// The numeric label sheet: one label per display format, then the looks - alignments, frames,
// colours, disabled and transparent over a striped background.

#include <string>
#include <vector>

#include "Sheets.h"
#include "gadrix/numeric/NumLab.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/core/DateTime.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kMargin = 16;
constexpr int kLabelWidth = 330;
constexpr int kLabelHeight = 28;
constexpr int kRowPitch = 32;
constexpr int kColumnPitch = kLabelWidth + 24;
constexpr int kTitleHeight = 30;
constexpr TColor kSheetColor = 0xF4F4F4;

struct TFormatSample {
  TDisplay Display;
  const char* Name;
  double Value;
  int Precision;
};

const std::vector<TFormatSample>& FormatSamples() {
  static const std::vector<TFormatSample> samples = {
      {dtFloat, "dtFloat", 1234.5678, 6},   {dtFixP, "dtFixP", 1234.5678, 2},
      {dtExp, "dtExp", 1234.5, 3},          {dtHex, "dtHex", 48879, 4},
      {dtZeroInt, "dtZeroInt", 42, 5},      {dtInt, "dtInt", 2.5, 2},
      {dtDateTime, "dtDateTime", 45356.75, 2}, {dtState, "dtState", 0, 2},
      {dtBin, "dtBin", 37, 8},              {dtOct, "dtOct", 511, 2},
      {dtDeg, "dtDeg", 48.858222, 3},       {dtDegMin, "dtDegMin", 48.858222, 2},
      {dtDegMinSec, "dtDegMinSec", 48.858222, 1}, {dtEEng, "dtEEng", 0.0047, 2},
      {dtEEngNoDP, "dtEEngNoDP", 12345.6, 2}};
  return samples;
}

std::string ValueNote(double Value) {
  std::string text = std::to_string(Value);
  text.erase(text.find_last_not_of('0') + 1);
  if (!text.empty() && text.back() == '.') text.pop_back();
  return "of " + text;
}

TNumLab* NewLabel(TForm& Form) {
  auto* lab = new TNumLab(&Form);
  lab->SetParent(&Form);
  lab->SetBounds(0, 0, kLabelWidth, kLabelHeight);
  lab->GetFont()->SetName("Arial");
  lab->GetFont()->SetSize(9);
  lab->SetLeftSpace(95);
  lab->SetLabelWidth(130);
  return lab;
}

void Heading(TCanvas* C, int X, int Y, const std::string& Text) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(11);
  C->GetFont()->SetStyle(fsBold);
  C->GetFont()->SetColor(clBlack);
  C->TextOut(X, Y, Text);
}

// Diagonal stripes, so that a transparent label visibly lets them through.
void Stripes(TCanvas* C, const TRect& R) {
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x) C->SetPixel(x, y, ((x + y) / 6) % 2 ? 0xA8D8F0 : 0xF0E0A0);
}

// Fills the first column: one label per format.
void PaintFormats(TForm& Form, TCanvas* C, int Left, int Top) {
  Heading(C, Left, Top, "One label per format");
  int y = Top + kTitleHeight;
  for (const TFormatSample& s : FormatSamples()) {
    TNumLab* lab = NewLabel(Form);
    lab->SetDisplayType(s.Display);
    lab->SetPrecision(s.Precision);
    lab->SetValue(s.Value);
    lab->SetLeftText(s.Name);
    lab->SetRightText(s.Display == dtState ? "StateText" : ValueNote(s.Value));
    if (s.Display == dtDateTime) lab->SetDTFormat("mmm-dd, yyyy hh:nn");
    if (s.Display == dtState) lab->SetStateText("valve open");
    lab->PaintTo(C, Left, y);
    y += kRowPitch;
  }
}

// Fills the second column: settings that change the look.
void PaintLooks(TForm& Form, TCanvas* C, int Left, int Top) {
  Heading(C, Left, Top, "Looks");
  int y = Top + kTitleHeight;
  const auto next = [&](const std::string& Name) {
    TNumLab* lab = NewLabel(Form);
    lab->SetValue(-17.125);
    lab->SetLeftText(Name);
    return lab;
  };
  const auto place = [&](TNumLab* Lab) {
    Lab->PaintTo(C, Left, y);
    y += kRowPitch;
  };
  TNumLab* lab = next("left aligned");
  lab->SetAlignment(taLeftJustify);
  place(lab);
  lab = next("right aligned");
  lab->SetAlignment(taRightJustify);
  lab->SetRightText("volts");
  place(lab);
  lab = next("comma, plus");
  lab->SetValue(1234.5678);
  lab->SetComma(true);
  lab->SetForcePlusSign(true);
  place(lab);
  lab = next("overflow");
  lab->SetValue(1.5e15);
  lab->SetRightText("too wide");
  place(lab);
  lab = next("empty");
  lab->SetEmpty(true);
  place(lab);
  for (TFrameStyle style = 0; style <= 5; ++style) {
    lab = next("frame style " + std::to_string(style));
    lab->SetFrameStyle(style);
    place(lab);
  }
  lab = next("colours");
  lab->SetColorLabBakG(0x202020);
  lab->SetColorLabText(0x40FF40);
  lab->SetColorOutBakG(0x804000);
  lab->SetColorOutText(clWhite);
  lab->SetRightText("right text");
  place(lab);
  lab = next("disabled");
  lab->SetRightText("right text");
  lab->SetEnabled(false);
  place(lab);
  for (TColor ink : {clBlack, clRed}) {
    lab = next("transparent");
    lab->SetRightText(ink == clBlack ? "black text" : "red text");
    lab->SetColorLabText(ink);
    lab->SetColorLabBakG(clWhite);
    lab->SetTransparent(true);
    Stripes(C, Bounds(Left, y, kLabelWidth, kLabelHeight));
    place(lab);
  }
}

}  // namespace

void RenderNumLabSheet(TBitmap& Bitmap) {
  const int rows = static_cast<int>(FormatSamples().size());
  Bitmap.SetSize(2 * kMargin + kColumnPitch + kLabelWidth, 2 * kMargin + kTitleHeight + rows * kRowPitch);
  TCanvas* c = Bitmap.GetCanvas();
  c->GetBrush()->SetColor(kSheetColor);
  c->FillRect(Rect(0, 0, Bitmap.GetWidth(), Bitmap.GetHeight()));
  TForm form(nullptr);
  PaintFormats(form, c, kMargin, kMargin);
  PaintLooks(form, c, kMargin + kColumnPitch, kMargin);
}

}  // namespace gallery
