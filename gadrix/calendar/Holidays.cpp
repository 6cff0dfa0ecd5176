#include "gadrix/calendar/Holidays.h"

#include <array>

namespace gadrix {

namespace {

constexpr int kLanguageCount = 4;
using TCaptions = std::array<const char*, kLanguageCount>;

constexpr std::array<TFixedHoliday, kFixedHolidayCount> kFixed = {
    {{25, 12}, {26, 12}, {1, 1}, {6, 1}, {15, 8}, {1, 11}, {8, 12}, {1, 5}}};

constexpr std::array<TCaptions, kFixedHolidayCount> kFixedCaptions = {{
    {"Christmas Day", "Weihnachten", "No\u00ebl", "Navidad"},
    {"Boxing Day", "Stephanitag", "Jour de boxe", "D\u00eda de San Esteban"},
    {"New Year's Day", "Neujahrstag", "Nouvel An Jour", "D\u00eda de A\u00f1o Nuevo"},
    {"Epiphany", "Hl. Drei K\u00f6nige", "\u00c9piphanie", "Epifan\u00eda"},
    {"Assumption of Mary", "Maria Himmelfahrt", "Assomption", "Asunci\u00f3n"},
    {"All Saints", "Allerheiligen", "La Toussaint", "D\u00eda de Todos los Santos"},
    {"Immaculate Conception", "Maria Empf\u00e4ngnis", "Immacul\u00e9e Conception", "Inmaculada Concepci\u00f3n"},
    {"Labor Day", "Tag der Arbeit", "F\u00eate du Travail", "D\u00eda del Trabajo"},
}};

constexpr std::array<int, kMovableHolidayCount> kMovableOffsets = {0, 1, 39, 49, 50, 60};

constexpr std::array<TCaptions, kMovableHolidayCount> kMovableCaptions = {{
    {"Easter Day", "Ostersonntag", "Le jour de P\u00e2ques", "Domingo de Resurrecci\u00f3n"},
    {"Easter Monday", "Ostermontag", "Lundi de P\u00e2ques", "Lunes de Pascua"},
    {"Ascension Day", "Christi Himmelfahrt", "Ascension du Christ", "Ascensi\u00f3n de Cristo"},
    {"Pentecost", "Pfingstsonntag", "Dimanche de Pentec\u00f4te", "Domingo de Pentecost\u00e9s"},
    {"Whit Monday", "Pfingstmontag", "Lundi de Pentec\u00f4te", "Lunes de Pentecost\u00e9s"},
    {"Corpus Christi", "Fronleichnam", "Corpus Christi", "Corpus Cristi"},
}};

// Languages without captions of their own read the English ones.
int LanguageColumn(TLanguage Language) {
  return Language >= 1 && Language <= kLanguageCount ? Language - 1 : 0;
}

template <std::size_t N>
std::string Caption(const std::array<TCaptions, N>& Table, TLanguage Language, int Index) {
  if (Index < 0 || Index >= static_cast<int>(N)) return {};
  return Table[static_cast<std::size_t>(Index)][static_cast<std::size_t>(LanguageColumn(Language))];
}

}  // namespace

TFixedHoliday FixedHoliday(int Index) {
  if (Index < 0 || Index >= kFixedHolidayCount) return {0, 0};
  return kFixed[static_cast<std::size_t>(Index)];
}

std::string FixedHolidayCaption(TLanguage Language, int Index) { return Caption(kFixedCaptions, Language, Index); }

int MovableHolidayOffset(int Index) {
  if (Index < 0 || Index >= kMovableHolidayCount) return -1;
  return kMovableOffsets[static_cast<std::size_t>(Index)];
}

std::string MovableHolidayCaption(TLanguage Language, int Index) {
  return Caption(kMovableCaptions, Language, Index);
}

void CalcEasterSunday(int Year, int& Day, int& Month) {
  const int k = Year / 100;
  const int a = Year % 19;
  const int m = (3 * k + 3) / 4;
  const int d = (19 * a + m - (8 * k + 13) / 25 + 15) % 30;
  int e = d + 21 - (d + a / 11) / 29;  // the Paschal full moon as a day of March
  const int s = (Year + Year / 4 - m + 2) % 7;
  e = e + 7 - (e + s - 7) % 7;  // the Sunday after it
  constexpr int kDaysOfMarch = 31;
  if (e > kDaysOfMarch) {
    Day = e - kDaysOfMarch;
    Month = 4;
  } else {
    Day = e;
    Month = 3;
  }
}

}  // namespace gadrix
