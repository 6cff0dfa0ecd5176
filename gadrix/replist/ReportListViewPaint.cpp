// Painting the report list: the cells (data lines, the common header band and the column
// headers), the empty-list message and the inter-row indicator.
//
// Cell geometry, for the cell rectangle (L, T, R, B) the grid hands over (without its line):
//   text rectangle   (L + 4, T + 2, R - 6, B); text drawn at y = T + 1
//   check box        (L + 4, T + 4, L + 15, T + 15); the text rectangle then starts 16 further right
//   background       (L, T, R', B') with R' = R + 1 and B' = B + 1 where the grid draws no line
//                    between scrollable cells, so that the gap takes the cell's colour

#include <algorithm>
#include <cmath>

#include "gadrix/helmar/Utf8.h"
#include "gadrix/replist/ReportListText.h"
#include "gadrix/replist/ReportListView.h"

namespace gadrix {

namespace {

constexpr TColor kEdgeLight = clWhite;
constexpr TColor kEdgeShadow = 0x808080;
constexpr TColor kEdgeDark = clBlack;
constexpr const char* kPasswordMask = "******";
constexpr const char* kEllipsis = "...";

// Cell layout.
constexpr int kTextLeft = 4;
constexpr int kTextTop = 2;
constexpr int kTextRight = 6;
constexpr int kCheckBoxWidth = 16;
constexpr int kItalicOverhang = 2;
// What a cell's width loses before its text: the margins and the fitting's own slack.
constexpr int kCellTextSlack = 9;
// The sort arrow: its room in the header, and the least room it keeps from the right edge.
constexpr int kSortArrowRoom = 13;
constexpr int kSortArrowMargin = 12;

int FittedCount(std::size_t Length, int Available, int Width, int Slack) {
  const double n = std::nearbyint(static_cast<double>(Length) * Available / Width - Slack);
  return static_cast<int>(std::max(1.0, n));
}

std::vector<std::string> SplitText(const std::string& Text, char Separator) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = Text.find(Separator, start);
    lines.push_back(Text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

std::string WithoutFirstChar(const std::string& Text) {
  return Text.empty() ? Text : Text.substr(Utf8CharLength(Text, 0));
}

int ItalicExtra(const TCanvas& Canvas) {
  return (Canvas.GetFont()->GetStyle() & fsItalic) ? kItalicOverhang : 0;
}

// The band of text line K (1-based) of a header cell: the first line may use the whole cell.
TRect HeaderLineRect(const TRect& Cell, int K, int LineHeight) {
  if (K == 1) return Cell;
  return {Cell.Left, std::min(Cell.Top + kTextTop + (K - 1) * LineHeight, Cell.Bottom), Cell.Right,
          std::min(Cell.Top + kTextTop + K * LineHeight, Cell.Bottom)};
}

void Line(TCanvas* Canvas, TColor Color, int X1, int Y1, int X2, int Y2) {
  Canvas->GetPen()->SetColor(Color);
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

}  // namespace

std::string FitCellText(const TCanvas& Canvas, const std::string& Text, int Available, bool RightAligned) {
  const int width = Canvas.TextWidth(WithoutFirstChar(Text));
  if (width <= 0 || Available >= width) return Text;
  const std::size_t length = Utf8Length(Text);
  const auto n = static_cast<std::size_t>(FittedCount(length, Available, width, 4));
  if (!RightAligned) return std::string(Utf8Left(Text, n)) + kEllipsis;
  const std::size_t first = Utf8CharLength(Text, 0);
  const std::size_t tail = Utf8Offset(Text, length > n ? length - n : 0);
  return Text.substr(0, first) + kEllipsis + Text.substr(std::max(tail, first));
}

std::string FitHeaderText(const TCanvas& Canvas, const std::string& Line, int Available) {
  const int width = Canvas.TextWidth(Line);
  if (width <= 0 || Available >= width) return Line;
  const auto n = static_cast<std::size_t>(FittedCount(Utf8Length(Line), Available, width, 3));
  return std::string(Utf8Left(Line, n)) + kEllipsis;
}

// --- the whole view --------------------------------------------------------------------------------

void TReportListView::Paint() {
  if (FSuppressPaint) return;
  TCustomDrawGrid::Paint();
  if (GetNrOfRows() == 0) PaintEmptyList();
  PaintInterRowIndicator();
}

// The message lines are centred across the control and, as a block, in the space below the
// headers (the block's own height counted above the headers' bottom, as the classic layout does).
void TReportListView::PaintEmptyList() {
  TCanvas* canvas = GetCanvas();
  const int y0 = HeaderRowsHeight();
  canvas->GetPen()->SetColor(GetColor());
  canvas->GetPen()->SetWidth(1);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->Rectangle(0, y0, GetWidth(), GetHeight());
  if (FEmptyMessage.empty()) return;
  canvas->SetFont(GetFont());
  canvas->GetFont()->SetColor(FColorEmptyMsg);
  const int lh = canvas->TextHeight(FEmptyMessage);
  const std::vector<std::string> lines = SplitText(FEmptyMessage, '|');
  const int y1 = y0 - lh * static_cast<int>(lines.size());
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const int x = (GetWidth() - canvas->TextWidth(lines[k])) / 2;
    const int y = y1 - 2 + (GetHeight() - y1 - lh) / 2 + static_cast<int>(k) * lh;
    canvas->TextOut(x, y, lines[k]);
  }
}

// A line on the upper edge of data row InterRowIndicatorPos, counted from the first data row in
// view (rows above the view draw nothing; NrOfRows + 1 marks the end of the list).
void TReportListView::PaintInterRowIndicator() {
  const int pos = FInterRowIndPos;
  const int top = GetTopRow();
  if (pos == 0 || pos < top || pos > GetNrOfRows() + 1) return;
  const int y = (pos - top) * (GetDefaultRowHeight() + 1) + HeaderRowsHeight();
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetWidth(FInterRowIndWidth);
  Line(canvas, FInterRowIndColor, 0, y, GetWidth(), y);
  canvas->GetPen()->SetWidth(1);
}

int TReportListView::VisibleColumnsRight() const {
  int right = GetFixedCols() > 0 ? CellRect(0, 0).Right : 0;
  for (int col = TCustomDrawGrid::GetLeftCol(); col < GetColCount(); ++col) {
    const TRect r = CellRect(col, 0);
    if (r.IsEmpty()) break;
    right = r.Right;
  }
  return right;
}

void TReportListView::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetPen()->SetWidth(1);
  TRect textRect{ARect.Left + kTextLeft, ARect.Top + kTextTop, ARect.Right - kTextRight, ARect.Bottom};
  if (ARow >= CountHeadRows()) {
    textRect = DrawDataCell(ACol, ARow, ARect);
  } else if (ARow == CommonHeaderRow()) {
    DrawCommonHeaderCell(ARect);
  } else {
    textRect = DrawColumnHeaderCell(ACol, ARect);
  }
  TCustomDrawGrid::DrawCell(ACol, ARow, textRect, AState);
}

// --- data lines ------------------------------------------------------------------------------------

TRect TReportListView::DrawDataCell(int ACol, int ARow, const TRect& ARect) {
  TCanvas* canvas = GetCanvas();
  const TStringArray* table = FRLData->GetStrings();
  const int h = CountHeadRows();
  const int c = StoreColumnAt(ACol);
  const int r = ARow - h + 1;
  const bool fixedColumn = ACol < GetFixedCols();
  const bool rowDisabled = ValidRowNr(r) && (table->GetRowAttrib(r) & kRowAttribDisabled) != 0;

  std::string text = table->GetString(c, r);
  if (GetColumnIsPwd(c)) text = kPasswordMask;

  TColor fontColor = FColorText;
  TColor background =
      FRowColPattern > 0 && ((ARow - h) / FRowColPattern) % 2 == 0 ? FColorBkgdShaded : FColorBkgdNormal;
  TFontStyles styles = GetFont()->GetStyle();
  if (GetEnabled()) {
    if (rowDisabled) {
      background = FColorDisabledBkgd;
      fontColor = FColorDisabledText;
    } else {
      const bool rowSelected = GetRowSelected(r);
      const bool colSelected = GetColumnSelected(c);
      if (rowSelected && colSelected) {
        background = FColorSelectedBoth;
        fontColor = FColorSelectedBothText;
      } else if (colSelected) {
        background = FColorSelectedCol;
        fontColor = FColorSelectedColText;
      } else if (rowSelected) {
        background = FColorSelectedRow;
        fontColor = FColorSelectedRowText;
      }
      if ((FHighLightRow != 0 && r == FHighLightRow) || (FHighLightColumn != 0 && c == FHighLightColumn)) {
        background = FColorHigh;
        fontColor = FColorHighText;
        if (FHighLightBold) styles |= fsBold;
      }
    }
  }
  if (fixedColumn) background = GetColorColumnHd();
  if (!GetEnabled()) fontColor = clInactiveCaption;
  TColor penColor = background;
  TColor brushColor = background;
  if (FOnBeforeRenderCell) FOnBeforeRenderCell(this, c, r, penColor, brushColor, fontColor, styles, text);
  canvas->GetFont()->SetStyle(styles);
  canvas->GetFont()->SetColor(fontColor);
  canvas->GetBrush()->SetColor(brushColor);
  canvas->GetBrush()->SetStyle(bsSolid);

  const TCheckMode mode = FRLData->GetColCheckMode(c);
  const TAlignment alignment = GetColumnAlignment(c);
  const int available = TCustomDrawGrid::GetColWidths(ACol) - kCellTextSlack - (mode != cmNone ? kCheckBoxWidth : 0);
  text = FitCellText(*canvas, text, available, alignment == taRightJustify);

  TRect back = ARect;
  if (!fixedColumn) {
    if (!(GetOptions() & goVertLine)) ++back.Right;
    if (!(GetOptions() & goHorzLine)) ++back.Bottom;
  }
  canvas->GetPen()->SetColor(brushColor);
  canvas->Rectangle(back);
  canvas->GetPen()->SetColor(penColor);

  TRect textRect{ARect.Left + kTextLeft, ARect.Top + kTextTop, ARect.Right - kTextRight, ARect.Bottom};
  if (mode == cmNone) {
    DrawAlignedText(textRect, text, alignment);
  } else if (Utf8Length(text) > 1 || FShowEmptyCheckBoxes) {
    textRect.Left += kCheckBoxWidth;
    const bool checked = !text.empty() && text[0] != ' ';
    DrawAlignedText(textRect, WithoutFirstChar(text), alignment);
    DrawCheckBox(ARect, mode, checked, penColor, rowDisabled);
  }

  if (fixedColumn) {
    // A raised edge: light on the left and top, shadow on the bottom and right.
    const int bottom = back.Bottom - 1;
    Line(canvas, kEdgeLight, ARect.Left, bottom, ARect.Left, ARect.Top);
    canvas->LineTo(ARect.Right, ARect.Top);
    Line(canvas, kEdgeShadow, ARect.Left + 1, bottom, ARect.Right - 1, bottom);
    canvas->LineTo(ARect.Right - 1, ARect.Top);
  }
  return textRect;
}

void TReportListView::DrawAlignedText(const TRect& TextRect, const std::string& Text, TAlignment Alignment) {
  TCanvas* canvas = GetCanvas();
  const int tw = canvas->TextWidth(Text) + ItalicExtra(*canvas);
  int x = TextRect.Left;
  if (Alignment == taRightJustify) x = TextRect.Right - tw;
  if (Alignment == taCenter) x = (TextRect.Left + TextRect.Right) / 2 - tw / 2;
  canvas->TextRect(TextRect, x, TextRect.Top - 1, Text);
}

// The box (cmBox) or circle (cmRadio) at the cell's left and, when checked, its mark: a tick in
// the box, a dot in the circle. A read-only view draws the mark alone.
void TReportListView::DrawCheckBox(const TRect& ARect, TCheckMode Mode, bool Checked, TColor PenColor,
                                   bool RowDisabled) {
  TCanvas* canvas = GetCanvas();
  const int l = ARect.Left, t = ARect.Top;
  if (!FCheckMarksReadOnly) {
    TColor frame = RowDisabled ? PenColor : clBtnShadow;
    if (!GetEnabled()) frame = clInactiveCaption;
    canvas->GetPen()->SetColor(frame);
    if (Mode == cmRadio) {
      canvas->Ellipse(l + 4, t + 4, l + 15, t + 15);
    } else {
      canvas->Rectangle(l + 4, t + 4, l + 15, t + 15);
    }
  }
  if (!Checked) return;
  const TColor mark = GetEnabled() ? canvas->GetFont()->GetColor() : clInactiveCaption;
  if (Mode == cmRadio) {
    Line(canvas, mark, l + 8, t + 7, l + 11, t + 7);
    for (int k = 0; k < 3; ++k) Line(canvas, mark, l + 7, t + 8 + k, l + 12, t + 8 + k);
    Line(canvas, mark, l + 8, t + 11, l + 11, t + 11);
  } else {
    for (int k = 0; k < 3; ++k) {
      Line(canvas, mark, l + 6, t + 8 + k, l + 9, t + 11 + k);
      Line(canvas, mark, l + 8, t + 10 + k, l + 13, t + 5 + k);
    }
  }
}

// --- headers ---------------------------------------------------------------------------------------

// One band across every column in view, whichever of its cells is being drawn.
void TReportListView::DrawCommonHeaderCell(const TRect& ARect) {
  TCanvas* canvas = GetCanvas();
  const int o = VisibleColumnsRight();
  const TRect band{0, ARect.Top, o, ARect.Bottom};
  canvas->GetFont()->SetColor(FColorCommonHdText);
  canvas->GetBrush()->SetColor(FColorCommonHd);
  canvas->GetBrush()->SetStyle(bsSolid);
  const std::string& header = GetCommonHeader();
  const int lh = canvas->TextHeight(header);
  const std::vector<std::string> lines = SplitText(header, '\n');
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    const int width = canvas->TextWidth(lines[i]);
    int x = 4;
    if (FCommonHdAlignment == taRightJustify) x = o - width - 6;
    if (FCommonHdAlignment == taCenter) x = o / 2 - width / 2;
    canvas->TextRect(HeaderLineRect(band, k, lh), x, band.Top + kTextTop + (k - 1) * lh, lines[i]);
  }
  const int t = band.Top, b = band.Bottom;
  Line(canvas, kEdgeLight, 0, b - 1, 0, t);
  canvas->LineTo(o, t);
  Line(canvas, kEdgeShadow, 1, b - 1, o - 1, b - 1);
  canvas->LineTo(o - 1, t);
  Line(canvas, kEdgeDark, o, b - 1, o, t - 1);
}

