// The report list view's pixels: banding, colour precedence, check marks, headers, the sort arrow,
// the empty message and the inter-row indicator; and how texts are fitted into narrow columns.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gadrix/helmar/Utf8.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/replist/ReportListText.h"
#include "gadrix/replist/ReportListView.h"

namespace gadrix {
namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kShadow = 0x808080;
constexpr TColor kWhite = 0xFFFFFF;

struct TReportListPaintFixture : ::testing::Test {
  TForm form{nullptr};
  TReportListView* view = nullptr;

  void SetUp() override {
    form.SetBounds(0, 0, 800, 600);
    view = new TReportListView(&form);
    view->SetParent(&form);
    view->SetBorderStyle(bsNone);  // client and control coincide
    view->SetBounds(0, 0, 400, 300);
    view->SetScrollBars(ssNone);
  }
  void Fill(int Rows) {
    view->SetNrRows(Rows);
    for (int row = 1; row <= Rows; ++row)
      for (int col = 1; col <= view->GetNrOfColumns(); ++col)
        view->SetElem(col, row, std::string("c").append(std::to_string(row)));
  }
  std::unique_ptr<TBitmap> Shot() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(view->GetWidth(), view->GetHeight());
    view->PaintTo(bitmap->GetCanvas(), 0, 0);
    return bitmap;
  }
  static TColor Pixel(const TBitmap& Shot, int X, int Y) { return Shot.ScanLine(Y)[X]; }
  // The cell rectangle of a data cell (display column 1-based, data row).
  TRect DataCell(int Col, int Row) const { return view->CellRect(Col - 1, Row + view->CountHeadRows() - 1); }
  // A point of the cell's background that no text reaches.
  TColor Background(const TBitmap& Shot, int Col, int Row) const {
    const TRect r = DataCell(Col, Row);
    return Pixel(Shot, r.Right - 2, r.Top + 1);
  }
  int TextWidth(const std::string& Text) {
    view->GetCanvas()->SetFont(view->GetFont());
    return view->GetCanvas()->TextWidth(Text);
  }
};

TEST_F(TReportListPaintFixture, BandsCountRowsFromTheFirstDataRow) {
  Fill(8);
  const TColor shaded = view->GetColorBkgdShaded(), normal = view->GetColorBkgdNormal();
  struct {
    int Pattern;
    std::vector<TColor> Rows;
  } const cases[] = {
      {1, {shaded, normal, shaded, normal, shaded, normal}},
      {2, {shaded, shaded, normal, normal, shaded, shaded}},
      {3, {shaded, shaded, shaded, normal, normal, normal}},
      {0, {normal, normal, normal, normal, normal, normal}},
      {-1, {normal, normal, normal, normal, normal, normal}},
  };
  for (const auto& c : cases) {
    view->SetRowColPattern(c.Pattern);
    const auto shot = Shot();
    for (std::size_t row = 0; row < c.Rows.size(); ++row)
      EXPECT_EQ(Background(*shot, 2, static_cast<int>(row) + 1), c.Rows[row]) << "pattern " << c.Pattern << " row " << row + 1;
  }
  // Two header rows do not move the bands.
  view->SetRowColPattern(2);
  view->SetCommonHeaderVisible(true);
  const auto shot = Shot();
  EXPECT_EQ(Background(*shot, 2, 1), shaded);
  EXPECT_EQ(Background(*shot, 2, 3), normal);
}

