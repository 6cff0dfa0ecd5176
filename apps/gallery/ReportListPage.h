#pragma once
// The "Report list" page: a report list of 10,000 generated plant instruments under a two-line
// common header and the column headers, with check boxes (calibrated), radio buttons (the
// reference instrument), a password column (service PINs), banded rows, a highlighted row, a
// selected row and greyed rows for instruments out of service. Tabs choose the banding and whether
// the common header shows; a note follows the rows in view as the list scrolls.

#include <string>

#include "GalleryPage.h"
#include "PageTabs.h"
#include "gadrix/replist/ReportListView.h"

namespace gallery {

class TReportListPage : public TGalleryPage {
public:
  explicit TReportListPage(gadrix::TComponent* AOwner);

  gadrix::TReportListView* List() const { return list_; }
  // Tab i gives RowColPattern i: none, every row, pairs of rows.
  TPageTabs* Banding() const { return banding_; }
  // Tab 0 shows both headers, tab 1 the column headers alone.
  TPageTabs* Headers() const { return headers_; }
  // The note's line about the rows in view: "Rows 1 to 14 of 10,000 in view".
  const std::string& InViewText() const { return inView_; }
  // The number of instruments out of service, whose rows are disabled.
  int OutOfServiceCount() const { return outOfService_; }

  static constexpr int Rows = 10000;
  static constexpr int HighlightedRow = 2;
  static constexpr int SelectedRow = 6;

  // 10000 as "10,000".
  static std::string Thousands(int Value);

private:
  void AddSettings();
  void AddList();
  void ChooseBanding(int Index);
  void ChooseHeaders(int Index);
  void ReportView();

  gadrix::TReportListView* list_ = nullptr;
  TPageTabs* banding_ = nullptr;
  TPageTabs* headers_ = nullptr;
  int note_ = -1;
  int outOfService_ = 0;
  std::string inView_;
};

}  // namespace gallery
