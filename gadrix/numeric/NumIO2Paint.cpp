// TNumIO2: geometry and painting.
//
// Names used below: LS = LeftSpace (x of the box), TBW = TextBoxWidth, band = the rows of the
// gauge band (GaugeTopMargin + GaugeHeight + 1 when the gauge shows, else 0), BX = the x of the
// buttons (LS + TBW + ButSpace), hb = ButHeight / 2, ty = the y of every text, which centres the
// probe text "(8g]}ÜÄ§" in the rows above the band. Divisions truncate toward zero.
//
// Everything is drawn on an off-screen bitmap of the control's size, in this order, and copied
// to the control in one step: background, left text, buttons, right text, gauge, box, value
// text, caret, inverted selection.

#include <algorithm>

#include "gadrix/numeric/NumIO2.h"
#include "gadrix/numeric/NumText.h"
#include "gadrix/numeric/TextChars.h"

namespace gadrix {
namespace {

// The probe whose height centres every text vertically.
constexpr const char* kTextHeightProbe = "(8g]}\xC3\x9C\xC3\x84\xC2\xA7";
// The text whose height, plus kAutoSizeExtra, AutoSize makes the control's height.
constexpr const char* kAutoSizeProbe = "E0";
constexpr int kAutoSizeExtra = 6;

// Fixed colours of the look: the disabled texts' emboss and the buttons' outline.
constexpr TColor kEmbossLight = clWhite;
constexpr TColor kDisabledGray = clGray;
constexpr TColor kDisabledBox = clSilver;
constexpr TColor kButtonOutline = clGray;

// Where a side text starts from the edge of its area.
constexpr int kLeftTextMargin = 7;
constexpr int kLeftTextRightGap = 5;
constexpr int kRightTextMargin = 7;
constexpr int kRightTextRightGap = 6;

void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

// A line through three points, the last one not drawn.
void Corner(TCanvas* C, int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
  C->LineTo(X3, Y3);
}

void SetPenAndBrush(TCanvas* C, TColor Pen, TColor Brush) {
  C->GetPen()->SetColor(Pen);
  C->GetBrush()->SetColor(Brush);
  C->GetBrush()->SetStyle(bsSolid);
}

}  // namespace

// --- geometry ---------------------------------------------------------------------------------------

int TNumIO2::BandHeight() const { return FGaugeVisible ? FGaugeHeight + FGaugeTopMargin + 1 : 0; }

int TNumIO2::ButtonLeft() const { return FLeftSpace + FTextBoxWidth + FButSpace; }

int TNumIO2::ButtonBlock() const { return FButVisible ? FButWidth + FButSpace : 0; }

TCanvas* TNumIO2::MeasuringCanvas() const {
  TCanvas* canvas = FMeasureBitmap->GetCanvas();
  canvas->GetFont()->Assign(GetFont());
  return canvas;
}

int TNumIO2::TextTop(TCanvas* Canvas) const {
  return (GetHeight() - BandHeight() - Canvas->TextHeight(kTextHeightProbe)) / 2;
}

int TNumIO2::TextWidthOf(int Characters) const {
  int pos = Characters + 1;
  const std::size_t bytes = textchars::SeekPosition(FInBuffer, pos);
  return MeasuringCanvas()->TextWidth(FInBuffer.substr(0, bytes));
}

int TNumIO2::XOfPosition(int Index) const {
  const int w = TextWidthOf(Length());
  const int wp = TextWidthOf(std::clamp(Index, 0, Length()));
  switch (FAlignment) {
    case taLeftJustify: return FLeftSpace + 4 + wp;
    case taRightJustify: return FLeftSpace + FTextBoxWidth - w - 2 + wp;
    default: return FLeftSpace + (FTextBoxWidth - w) / 2 + 2 + wp;
  }
}

// The nearest gap, found with the mean character width a of the text: the gap k lies at about
// k * a from the text's start.
int TNumIO2::PositionOfX(int X) const {
  const int length = Length();
  if (length == 0) return 0;
  const int w = TextWidthOf(length);
  const int a = std::max(w / length, 1);  // texts of zero-width characters still have gaps
  int c;
  switch (FAlignment) {
    case taLeftJustify: c = X - FLeftSpace - 3; break;
    case taRightJustify: c = X + w - FLeftSpace - FTextBoxWidth + 3; break;
    default: c = X - FLeftSpace - (FTextBoxWidth - w) / 2 - 1; break;
  }
  c = std::min(std::max(c, 0), w);
  return std::min((c + a / 2) / a, length);
}

void TNumIO2::ApplyAutoSize() {
  if (FAutoSize) SetHeight(MeasuringCanvas()->TextHeight(kAutoSizeProbe) + kAutoSizeExtra);
}

// 3-D lines of the frame styles, for the gauge and the box:
//   style  inner top-left  outer bottom-right
//   2      black           white
//   3      white           black
//   4      grey            grey
//   5      white           white
TColor TNumIO2::InnerLineColor(TFrameStyle Style) const {
  switch (Style) {
    case 2: return FColBlackLine;
    case 4: return FColGrayLine;
    default: return FColWhiteLine;
  }
}

TColor TNumIO2::OuterLineColor(TFrameStyle Style) const {
  switch (Style) {
    case 3: return FColBlackLine;
    case 4: return FColGrayLine;
    default: return FColWhiteLine;
  }
}

// --- painting -----------------------------------------------------------------------------------------

void TNumIO2::Paint() {
  if (FSuppressPaint) return;
  if (!GetVisible() && !(GetComponentState() & csDesigning)) return;
  ApplyAutoSize();
  FBitmap->SetSize(GetWidth(), GetHeight());
  TCanvas* c = FBitmap->GetCanvas();
  c->GetFont()->Assign(GetFont());
  c->GetPen()->SetStyle(psSolid);
  c->GetPen()->SetWidth(1);
  c->GetPen()->SetMode(pmCopy);
  c->SetCopyMode(cmSrcCopy);
  const int ty = TextTop(c);
  const bool warn = OutOfRange();

  SetPenAndBrush(c, FColorOutBG, FColorOutBG);
  c->Rectangle(0, 0, GetWidth(), GetHeight());
  PaintLeftText(c, ty);
  if (FButVisible) PaintButtons(c);
  PaintRightText(c, ty);
  if (FGaugeVisible) PaintGauge(c);
  PaintBox(c, warn);
  PaintValueText(c, warn, ty);
  PaintCaret(c);
  PaintSelection(c);

  TCanvas* target = GetCanvas();
  target->SetCopyMode(cmSrcCopy);
  target->CopyRect(GetClientRect(), c, GetClientRect());
}

// Enabled: in ColorOutText on the background. Disabled: embossed, white one pixel right and
// down under grey.
void TNumIO2::PaintSideText(TCanvas* C, const std::string& Text, int X, int Y) const {
  if (Text.empty()) return;
  if (GetEnabled()) {
    SetPenAndBrush(C, FColorOutBG, FColorOutBG);
    C->GetFont()->SetColor(FColorOutText);
    C->TextOut(X, Y, Text);
    return;
  }
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetColor(kEmbossLight);
  C->TextOut(X + 1, Y + 1, Text);
  C->GetFont()->SetColor(kDisabledGray);
  C->TextOut(X, Y, Text);
  C->GetBrush()->SetStyle(bsSolid);
}

void TNumIO2::PaintLeftText(TCanvas* C, int Y) const {
  const int lw = C->TextWidth(FLeftText);
  int x;
  switch (FLeftTextAlignment) {
    case taLeftJustify: x = kLeftTextMargin; break;
    case taRightJustify: x = FLeftSpace - lw - kLeftTextRightGap; break;
    default: x = (FLeftSpace - lw) / 2; break;
  }
  PaintSideText(C, FLeftText, x, Y);
}

void TNumIO2::PaintRightText(TCanvas* C, int Y) const {
  const int rw = C->TextWidth(FRightText);
  const int areaLeft = FLeftSpace + ButtonBlock() + FTextBoxWidth;
  int x;
  switch (FRightTextAlignment) {
    case taLeftJustify: x = areaLeft + kRightTextMargin; break;
    case taRightJustify: x = GetWidth() - rw - kRightTextRightGap; break;
    default: x = (GetWidth() - (areaLeft + rw)) / 2 + areaLeft + 1; break;
  }
  PaintSideText(C, FRightText, x, Y);
}

// Two buttons stacked in one outlined face, parted by a line at hb - 1.
void TNumIO2::PaintButtons(TCanvas* C) const {
  const int bx = ButtonLeft(), bw = FButWidth, hb = FButHeight / 2;
  SetPenAndBrush(C, kButtonOutline, FButColor);
  C->Rectangle(bx, 0, bx + bw + 1, 2 * hb - 1);
  Line(C, bx, hb - 1, bx + bw, hb - 1);
  if (FBut3D) {
    C->GetPen()->SetColor(FColWhiteLine);
    Corner(C, bx + 1, 2 * hb - 3, bx + 1, hb, bx + bw, hb);
    Corner(C, bx + 1, hb - 2, bx + 1, 1, bx + bw, 1);
    C->GetPen()->SetColor(FColBlackLine);
    Corner(C, bx + 1, 2 * hb - 1, bx + bw + 1, 2 * hb - 1, bx + bw + 1, 1);
  }
  PaintArrows(C);
}

// Each arrow is three rows, 2, 4 and 6 pixels wide, centred on m, around the middle of its half.
void TNumIO2::PaintArrows(TCanvas* C) const {
  const int hb = FButHeight / 2;
  const int m = ButtonLeft() + FButWidth / 2, q = hb / 2;
  C->GetPen()->SetColor(GetEnabled() ? FColBlackLine : kDisabledGray);
  for (int row = 0; row < 3; ++row) {
    Line(C, m - row, q - 1 + row, m + 2 + row, q - 1 + row);
    Line(C, m - row, q + hb - row, m + 2 + row, q + hb - row);
  }
}

void TNumIO2::PaintGauge(TCanvas* C) const {
  const int gl = FGaugeLeftMargin, gw = FGaugeWidth;
  const int y1 = GetHeight() - BandHeight() + FGaugeTopMargin, y2 = y1 + FGaugeHeight;
  const TFrameStyle style = FGaugeFrameStyle;
  SetPenAndBrush(C, style != 0 ? FGaugeColorFrame : FGaugeColorBg, FGaugeColorBg);
  C->Rectangle(gl, y1, gl + gw, y2);

  double share = 1.0;  // equal limits show a full bar
  if (FMaximum != FMinimum) share = std::clamp((GetNioValue() - FMinimum) / (FMaximum - FMinimum), 0.0, 1.0);
  const TColor bar = GetEnabled() ? FGaugeColor : kDisabledGray;
  SetPenAndBrush(C, bar, bar);
  C->Rectangle(gl, y1, gl + static_cast<int>(Round(gw * share)), y2);

  if (style == 0) return;
  C->GetBrush()->SetStyle(bsClear);
  C->GetPen()->SetColor(style == 1 ? FGaugeColorFrame : style == 4 ? FColWhiteLine : FColGrayLine);
  C->Rectangle(gl, y1, gl + gw, y2);
  C->GetBrush()->SetStyle(bsSolid);
  if (style == 1) return;
  C->GetPen()->SetColor(InnerLineColor(style));
  Corner(C, gl + 1, y2 - 2, gl + 1, y1 + 1, gl + gw - 1, y1 + 1);
  C->GetPen()->SetColor(OuterLineColor(style));
  Corner(C, gl + 1, y2, gl + gw, y2, gl + gw, y1);
}

// The box is filled in the warning colour while the value is out of range; style 0 has no
// outline of its own, so its pen takes the fill colour.
void TNumIO2::PaintBox(TCanvas* C, bool Warn) const {
  const bool enabled = GetEnabled();
  const TColor fill = !enabled ? kDisabledBox : Warn ? FColorWarnBG : FColorBoxBG;
  TColor pen;
  switch (FFrameStyle) {
    case 0: pen = !enabled ? kDisabledBox : Warn ? FColorWarnBG : FColorBoxBG; break;
    case 4: pen = FColWhiteLine; break;
    default: pen = FColGrayLine; break;
  }
  SetPenAndBrush(C, pen, fill);
  const int ls = FLeftSpace, right = ls + FTextBoxWidth + 2, bottom = GetHeight() - BandHeight();
  if (FFrameStyle <= 1) {
    C->Rectangle(ls, 0, right, bottom);
    return;
  }
  C->Rectangle(ls, 0, right, bottom - 1);
  const int s = bottom - 4;
  C->GetPen()->SetColor(InnerLineColor(FFrameStyle));
  Corner(C, ls + 1, s + 1, ls + 1, 1, ls + FTextBoxWidth + 1, 1);
  C->GetPen()->SetColor(OuterLineColor(FFrameStyle));
  Corner(C, ls + 1, s + 3, right, s + 3, right, 0);
  C->GetPen()->SetColor(pen);
}

// The value text, clipped to the inside of the box, on the box's fill.
void TNumIO2::PaintValueText(TCanvas* C, bool Warn, int Y) const {
  const int ls = FLeftSpace, tbw = FTextBoxWidth;
  const int s = GetHeight() - BandHeight() - 4;
  const int w = C->TextWidth(FInBuffer);
  int x;
  switch (FAlignment) {
    case taLeftJustify: x = ls + 4; break;
    case taRightJustify: x = ls + tbw - w - 2; break;
    default: x = ls + (tbw - w) / 2 + 2; break;
  }
  C->GetFont()->SetColor(!GetEnabled() ? kDisabledGray : Warn ? FColorWarnText : FColorBoxText);
  C->TextRect(TRect{ls + 3, 2, ls + tbw - 1, s + 1}, x, Y, FInBuffer);
}

void TNumIO2::PaintCaret(TCanvas* C) const {
  if (!FCaretVisib) return;
  const int tbw = FTextBoxWidth;
  const int w = TextWidthOf(Length()), wc = TextWidthOf(FCaretPos);
  int c;
  switch (FAlignment) {
    case taLeftJustify: c = wc + 3; break;
    case taRightJustify: c = tbw + wc - w - 3; break;
    default: c = wc + (tbw - w) / 2 + 1; break;
  }
  if (c <= 0 || c >= tbw) return;
  C->GetPen()->SetColor(FColBlackLine);
  Line(C, FLeftSpace + c, 3, FLeftSpace + c, GetHeight() - BandHeight() - 3);
}

void TNumIO2::PaintSelection(TCanvas* C) const {
  if (FSelBegin >= FSelEnd || (FHideSelection && !Focused())) return;
  const int left = FLeftSpace, right = FLeftSpace + FTextBoxWidth;
  const auto limit = [&](int X) { return std::min(std::max(X, left), right); };
  const TRect area{limit(XOfPosition(FSelBegin)), 3, limit(XOfPosition(FSelEnd)), GetHeight() - BandHeight() - 3};
  C->SetCopyMode(cmDstInvert);
  C->CopyRect(area, C, area);
  C->SetCopyMode(cmSrcCopy);
}

}  // namespace gadrix