TEST_F(TReportListPaintFixture, HighlightBeatsSelectionAndDisabledRowsBeatEverything) {
  Fill(7);
  view->SetRowColPattern(0);
  view->SetColorSelectedCol(0x00AA00);
  view->SetColorSelectedBoth(0xAA0000);
  view->SetRowSelected(2, true);
  view->SetRowSelected(3, true);
  view->SetHighLightRow(3);
  view->SetRowSelected(4, true);
  view->SetRowEnabled(4, false);
  view->SetHighLightColumn(4);
  view->SetColumnSelected(2, true);
  view->SetRowSelected(5, true);
  const auto shot = Shot();
  EXPECT_EQ(Background(*shot, 1, 1), view->GetColorBkgdNormal());
  EXPECT_EQ(Background(*shot, 1, 2), view->GetColorSelectedRow());
  EXPECT_EQ(Background(*shot, 1, 3), view->GetColorHigh());        // selected and highlighted
  EXPECT_EQ(Background(*shot, 1, 4), view->GetColorDisabledBkgd());  // disabled, selected, highlighted
  EXPECT_EQ(Background(*shot, 4, 4), view->GetColorDisabledBkgd());
  EXPECT_EQ(Background(*shot, 4, 1), view->GetColorHigh());          // the highlighted column
  EXPECT_EQ(Background(*shot, 2, 1), TColor(0x00AA00));              // the selected column
  EXPECT_EQ(Background(*shot, 2, 5), TColor(0xAA0000));              // selected row and column
  EXPECT_EQ(Background(*shot, 3, 5), view->GetColorSelectedRow());
  EXPECT_EQ(Background(*shot, 2, 3), view->GetColorHigh());          // highlight over both

  view->SetEnabled(false);  // a disabled view shows neither selection nor highlight
  const auto disabled = Shot();
  EXPECT_EQ(Background(*disabled, 1, 2), view->GetColorBkgdNormal());
  EXPECT_EQ(Background(*disabled, 1, 3), view->GetColorBkgdNormal());
  EXPECT_EQ(Background(*disabled, 1, 4), view->GetColorBkgdNormal());
}

TEST_F(TReportListPaintFixture, RenderEventSeesTheMaskedTextAndMayRecolourTheCell) {
  Fill(3);
  view->SetColumnIsPwd(2, true);
  std::vector<std::string> seen;
  view->SetOnBeforeRenderCell([&](TObject* Sender, int ACol, int ARow, TColor&, TColor& Brush, TColor&,
                                  TFontStyles&, std::string& Text) {
    EXPECT_EQ(Sender, view);
    if (ACol == 2) seen.push_back(Text);
    if (ACol == 3 && ARow == 2) Brush = 0x336699;
  });
  const auto shot = Shot();
  ASSERT_FALSE(seen.empty());
  for (const std::string& text : seen) EXPECT_EQ(text, "******");
  EXPECT_EQ(Background(*shot, 3, 2), TColor(0x336699));
  EXPECT_EQ(Background(*shot, 3, 1), view->GetColorBkgdShaded());
}

TEST_F(TReportListPaintFixture, CheckBoxesAndRadioButtonsShowTheirMarks) {
  Fill(3);
  view->SetRowColPattern(0);
  view->SetColumnCheckMode(1, cmBox);
  view->SetColumnCheckMode(2, cmRadio);
  view->SetElemChecked(1, 1, true);
  view->SetElemChecked(2, 2, true);
  view->GetRLData()->GetStrings()->SetString(1, 3, " ");  // the flag alone
  const TColor ink = view->GetColorText(), paper = view->GetColorBkgdNormal();
  const TColor frame = ColorToRGB(clBtnShadow);
  auto at = [&](const TBitmap& Shot, int Col, int Row, int Dx, int Dy) {
    const TRect r = DataCell(Col, Row);
    return Pixel(Shot, r.Left + Dx, r.Top + Dy);
  };
  const auto shot = Shot();
  EXPECT_EQ(at(*shot, 1, 1, 4, 9), frame);   // the box's left side
  EXPECT_EQ(at(*shot, 1, 1, 14, 9), frame);  // and its right side
  EXPECT_EQ(at(*shot, 1, 1, 6, 8), ink);     // the tick's first stroke
  EXPECT_EQ(at(*shot, 1, 1, 12, 6), ink);    // and its second
  EXPECT_EQ(at(*shot, 1, 2, 6, 8), paper);   // unchecked
  EXPECT_EQ(at(*shot, 1, 2, 4, 9), frame);
  EXPECT_EQ(at(*shot, 1, 3, 4, 9), frame);   // a flag alone still shows its box
  EXPECT_EQ(at(*shot, 2, 2, 4, 9), frame);   // the circle's left edge
  EXPECT_EQ(at(*shot, 2, 2, 9, 9), ink);     // the dot
  EXPECT_EQ(at(*shot, 2, 1, 9, 9), paper);
  EXPECT_EQ(at(*shot, 2, 1, 4, 4), paper);   // a circle has no corners

  view->SetShowEmptyCheckBoxes(false);
  const auto hidden = Shot();
  EXPECT_EQ(at(*hidden, 1, 3, 4, 9), paper);
  EXPECT_EQ(at(*hidden, 1, 2, 4, 9), frame);  // a cell with text keeps its box

  view->SetCheckMarksReadOnly(true);  // the marks stay, the boxes go
  const auto readOnly = Shot();
  EXPECT_EQ(at(*readOnly, 1, 1, 4, 9), paper);
  EXPECT_EQ(at(*readOnly, 1, 1, 6, 8), ink);
  EXPECT_EQ(at(*readOnly, 2, 2, 9, 9), ink);
}

