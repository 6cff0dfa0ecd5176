// Drives a report data store through a sequence of operations read from the input, with texts
// taken from the input as cells and column formats, so that the number reader and the default
// values meet every kind of text. After each step the store's invariants are checked.
//
// Input layout: a series of records, each an operation byte, two argument bytes and a length
// byte followed by that many text bytes (cut at the end of the input).

#include <cstdint>
#include <cstdlib>
#include <string>

#include "gadrix/helmar/Utf8.h"
#include "gadrix/replist/RLData.h"

using namespace gadrix;

namespace {

// Sizes stay small, so that each input runs many operations quickly.
constexpr int kMaxCols = 6;
constexpr int kMaxRows = 12;

void Check(bool Condition) {
  if (!Condition) std::abort();
}

// An argument byte as a column or row number, reaching one beyond each end of the range.
int Index(std::uint8_t Byte, int Count) { return static_cast<int>(Byte % (Count + 3)) - 1; }

void CheckInvariants(const TRLData& Store) {
  const int cols = Store.GetNrOfColumns();
  const int rows = Store.GetNrOfRows();
  Check(cols >= 1 && rows >= 0);
  Check(Store.GetStrings()->GetNrOfColumns() == cols);
  // The table holds exactly the rows, or one spare physical row, empty, when there are none.
  const TStringArray& table = *Store.GetStrings();
  if (table.GetNrOfRows() != rows) {
    Check(rows == 0 && table.GetNrOfRows() == 1 && table.GetRowAttrib(1) == 0);
    for (int col = 0; col <= cols; ++col) Check(table.GetString(col, 1).empty());
  }
  Check(Store.GetFeedbkNumCells() >= 1 && Store.GetFeedbkStep() >= 1);
  for (int col = 0; col <= cols + 1; ++col) {
    Check(Utf8Length(Store.GetColName(col)) <= static_cast<std::size_t>(kMaxColNameLength));
    Check(Utf8Length(Store.GetColumnFormat(col)) <= static_cast<std::size_t>(kMaxColFormatLength));
    Check(Store.GetColCheckMode(col) <= cmRadio);
    for (int row = 0; row <= rows + 1; ++row) {
      const std::string text = Store.GetElem(col, row);
      Check(Utf8Length(text) <= static_cast<std::size_t>(TStringArray::kMaxCellLength));
      Check(Store.GetCellDefaultValue(col, row).size() <= 4 * 255);
      try {
        Store.GetAsNumber(col, row);
      } catch (const EZorvRLDataError&) {
        Check(!text.empty());
      }
    }
  }
  Check(Store.CountCheckedElemsInRow(1) <= cols);
  const int first = Store.FirstCheckedElemInCol(1);
  Check(first >= 0 && first <= rows);
}

void Apply(TRLData& Store, TRLData& Other, std::uint8_t Op, std::uint8_t A, std::uint8_t B,
           const std::string& Text) {
  const int cols = Store.GetNrOfColumns();
  const int rows = Store.GetNrOfRows();
  const int col = Index(A, cols);
  const int row = Index(B, rows);
  switch (Op % 20) {
    case 0: Store.SetNrCols(A % (kMaxCols + 2) - 1); break;
    case 1: Store.SetNrRows(B % (kMaxRows + 2) - 1); break;
    case 2: Store.SetElem(col, row, Text); break;
    case 3: Store.SetElemChecked(col, row, B & 1); break;
    case 4: Store.SetColCheckMode(col, static_cast<TCheckMode>(B % 4)); break;
    case 5: Store.SetColumnFormat(col, Text); break;
    case 6: Store.SetColName(col, Text); break;
    case 7: Store.SetAllCheckmarksOfCol(col, B & 1); break;
    case 8: Store.InvertAllCheckmarksOfColIntern(col, B & 1); break;
    case 9: Store.SetAllCheckmarksOfColIntern(col, B & 1, B & 2); break;
    case 10: Store.RemoveRow(row); break;
    case 11: Store.RemoveEmptyRows(); break;
    case 12: Store.CopyRow(Index(A, rows), row); break;
    case 13: Store.Fill(Text); break;
    case 14: Store.Sort(col, Index(B, cols), B & 1); break;
    case 15: Store.UnSort(); break;
    case 16:
      if (row >= 1 && row <= rows) Store.GetStrings()->SetRowAttrib(row, A);
      break;
    case 17: Other.Assign(&Store); break;
    case 18: Store.Assign(&Other); break;
    default: Store.Clear(); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TRLData store;
  TRLData other;
  std::size_t pos = 0;
  while (pos + 4 <= Size) {
    const std::uint8_t op = Data[pos];
    const std::uint8_t a = Data[pos + 1];
    const std::uint8_t b = Data[pos + 2];
    const std::size_t length = std::min<std::size_t>(Data[pos + 3], Size - pos - 4);
    const std::string text(reinterpret_cast<const char*>(Data + pos + 4), length);
    pos += 4 + length;
    Apply(store, other, op, a, b, text);
    CheckInvariants(store);
  }
  return 0;
}