TRect TReportListView::DrawColumnHeaderCell(int ACol, const TRect& ARect) {
  TCanvas* canvas = GetCanvas();
  const int c = StoreColumnAt(ACol);
  const int l = ARect.Left, t = ARect.Top, r = ARect.Right, b = ARect.Bottom;
  const TRect textRect{l + kTextLeft, t + kTextTop, r - kTextRight, b};
  canvas->GetBrush()->SetColor(GetColorColumnHd());
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetFont()->SetColor(FColorColumnHdText);
  const bool sorted = c == GetLastSortColumn();
  const std::string name = FRLData->GetColName(c);
  const int lh = canvas->TextHeight(name);
  const int columnWidth = TCustomDrawGrid::GetColWidths(ACol);
  const int available = columnWidth - (sorted ? kSortArrowRoom : 0) - kCellTextSlack;
  const TAlignment alignment = GetColumnAlignment(c);
  int arrowOffset = 0;
  const std::vector<std::string> lines = SplitText(name, '\n');
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    const std::string line = FitHeaderText(*canvas, lines[i], available);
    const int tw = canvas->TextWidth(line) + ItalicExtra(*canvas);
    int x = textRect.Left;
    if (alignment == taRightJustify) x = textRect.Right - tw;
    if (alignment == taCenter) x = (textRect.Left + textRect.Right) / 2 - tw / 2;
    if (k == 1) {
      // The arrow follows the first line's text.
      arrowOffset = tw + 10;
      if (alignment == taRightJustify) arrowOffset = textRect.Right - textRect.Left - tw - 12;
      if (alignment == taCenter) arrowOffset = (textRect.Right - textRect.Left) / 2 + tw / 2 + 10;
    }
    canvas->TextRect(HeaderLineRect(ARect, k, lh), x, t + kTextTop + (k - 1) * lh, line);
  }
  if (sorted) {
    arrowOffset = std::min(arrowOffset, columnWidth - kSortArrowMargin);
    DrawSortArrow(textRect.Left + arrowOffset, t + kTextTop + lh / 2, GetLastSortOrder());
  }
  const int o = VisibleColumnsRight();
  Line(canvas, kEdgeLight, l, b - 1, l, t);
  canvas->LineTo(o, t);
  Line(canvas, kEdgeShadow, l + 1, b - 1, o - 1, b - 1);
  canvas->LineTo(o - 1, t);
  return textRect;
}

// A small triangle, lit from the top left: pointing up for an ascending sort, down for descending.
void TReportListView::DrawSortArrow(int X0, int Y0, bool Ascending) {
  TCanvas* canvas = GetCanvas();
  if (Ascending) {
    Line(canvas, kEdgeShadow, X0 - 4, Y0 + 3, X0, Y0 - 3);
    canvas->GetPen()->SetColor(kEdgeLight);
    canvas->LineTo(X0 + 4, Y0 + 3);
    canvas->LineTo(X0 - 4, Y0 + 3);
  } else {
    Line(canvas, kEdgeLight, X0 + 4, Y0 - 3, X0, Y0 + 3);
    canvas->GetPen()->SetColor(kEdgeShadow);
    canvas->LineTo(X0 - 4, Y0 - 3);
    canvas->LineTo(X0 + 4, Y0 - 3);
  }
}

}  // namespace gadrix