TEST_F(TReportListPaintFixture, TheSortArrowPointsUpForAscendingAndDownForDescending) {
  Fill(5);
  const TRect header = view->CellRect(0, 0);
  view->GetCanvas()->SetFont(view->GetFont());
  const int lh = view->GetCanvas()->TextHeight("C-1");
  const int x0 = header.Left + 4 + TextWidth("C-1") + 10;
  const int y0 = header.Top + 2 + lh / 2;

  view->Sort(1, -1, true);
  auto shot = Shot();
  EXPECT_EQ(Pixel(*shot, x0, y0 - 3), kWhite);      // the apex on top
  EXPECT_EQ(Pixel(*shot, x0 - 4, y0 + 3), kShadow);  // the shaded left side starts at the base
  EXPECT_EQ(Pixel(*shot, x0, y0 + 3), kWhite);      // the lit base

  view->Sort(1, -1, false);
  shot = Shot();
  EXPECT_EQ(Pixel(*shot, x0, y0 + 3), kShadow);  // the apex below
  EXPECT_EQ(Pixel(*shot, x0, y0 - 3), kShadow);  // the shaded top
  EXPECT_EQ(Pixel(*shot, x0 + 4, y0 - 3), kWhite);

  view->UnSort();
  shot = Shot();
  EXPECT_EQ(Pixel(*shot, x0, y0 + 3), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(*shot, x0, y0 - 3), ColorToRGB(clBtnFace));
}

TEST_F(TReportListPaintFixture, TheCommonHeaderIsOneRaisedBandAcrossTheColumnsInView) {
  Fill(3);
  view->SetCommonHeaderVisible(true);
  view->SetColorCommonHd(0x00FFFF);
  const auto shot = Shot();
  const int o = view->CellRect(4, 0).Right;
  const int bottom = view->CellRect(0, 0).Bottom;
  EXPECT_EQ(Pixel(*shot, 10, 4), TColor(0x00FFFF));
  EXPECT_EQ(Pixel(*shot, 0, 5), kWhite);
  EXPECT_EQ(Pixel(*shot, 50, 0), kWhite);
  EXPECT_EQ(Pixel(*shot, o - 1, 5), kShadow);
  EXPECT_EQ(Pixel(*shot, 50, bottom - 1), kShadow);
  EXPECT_EQ(Pixel(*shot, o, 5), TColor(0x000000));
  // The column headers below keep their own colour.
  const TRect columnHeader = view->CellRect(2, 1);
  EXPECT_EQ(Pixel(*shot, columnHeader.Right - 3, columnHeader.Bottom - 3), ColorToRGB(clBtnFace));
}

