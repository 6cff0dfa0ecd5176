#pragma once
// A plant's instrument list, generated row by row and the same on every run: the data that the
// gallery's report list sheet and its live page show.

#include <string>

namespace gadrix {
class TReportListView;
}

namespace gallery {

// One instrument of a plant's generated instrument list, row Row (1-based); the same on every run.
struct TInstrument {
  bool Calibrated;           // within the year before March 2025; one in six is overdue
  std::string CalibratedOn;  // the date of the last calibration, "2024-11-05"
  std::string Tag;           // "TT-1001": the kind's letters and 1000 + Row
  std::string Name;          // "Temperature transmitter, boiler 2"
  std::string Reading;       // "123.4"
  std::string Unit;
  std::string Pin;           // the service PIN, four digits
  bool OutOfService;         // about one instrument in fifty
};
TInstrument MakeInstrument(int Row);
// The instrument list's store columns.
enum TInstrumentColumn { icCalibrated = 1, icTag, icName, icReading, icUnit, icReference, icPin, icCount = icPin };
// The instrument whose "Ref." radio button is on.
constexpr int InstrumentReferenceRow = 4;
// Gives View the instrument list's columns (a check box with the calibration date, tag, name, a
// right-aligned reading, unit, a radio button for the reference instrument and a password column)
// and Rows instruments, filled with painting suppressed; the column widths are left alone.
void FillInstrumentList(gadrix::TReportListView* View, int Rows);
// Fits the columns of an instrument list to their texts and headers; the names take the rest of
// the view's width.
void FitInstrumentColumns(gadrix::TReportListView* View);

}  // namespace gallery
