#include "gadrix/helmar/NameTables.h"

#include <array>
#include <string_view>

namespace gadrix {

namespace {

constexpr int kLanguages = 4;
constexpr int kMonths = 12;
constexpr int kWeekDays = 7;

template <std::size_t N>
using TNameRow = std::array<std::string_view, N>;

// Rows in the order of the language ordinals 1 to 4: English, German, French, Spanish.
constexpr std::array<TNameRow<kMonths>, kLanguages> kMonthShort{{
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Janv", "Févr", "Mars", "Avr", "Mai", "Juin", "Juil", "Août", "Sept", "Oct", "Nov", "Déc"},
    {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
}};

constexpr std::array<TNameRow<kMonths>, kLanguages> kMonthLong{{
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
     "November", "Dezember"},
    {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
     "Octobre", "Novembre", "Décembre"},
    {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre",
     "Octubre", "Noviembre", "Diciembre"},
}};

// Monday first.
constexpr std::array<TNameRow<kWeekDays>, kLanguages> kWeekDayShort{{
    {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"},
    {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
    {"Lu", "Ma", "Me", "Je", "Ve", "Sa", "Di"},
    {"Lu", "Ma", "Mi", "Ju", "Vi", "Sá", "Do"},
}};

// Entry Index - First of the language's row, or the empty text when either is out of range.
template <std::size_t N>
std::string Lookup(const std::array<TNameRow<N>, kLanguages>& Table, TLanguage Language, int Index,
                   int First) {
  const int row = Language - lgEnglish;
  const int column = Index - First;
  if (row < 0 || row >= kLanguages || column < 0 || column >= static_cast<int>(N)) return {};
  return std::string(Table[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

}  // namespace

std::string MonthShort(TLanguage Language, int Month) {
  return Lookup(kMonthShort, Language, Month, 1);
}

std::string MonthLong(TLanguage Language, int Month) {
  return Lookup(kMonthLong, Language, Month, 1);
}

std::string WeekDayShort(TLanguage Language, int Day) {
  return Lookup(kWeekDayShort, Language, Day, 0);
}

}  // namespace gadrix