TEST_F(TReportListPaintFixture, TheFixedFirstColumnIsRaisedInTheHeaderColour) {
  Fill(3);
  view->SetFixedFirstColumn(true);
  view->SetColorColumnHd(0x4080C0);
  const auto shot = Shot();
  const TRect r = DataCell(1, 2);
  EXPECT_EQ(Pixel(*shot, r.Right - 3, r.Top + 3), TColor(0x4080C0));
  EXPECT_EQ(Pixel(*shot, r.Left, r.Top + 3), kWhite);
  EXPECT_EQ(Pixel(*shot, r.Left + 3, r.Top), kWhite);
  EXPECT_EQ(Pixel(*shot, r.Right - 1, r.Top + 3), kShadow);
  EXPECT_EQ(Pixel(*shot, r.Left + 3, r.Bottom - 1), kShadow);
}

TEST_F(TReportListPaintFixture, AnEmptyListShowsItsMessageLinesCentredBelowTheHeaders) {
  view->SetNrRows(0);
  view->SetCommonHeaderVisible(true);
  view->SetColor(0xEEEEEE);
  view->SetColorEmptyMsg(kRed);
  view->SetEmptyMessage("No rows yet|Add one");
  const auto shot = Shot();
  EXPECT_EQ(view->GetRowCount(), 3);
  EXPECT_EQ(Pixel(*shot, 5, view->GetHeight() - 3), TColor(0xEEEEEE));
  EXPECT_EQ(Pixel(*shot, 5, view->CellRect(0, 2).Top + 3), TColor(0xEEEEEE));  // the data line is covered
  // Rows holding red ink, in bands: the first and last row of each and its leftmost and rightmost ink.
  struct TBand {
    int First, Last, Left, Right;
  };
  std::vector<TBand> bands;
  for (int y = 0; y < view->GetHeight(); ++y) {
    for (int x = 0; x < view->GetWidth(); ++x) {
      if (Pixel(*shot, x, y) != kRed) continue;
      if (bands.empty() || bands.back().Last < y - 1) bands.push_back({y, y, x, x});
      TBand& band = bands.back();
      band.Last = y;
      band.Left = std::min(band.Left, x);
      band.Right = std::max(band.Right, x);
    }
  }
  ASSERT_EQ(bands.size(), 2U);
  view->GetCanvas()->SetFont(view->GetFont());
  const int lh = view->GetCanvas()->TextHeight("No rows yet|Add one");
  EXPECT_LE(bands[1].First - bands[0].First, lh + 2);  // one line height apart
  EXPECT_GT(bands[0].First, view->CellRect(0, 1).Bottom);  // below the headers
  for (const TBand& band : bands) EXPECT_NEAR((band.Left + band.Right) / 2.0, view->GetWidth() / 2.0, 3.0);  // ink, not advance, is measured
}

TEST_F(TReportListPaintFixture, TheInterRowIndicatorLiesOnTheUpperEdgeOfItsRow) {
  Fill(6);
  view->SetInterRowIndicatorPos(3);
  for (int headers = 0; headers <= 2; ++headers) {
    view->SetColumnHeadersVisible(headers >= 1);
    view->SetCommonHeaderVisible(headers == 2);
    const auto shot = Shot();
    const TRect row3 = DataCell(2, 3);
    EXPECT_EQ(Pixel(*shot, 30, row3.Top - 1), kRed) << headers << " header rows";
    EXPECT_NE(Pixel(*shot, 30, row3.Top + 5), kRed) << headers << " header rows";
  }
  view->SetInterRowIndicatorPos(7);  // after the last row
  auto shot = Shot();
  EXPECT_EQ(Pixel(*shot, 30, DataCell(2, 6).Bottom), kRed);
  view->SetTopRow(4);
  view->SetInterRowIndicatorPos(2);  // above the view: nothing
  shot = Shot();
  for (int y = 0; y < view->GetHeight(); ++y) ASSERT_NE(Pixel(*shot, 30, y), kRed) << y;
}

