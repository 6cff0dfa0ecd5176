#pragma once
// Month and weekday names for the calendar captions, in the four languages of TLanguage.
//
// The tables are read through functions that take the language first, then the month or day:
// MonthShort(lgGerman, 3) is "Mär". A language ordinal outside 1..4 or an index outside the
// table's range gives the empty text, so callers never need to check before asking.

#include <string>

#include "gadrix/helmar/Types.h"

namespace gadrix {

// Short month name, at most 4 characters ("Jan", "Mär", "Févr", "Ene"); Month 1 to 12.
std::string MonthShort(TLanguage Language, int Month);

// Full month name, at most 10 characters ("January", "März", "Février", "Septiembre");
// Month 1 to 12.
std::string MonthLong(TLanguage Language, int Month);

// Two-letter weekday name ("Mo", "Di", "Lu", "Sá"); Day 0 to 6, 0 being Monday.
std::string WeekDayShort(TLanguage Language, int Day);

}  // namespace gadrix
