#include "ReportListPage.h"

#include <algorithm>

#include "InstrumentList.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kFirstTop = TGalleryPage::Margin + TGalleryPage::CaptionGap;
const TRect kBandingBounds = Bounds(TGalleryPage::Margin, kFirstTop, 330, 30);
const TRect kHeadersBounds = Bounds(TGalleryPage::Margin + 350, kFirstTop, 310, 30);
const TRect kListBounds = Bounds(TGalleryPage::Margin, kFirstTop + 64, 660, 340);
constexpr int kNotesTop = kFirstTop + 64 + 340 + 16;
constexpr int kAboutLeft = 300;

const char* const kCommonHeader = "Plant instruments, unit 2\nReadings of 14 March 2025, 06:00";

}  // namespace

std::string TReportListPage::Thousands(int Value) {
  const std::string digits = std::to_string(Value);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && digits[i - 1] != '-' && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

TReportListPage::TReportListPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  SetName("ReportListPage");
  AddSettings();
  AddList();
  note_ = AddNote({Margin, kNotesTop}, "In view", {});
  AddNote({kAboutLeft, kNotesTop}, "About",
          {"Calibrated: a check box and the date; Ref.: the reference",
           "instrument, a radio button; the PINs show as a password.",
           "Greyed rows are out of service. Scroll with the wheel, the",
           "scroll bars, the arrows, Page Up / Down or Ctrl+Home / End."});
  ReportView();
  SetSelected(list_);
}

void TReportListPage::AddSettings() {
  banding_ = AddExhibit<TPageTabs>("Banding", kBandingBounds, "Banding (RowColPattern)");
  banding_->SetTabs({"None", "Every row", "Pairs of rows"});
  banding_->SetTabIndex(1);
  banding_->SetOnChange([this](TObject*) { ChooseBanding(banding_->GetTabIndex()); });
  headers_ = AddExhibit<TPageTabs>("Headers", kHeadersBounds, "Headers");
  headers_->SetTabs({"Both headers", "Column headers"});
  headers_->SetTabIndex(0);
  headers_->SetOnChange([this](TObject*) { ChooseHeaders(headers_->GetTabIndex()); });
}

void TReportListPage::AddList() {
  list_ = AddExhibit<TReportListView>("Instruments", kListBounds,
                                      "TReportListView: " + Thousands(Rows) + " instruments");
  list_->SetSuppressPaint(true);
  FillInstrumentList(list_, Rows);
  list_->SetCommonHeader(kCommonHeader);
  list_->SetCommonHeaderVisible(true);
  TCanvas* c = list_->GetCanvas();
  c->SetFont(list_->GetFont());
  list_->SetCommonHeaderHeight(2 * c->TextHeight("Ag") + 6);
  list_->SetHighLightRow(HighlightedRow);
  list_->SetHighLightBold(true);
  list_->SetRowSelected(SelectedRow, true);
  for (int row = 1; row <= Rows; ++row) {
    if (MakeInstrument(row).OutOfService) {
      list_->SetRowEnabled(row, false);
      ++outOfService_;
    }
  }
  FitInstrumentColumns(list_);
  list_->SetSuppressPaint(false);
  list_->SetOnTopLeftChanged([this](TObject*) { ReportView(); });
}

void TReportListPage::ChooseBanding(int Index) {
  list_->SetRowColPattern(Index);
  ExhibitChanged(list_);
}

void TReportListPage::ChooseHeaders(int Index) {
  list_->SetCommonHeaderVisible(Index == 0);
  ReportView();
}

void TReportListPage::ReportView() {
  const int first = list_->GetTopRow();
  const int last = std::min(first + std::max(list_->GetVisibleRowCount(), 1) - 1, list_->GetNrOfRows());
  inView_ = "Rows " + Thousands(first) + " to " + Thousands(last) + " of " + Thousands(list_->GetNrOfRows()) +
            " in view";
  SetNoteLines(note_, {inView_, Thousands(outOfService_) + " instruments out of service"});
  ExhibitChanged(list_);
}

}  // namespace gallery
