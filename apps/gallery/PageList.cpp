#include "PageList.h"

#include <algorithm>
#include <cctype>

#include "CalendarPage.h"
#include "CanvasPage.h"
#include "DisplaysPage.h"
#include "GridsPage.h"
#include "MeterPage.h"
#include "NumericPage.h"
#include "ReportListPage.h"

namespace gallery {

namespace {

template <class T>
TGalleryPage* Make(gadrix::TComponent* Owner) {
  return new T(Owner);
}

bool SameLetters(const std::string& A, const std::string& B) {
  return std::equal(A.begin(), A.end(), B.begin(), B.end(), [](unsigned char a, unsigned char b) {
    return std::tolower(a) == std::tolower(b);
  });
}

}  // namespace

const std::vector<TPageEntry>& PageList() {
  static const std::vector<TPageEntry> pages = {
      {"canvas", "Canvas", Make<TCanvasPage>},
      {"numeric", "Numeric input", Make<TNumericPage>},
      {"displays", "Labels and displays", Make<TDisplaysPage>},
      {"grids", "Grids and edits", Make<TGridsPage>},
      {"meter", "Meter", Make<TMeterPage>},
      {"calendar", "Calendar", Make<TCalendarPage>},
      {"replist", "Report list", Make<TReportListPage>},
  };
  return pages;
}

int FindPage(const std::string& Name) {
  const std::vector<TPageEntry>& pages = PageList();
  for (std::size_t i = 0; i < pages.size(); ++i)
    if (SameLetters(Name, pages[i].Name) || SameLetters(Name, pages[i].Title)) return static_cast<int>(i);
  return -1;
}

std::string PageNames() {
  std::string names;
  for (const TPageEntry& page : PageList()) names += (names.empty() ? "" : ", ") + page.Name;
  return names;
}

}  // namespace gallery
