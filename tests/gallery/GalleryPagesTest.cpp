#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "CanvasPage.h"
#include "DisplaysPage.h"
#include "GalleryForm.h"
#include "GridsPage.h"
#include "NumericPage.h"
#include "PageList.h"

namespace gallery {
namespace {

using namespace gadrix;

TPoint MiddleOf(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

void ClickTab(TGalleryForm& Form, int Index) {
  const TPoint p = MiddleOf(Form.Tabs()->TabRect(Index));
  sim::Click(Form.Tabs(), p.X, p.Y);
}

TColor PixelOf(TGalleryForm& Form, TPoint P) {
  TBitmap picture;
  picture.SetSize(Form.GetWidth(), Form.GetHeight());
  Form.PaintTo(picture.GetCanvas(), 0, 0);
  return picture.GetCanvas()->GetPixel(P.X, P.Y);
}

TEST(GalleryPages, ATabShowsItsPageAloneWithThatPagesSelection) {
  TGalleryForm form(nullptr);
  form.Show();
  ASSERT_EQ(form.Pages().size(), PageList().size());
  EXPECT_EQ(form.Tabs()->TabCount(), static_cast<int>(PageList().size()));
  for (std::size_t i = 0; i < PageList().size(); ++i)
    EXPECT_EQ(form.Tabs()->GetTabs()[i], PageList()[i].Title);

  TCanvasPage* canvas = form.Page<TCanvasPage>();
  TNumericPage* numeric = form.Page<TNumericPage>();
  ClickTab(form, 1);
  EXPECT_EQ(form.GetPageIndex(), 1);
  EXPECT_EQ(form.ActivePage(), numeric);
  EXPECT_TRUE(numeric->GetVisible());
  EXPECT_FALSE(canvas->GetVisible());
  EXPECT_EQ(form.Inspector()->GetSubject(), numeric->Exhibits().front());

  // The pixels follow: the swatch's place now shows the numeric page.
  const TPoint swatchMiddle = canvas->Swatch()->ClientToForm({90, 75});
  EXPECT_NE(PixelOf(form, swatchMiddle), ColorToRGB(canvas->Swatch()->GetColor()));

  // Each page keeps its own selection.
  TNumIO2* delay = numeric->Field("Delay");
  sim::Click(delay, 10, 10);
  EXPECT_EQ(form.Inspector()->GetSubject(), delay);
  ClickTab(form, 0);
  EXPECT_EQ(form.Inspector()->GetSubject(), canvas->Swatch());
  EXPECT_EQ(PixelOf(form, swatchMiddle), ColorToRGB(canvas->Swatch()->GetColor()));
  ClickTab(form, 1);
  EXPECT_EQ(form.GetSelected(), delay);
}

TEST(GalleryPages, EveryPagesTabLiesWithinTheStrip) {
  TGalleryForm form(nullptr);
  form.Show();
  TPageTabs* tabs = form.Tabs();
  ASSERT_EQ(tabs->TabCount(), static_cast<int>(PageList().size()));
  for (int i = 0; i < tabs->TabCount(); ++i) {
    tabs->SetTabIndex(i);  // raised, the tab is at its tallest
    EXPECT_LE(tabs->TabRect(i).Right, tabs->GetClientWidth()) << PageList()[i].Title;
  }
}

TEST(GalleryPages, CtrlTabTurnsThePagesFromAnyFocusedControl) {
  TGalleryForm form(nullptr);
  form.Show();
  const int count = static_cast<int>(form.Pages().size());
  sim::Key(form.Page<TCanvasPage>()->Swatch(), VK_TAB, ssCtrl);
  EXPECT_EQ(form.GetPageIndex(), 1);
  EXPECT_EQ(form.Tabs()->GetTabIndex(), 1);
  sim::Key(form.Page<TNumericPage>()->Field("Length"), VK_TAB, ssCtrl | ssShift);
  EXPECT_EQ(form.GetPageIndex(), 0);
  sim::Key(form.Tabs(), VK_TAB, ssCtrl | ssShift);  // round to the last page
  EXPECT_EQ(form.GetPageIndex(), count - 1);
  sim::Key(form.Tabs(), VK_TAB, ssCtrl);
  EXPECT_EQ(form.GetPageIndex(), 0);
  sim::Key(form.Tabs(), VK_RIGHT);  // the tabs themselves, with the focus
  EXPECT_EQ(form.GetPageIndex(), 1);
}

TEST(GalleryPages, PagesArePickedByNameOrTitleAndSelectingAnExhibitTurnsToItsPage) {
  EXPECT_EQ(FindPage("canvas"), 0);
  EXPECT_EQ(FindPage("NUMERIC"), 1);
  EXPECT_EQ(FindPage("labels and displays"), 2);
  EXPECT_EQ(FindPage("Grids and edits"), 3);
  EXPECT_EQ(FindPage("meter"), 4);
  EXPECT_EQ(FindPage("grid"), -1);
  EXPECT_EQ(FindPage(""), -1);
  EXPECT_NE(PageNames().find("displays"), std::string::npos);

  TGalleryForm form(nullptr);
  form.Show();
  EXPECT_TRUE(form.ShowPage("Grids"));
  EXPECT_EQ(form.ActivePage(), form.Page<TGridsPage>());
  EXPECT_FALSE(form.ShowPage("nowhere"));
  EXPECT_EQ(form.ActivePage(), form.Page<TGridsPage>());

  TSevenSeg* clock = form.Page<TDisplaysPage>()->Clock();
  form.Select(clock);
  EXPECT_EQ(form.ActivePage(), form.Page<TDisplaysPage>());
  EXPECT_EQ(form.Inspector()->GetSubject(), clock);
  EXPECT_EQ(form.Tabs()->GetTabIndex(), form.GetPageIndex());
  form.Select(form.Inspector());  // no exhibit: nothing changes
  EXPECT_EQ(form.GetSelected(), clock);
  form.Select(nullptr);
  EXPECT_EQ(form.Inspector()->GetSubject(), nullptr);
}

TEST(GalleryPages, TheInspectorShowsEveryExhibitOfEveryPage) {
  TGalleryForm form(nullptr);
  form.Show();
  for (TGalleryPage* page : form.Pages()) {
    EXPECT_FALSE(page->Exhibits().empty()) << page->GetTitle();
    for (TControl* exhibit : page->Exhibits()) {
      form.Select(exhibit);
      TPropertyEditor* inspector = form.Inspector();
      ASSERT_EQ(inspector->GetSubject(), exhibit) << exhibit->GetName();
      EXPECT_EQ(inspector->ValueText(inspector->RowOf("Name")), exhibit->GetName());
      EXPECT_EQ(inspector->ValueText(inspector->RowOf("Left")), std::to_string(exhibit->GetLeft()));
      // A press selects it (pressing at its top-left corner, clear of buttons and gauges).
      form.Select(nullptr);
      sim::MouseDown(exhibit, mbLeft, 0, 2, 2);
      sim::MouseUp(exhibit, mbLeft, 0, 2, 2);
      EXPECT_EQ(form.GetSelected(), exhibit) << exhibit->GetName();
    }
  }
}

TEST(GalleryPages, NumericFieldsReportTheirEventsAndTheInspectorFollows) {
  TGalleryForm form(nullptr);
  form.Show();
  TNumericPage* page = form.Page<TNumericPage>();
  form.ShowPage("numeric");
  TNumIO2* delay = page->Field("Delay");
  ASSERT_NE(delay, nullptr);
  form.Select(delay);
  // The upper half of the up/down buttons steps to the next pivot.
  const int buttonX = delay->GetLeftSpace() + delay->GetTextBoxWidth() + delay->GetButSpace() + 2 +
                      delay->GetButWidth() / 2;
  sim::Click(delay, buttonX, 5);
  EXPECT_EQ(delay->GetText(), "50");
  EXPECT_EQ(page->LastEvent(), "OnChange: Delay = 50");
  TPropertyEditor* inspector = form.Inspector();
  EXPECT_EQ(inspector->ValueText(inspector->RowOf("Text")), "50");

  TNumIO2* length = page->Field("Length");
  sim::Click(length, length->GetLeftSpace() + length->GetTextBoxWidth() - 4, 10);
  sim::Key(length, VK_END);
  sim::Type(length, "7");
  EXPECT_EQ(page->LastEvent(), "OnChange: Length = 123.457");
}

TEST(GalleryPages, TheClockShowsItsSourcesTimeAndTicksOnlyWhileItsPageShows) {
  TGalleryForm form(nullptr);
  form.Show();
  TDisplaysPage* page = form.Page<TDisplaysPage>();
  TDateTime now = EncodeTime(12, 34, 56, 0);
  page->SetClockSource([&] { return now; });
  EXPECT_EQ(page->Clock()->GetCaption(), "12:34:56");

  // Hidden: nothing moves.
  const std::string count = page->Counter()->GetCaption();
  now += 1.0 / 86400;
  sim::AdvanceTime(2000);
  EXPECT_EQ(page->Clock()->GetCaption(), "12:34:56");
  EXPECT_EQ(page->Counter()->GetCaption(), count);

  form.ShowPage("displays");
  EXPECT_EQ(page->Clock()->GetCaption(), "12:34:57");  // at once on showing
  form.Select(page->Clock());
  now += 1.0 / 86400;
  sim::AdvanceTime(1000 + 20);
  EXPECT_EQ(page->Clock()->GetCaption(), "12:34:58");
  TPropertyEditor* inspector = form.Inspector();
  EXPECT_EQ(inspector->ValueText(inspector->RowOf("Caption")), "12:34:58");

  // The wall clock's own time has the same shape.
  page->SetClockSource(nullptr);
  page->SetClockSource([] { return EncodeDate(2024, 3, 5) + EncodeTime(9, 5, 7, 999); });
  EXPECT_EQ(page->Clock()->GetCaption(), "09:05:07");
}

TEST(GalleryPages, TheCounterCountsTenthsAndAClickStopsIt) {
  TGalleryForm form(nullptr);
  form.Show();
  TDisplaysPage* page = form.Page<TDisplaysPage>();
  form.ShowPage("displays");
  EXPECT_EQ(page->Counter()->GetCaption(), "    0.0");
  sim::AdvanceTime(12 * TDisplaysPage::CounterInterval);
  EXPECT_EQ(page->Counter()->GetCaption(), "    1.2");
  sim::Click(page->Counter(), 20, 20);
  EXPECT_FALSE(page->GetCounting());
  EXPECT_EQ(form.GetSelected(), page->Counter());
  sim::AdvanceTime(1000);
  EXPECT_EQ(page->Counter()->GetCaption(), "    1.2");
  sim::Click(page->Counter(), 20, 20);
  sim::AdvanceTime(TDisplaysPage::CounterInterval);
  EXPECT_EQ(page->Counter()->GetCaption(), "    1.3");

  // The signal label moves on its own timer.
  const double before = page->Signal()->GetValue();
  sim::AdvanceTime(TDisplaysPage::SignalInterval);
  EXPECT_NE(page->Signal()->GetValue(), before);
}

TEST(GalleryPages, TheGridDrawsCoordinatesAndTheNotesFollowGridAndEdit) {
  EXPECT_EQ(TGridsPage::CellText(0, 0), "");
  EXPECT_EQ(TGridsPage::CellText(3, 0), "C3");
  EXPECT_EQ(TGridsPage::CellText(0, 12), "R12");
  EXPECT_EQ(TGridsPage::CellText(3, 12), "3, 12");

  TGalleryForm form(nullptr);
  form.Show();
  form.ShowPage("grids");
  TGridsPage* page = form.Page<TGridsPage>();
  TDrawGrid* grid = page->Grid();
  EXPECT_EQ(form.GetSelected(), grid);
  const TPoint cell = MiddleOf(grid->CellRect(3, 2));
  sim::Click(grid, cell.X, cell.Y);
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_EQ(grid->GetRow(), 2);
  sim::Key(grid, VK_NEXT);  // a page down scrolls
  EXPECT_GT(grid->GetTopRow(), 1);

  // Text appears in the cells: some pixel of a scrollable cell is not its background.
  TBitmap picture;
  picture.SetSize(grid->GetWidth(), grid->GetHeight());
  grid->PaintTo(picture.GetCanvas(), 0, 0);
  const TRect r = grid->CellRect(1, grid->GetTopRow());
  bool inked = false;
  for (int y = r.Top; y < r.Bottom && !inked; ++y)
    for (int x = r.Left; x < r.Right && !inked; ++x) inked = picture.GetCanvas()->GetPixel(x, y) == ColorToRGB(clBlack);
  EXPECT_TRUE(inked);

  TEdit* edit = page->Edit();
  sim::Click(edit, 5, 5);
  sim::Key(edit, VK_END);
  sim::Type(edit, "!");
  EXPECT_EQ(form.GetSelected(), edit);
  EXPECT_TRUE(edit->GetModified());
  EXPECT_EQ(form.Inspector()->ValueText(form.Inspector()->RowOf("Text")), edit->GetText());
}

}  // namespace
}  // namespace gallery
