#include "InstrumentList.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>

#include "gadrix/replist/ReportListView.h"

namespace gallery {

using namespace gadrix;

namespace {

struct TInstrumentKind {
  const char* Letters;
  const char* Name;
  const char* Unit;
  double Low, High;
  int Decimals;
};

const TInstrumentKind kKinds[] = {
    {"TT", "Temperature transmitter", "\xC2\xB0" "C", 20, 180, 1},
    {"PT", "Pressure transmitter", "bar", 0.5, 16, 2},
    {"FT", "Flow meter", "m\xC2\xB3/h", 2, 450, 1},
    {"LT", "Level transmitter", "%", 0, 100, 1},
    {"AT", "pH analyser", "pH", 6, 9, 2},
    {"JT", "Power meter", "kW", 5, 1200, 1},
};

const char* const kPlaces[] = {"boiler 1",        "boiler 2",  "feed pump A",      "feed pump B",
                               "cooling tower",   "stack",     "condensate tank",  "deaerator",
                               "heat exchanger 4", "turbine hall", "main steam header", "fuel oil tank"};

// A well-mixed number for a row, so that neighbouring rows differ in every field.
std::uint32_t Mix(std::uint32_t X) {
  X *= 2654435761u;
  X ^= X >> 16;
  X *= 0x45D9F3Bu;
  X ^= X >> 16;
  return X;
}

std::string TwoDigits(int Value) { return std::string(Value < 10 ? "0" : "").append(std::to_string(Value)); }

std::string Fixed(double Value, int Decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", Decimals, Value);
  return text;
}

}  // namespace

TInstrument MakeInstrument(int Row) {
  const std::uint32_t x = Mix(static_cast<std::uint32_t>(Row));
  const TInstrumentKind& kind = kKinds[x % std::size(kKinds)];
  TInstrument i;
  // Calibrated between March 2024 and February 2025, but one in six a year earlier: overdue.
  i.Calibrated = (x >> 13) % 6 != 0;
  const int month = static_cast<int>((x >> 4) % 12);  // 0 = March
  i.CalibratedOn = std::to_string((month < 10 ? 2024 : 2025) - (i.Calibrated ? 0 : 1))
                       .append("-")
                       .append(TwoDigits((month + 2) % 12 + 1))
                       .append("-")
                       .append(TwoDigits(static_cast<int>((x >> 8) % 28) + 1));
  i.Tag = std::string(kind.Letters).append("-").append(std::to_string(1000 + Row));
  i.Name = std::string(kind.Name).append(", ").append(kPlaces[(x >> 17) % std::size(kPlaces)]);
  const double share = static_cast<double>((x >> 3) % 10000) / 9999.0;
  i.Reading = Fixed(kind.Low + share * (kind.High - kind.Low), kind.Decimals);
  i.Unit = kind.Unit;
  i.Pin = std::to_string(1000 + (x >> 11) % 9000);
  i.OutOfService = (x >> 23) % 50 == 0;
  return i;
}

void FillInstrumentList(TReportListView* View, int Rows) {
  const bool suppressed = View->GetSuppressPaint();
  View->SetSuppressPaint(true);
  View->SetNrOfColumns(icCount);
  View->SetHeader(icCalibrated, "Calibrated");
  View->SetHeader(icTag, "Tag");
  View->SetHeader(icName, "Instrument");
  View->SetHeader(icReading, "Reading");
  View->SetHeader(icUnit, "Unit");
  View->SetHeader(icReference, "Ref.");
  View->SetHeader(icPin, "Service PIN");
  View->SetColumnCheckMode(icCalibrated, cmBox);
  View->SetColumnCheckMode(icReference, cmRadio);
  View->SetColumnIsPwd(icPin, true);
  View->SetColumnAlignment(icReading, taRightJustify);
  View->SetNrOfRows(Rows);
  // Straight into the cells, in their stored form: a check column's first character is its flag.
  TStringArray* cells = View->GetRLData()->GetStrings();
  for (int row = 1; row <= Rows; ++row) {
    const TInstrument i = MakeInstrument(row);
    cells->SetString(icCalibrated, row, (i.Calibrated ? "X" : " ") + i.CalibratedOn);
    cells->SetString(icTag, row, i.Tag);
    cells->SetString(icName, row, i.Name);
    cells->SetString(icReading, row, i.Reading);
    cells->SetString(icUnit, row, i.Unit);
    cells->SetString(icReference, row, row == InstrumentReferenceRow ? "X" : " ");
    cells->SetString(icPin, row, i.Pin);
  }
  View->SetSuppressPaint(suppressed);
}

void FitInstrumentColumns(TReportListView* View) {
  // Every column but the names gets the width of its widest text or header; the names get the
  // rest of the client width, less the lines between the columns.
  View->FitAllColWidths(icName, true, 6, 400, View->GetNrOfColumns() * View->GetGridLineWidth());
}

}  // namespace gallery
