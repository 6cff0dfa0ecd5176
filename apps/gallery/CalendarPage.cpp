#include "CalendarPage.h"

#include <string>

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kFirstTop = TGalleryPage::Margin + TGalleryPage::CaptionGap;
const TRect kLanguageBounds = Bounds(TGalleryPage::Margin, kFirstTop, 420, 30);
const TRect kCalendarBounds = Bounds(TGalleryPage::Margin, kFirstTop + 64, 420, 300);
constexpr int kNotesLeft = 470;

// The languages in the order of their numbers 1 to 4, and the host's holiday in each.
const char* const kLanguageNames[] = {"English", "Deutsch", "Fran\xC3\xA7" "ais", "Espa\xC3\xB1ol"};
const char* const kHostHoliday[] = {"Gadrix day", "Gadrix-Tag", "Jour de Gadrix", "D\xC3\xAD" "a de Gadrix"};

}  // namespace

TCalendarPage::TCalendarPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  SetName("CalendarPage");
  languages_ = AddExhibit<TPageTabs>("Languages", kLanguageBounds, "Language");
  languages_->SetTabs({std::begin(kLanguageNames), std::end(kLanguageNames)});
  languages_->SetTabIndex(0);
  languages_->SetOnChange([this](TObject*) { ChooseLanguage(languages_->GetTabIndex()); });

  calendar_ = AddExhibit<TMiniCal>("Calendar", kCalendarBounds, "TMiniCal: click a day, or the arrows");
  calendar_->SetShowHint(true);
  AddHostHoliday();
  calendar_->SetOnChange([this](TObject*) { ReportDate(); });
  note_ = AddNote({kNotesLeft, kCalendarBounds.Top - CaptionGap}, "The selected day", {});
  AddNote({kNotesLeft, kCalendarBounds.Top + 80}, "About",
          {"Week numbers follow ISO 8601. Holidays: the fixed ones, those that",
           "move with Easter, and one the host adds for every year (14 March).",
           "Days of the neighbouring months switch the month when clicked."});
  ReportDate();
  SetSelected(calendar_);
}

void TCalendarPage::ChooseLanguage(int Index) {
  calendar_->SetLanguage(static_cast<TLanguage>(Index + 1));
  AddHostHoliday();
  calendar_->Invalidate();
  ReportDate();
}

void TCalendarPage::AddHostHoliday() {
  const int language = calendar_->GetLanguage();
  const int index = language >= 1 && language <= 4 ? language - 1 : 0;
  calendar_->AddRepeatHoliday(HostHolidayDay, HostHolidayMonth, kHostHoliday[index]);
}

void TCalendarPage::ReportDate() {
  std::string caption;
  const bool holiday = calendar_->CheckHoliday(calendar_->GetYear(), calendar_->GetMonth(), calendar_->GetDay(), caption);
  const std::string date = std::to_string(calendar_->GetYear())
                               .append("-")
                               .append(calendar_->GetMonth() < 10 ? "0" : "")
                               .append(std::to_string(calendar_->GetMonth()))
                               .append("-")
                               .append(calendar_->GetDay() < 10 ? "0" : "")
                               .append(std::to_string(calendar_->GetDay()));
  SetNoteLines(note_, {date, holiday ? caption : std::string("no holiday")});
  ExhibitChanged(calendar_);
}

}  // namespace gallery