TEST_F(TReportListPaintFixture, SuppressedPaintingDrawsNothingAndResumesAtOnce) {
  Fill(3);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(view->GetWidth(), view->GetHeight());
  bitmap->GetCanvas()->GetBrush()->SetColor(0x123456);
  bitmap->GetCanvas()->FillRect({0, 0, view->GetWidth(), view->GetHeight()});
  view->SetSuppressPaint(true);
  view->PaintTo(bitmap->GetCanvas(), 0, 0);
  EXPECT_EQ(Pixel(*bitmap, 100, 60), TColor(0x123456));
  view->SetSuppressPaint(false);
  view->PaintTo(bitmap->GetCanvas(), 0, 0);
  EXPECT_NE(Pixel(*bitmap, 100, 60), TColor(0x123456));
}

// --- fitting ------------------------------------------------------------------------------------------

struct TFitFixture : TReportListPaintFixture {
  TCanvas& Canvas() {
    view->GetCanvas()->SetFont(view->GetFont());
    return *view->GetCanvas();
  }
};

TEST_F(TFitFixture, LeftTextsKeepTheirBeginningAndRightTextsTheirEnds) {
  const std::string text = "Cauliflower soup with cheese";
  const int full = Canvas().TextWidth(text.substr(1));
  EXPECT_EQ(FitCellText(Canvas(), text, full, false), text);  // exactly fits
  const std::string left = FitCellText(Canvas(), text, full / 2, false);
  ASSERT_GT(left.size(), 3U);
  EXPECT_EQ(left.substr(left.size() - 3), "...");
  EXPECT_EQ(text.rfind(left.substr(0, left.size() - 3), 0), 0U);
  EXPECT_LE(Canvas().TextWidth(left.substr(0, left.size() - 3)), full / 2);

  const std::string right = FitCellText(Canvas(), text, full / 2, true);
  EXPECT_EQ(right.substr(0, 4), "C...");
  const std::string tail = right.substr(4);
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_LT(tail.size(), text.size() - 4);

  // Never fewer than one character, whatever the room.
  EXPECT_EQ(FitCellText(Canvas(), text, -50, false), "C...");
  EXPECT_EQ(FitCellText(Canvas(), text, -50, true), "C...e");
  // A text of one character has nothing to measure and stays.
  EXPECT_EQ(FitCellText(Canvas(), "X", -50, false), "X");
}

TEST_F(TFitFixture, FittingCountsCharactersNotBytes) {
  const std::string text = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4";  // 10 umlauts
  for (int room = -5; room < 80; room += 7) {
    for (bool rightAligned : {false, true}) {
      std::string letters = FitCellText(Canvas(), text, room, rightAligned);
      const std::size_t dots = letters.find("...");
      if (dots != std::string::npos) letters.erase(dots, 3);
      EXPECT_EQ(Utf8Length(letters) * 2, letters.size()) << room;  // only whole two-byte characters
    }
  }
  const std::string header = FitHeaderText(Canvas(), text, 20);
  EXPECT_EQ(header.substr(header.size() - 3), "...");
  EXPECT_EQ(Utf8Length(header.substr(0, header.size() - 3)) * 2, header.size() - 3);  // whole characters
}

TEST_F(TFitFixture, HeaderLinesKeepTheirBeginning) {
  const std::string name = "Quantity on hand";
  const int full = Canvas().TextWidth(name);
  EXPECT_EQ(FitHeaderText(Canvas(), name, full), name);
  const std::string cut = FitHeaderText(Canvas(), name, full / 2);
  EXPECT_EQ(cut.substr(cut.size() - 3), "...");
  EXPECT_EQ(name.rfind(cut.substr(0, cut.size() - 3), 0), 0U);
  EXPECT_EQ(FitHeaderText(Canvas(), name, -10), "Q...");
  EXPECT_EQ(FitHeaderText(Canvas(), "", -10), "");  // an empty line stays empty
}

}  // namespace
}  // namespace gadrix
