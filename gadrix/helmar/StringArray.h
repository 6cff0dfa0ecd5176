#pragma once
// TStringArray: a table of short texts with a sort order over its rows.
//
// Addressing. Columns run from 0 to GetNrOfColumns() (column 0 is a full column like the others),
// rows from 1 to GetNrOfRows(). Rows are addressed in the current sort order: after Sort, row 1 is
// the first row of the sorted order, whatever its place in storage. The place in storage is the
// row's physical index (also 1-based); GetSortOrder maps one to the other. Until the table is
// sorted (and after UnSort) both are the same.
//
// Cells hold at most kMaxCellLength characters (code points); longer texts are cut without
// splitting a character. Text that is not valid UTF-8 is stored byte for byte, each stray byte
// counting as one character. Every row and every column also carries one attribute byte for its
// user; a row's byte travels with the row when the order changes.
//
// Out-of-range arguments never fail: reads give the empty text or 0, writes and operations are
// ignored. Storage costs about the length of the texts: a row whose cells are all empty costs a
// pointer and its attribute byte, a filled row one heap block of its texts plus 4 bytes per cell.
//
// Order of rows (Sort). A cell's sort key is its text without leading and trailing blanks. Keys
// fall into three classes that follow one another: empty keys, then keys that read as a decimal
// number, ordered by value, then all other keys, ordered by their text with the letters a to z
// taken as capitals and the bytes compared as unsigned values (which is code point order for
// valid UTF-8). A key reads as a number when it is an optional sign, digits with at most one
// decimal separator (point or comma) and at least one digit, and an optional exponent ("e" or
// "E", an optional sign, digits): "12", "-3.5", "0,25", ".5", "1e-3", but not "1 000", "0x1F",
// "inf". Keys that this rule finds equal (the same number, or the same text up to case) go to the
// secondary column, then to the physical order. Descending reverses the order of the keys, of both
// columns, but rows that tie completely keep their physical order either way. The rule is a strict
// weak ordering, so every sort is well defined: "1a" sorts after both "9" and "10", which sort by
// value.
//
// Notifications (handlers are called on the caller's thread, Sender being the table):
//   OnChange              after each operation that changes what the table shows through its
//                         addressing: a cell, an attribute byte, the size, the order. Operations
//                         that change nothing do not notify, except Sort, which always does.
//                         CommitSorting does not notify.
//   OnBeforeSortExchange  during Sort, for every comparison of two rows
//                         (see TBeforeSortExchgEvent).
//   OnPercentDone         during Sort, with the percentage done: 0 first, then each time it grows,
//                         100 last; OnChange follows the final 100.
// While Sort runs, the handlers may read the table, but the operations that change cells, size or
// order are ignored until it returns. An exception raised by a handler during Sort leaves the order
// as it was before the sort.

#include <cstdint>
#include <string>
#include <vector>

#include "gadrix/helmar/PackedRow.h"
#include "gadrix/helmar/Types.h"

namespace gadrix {

// Compares two cell texts by the sort rule above (ascending): negative when A sorts before B, 0
// when they tie, positive when A sorts after B.
int CompareCellTexts(const std::string& A, const std::string& B);

class TStringArray : public TObject {
public:
  // Longest cell text, in characters.
  static constexpr int kMaxCellLength = 255;
  // Largest size Resize accepts: columns 0..kMaxColumns and rows 1..kMaxRows.
  static constexpr int kMaxColumns = 65535;
  static constexpr int kMaxRows = 100'000'000;
  // Default allocation step, in rows.
  static constexpr int kDefaultAllocRowsBy = 10;

  // An empty table: column 0 only, no rows, unsorted.
  TStringArray() = default;
  TStringArray(const TStringArray&) = delete;
  TStringArray& operator=(const TStringArray&) = delete;
  std::string ClassName() const override { return "TStringArray"; }

  // --- size
  // Highest column index n (columns are 0..n) and number of rows m. Both 0 at creation.
  int GetNrOfColumns() const { return FNrCols; }
  int GetNrOfRows() const { return static_cast<int>(FRows.size()); }

  // Gives the table columns 0..Cols and rows 1..Rows (negative values count as 0). Cells in both
  // the old and the new size keep their texts; new cells are empty, new attribute bytes 0. New
  // rows take their places at the end of the current order; removed rows are those with the
  // highest physical indices, and the order of the others stays. Raises EZorvDStructError, and
  // changes nothing, for a size beyond kMaxColumns by kMaxRows or when memory cannot be had.
  void Resize(int Cols, int Rows);

  // Empties every cell; the size, the attribute bytes and the order stay.
  void Clear();

  // Minimum number of rows by which the storage grows when it has to (default 10, at least 1).
  // Storage also grows by at least half its size, so adding rows one by one takes amortised
  // constant time whatever the step.
  int GetAllocRowsBy() const { return FAllocRowsBy; }
  void SetAllocRowsBy(int N);

  // --- cells and attributes
  // Text of cell (Col, Row); empty outside the table.
  std::string GetString(int Col, int Row) const;
  // Stores Value, cut to kMaxCellLength characters, in cell (Col, Row); ignored outside.
  void SetString(int Col, int Row, const std::string& Value);

  // Attribute byte of a row (1..m) or a column (0..n), default 0; 0 outside, writes ignored.
  std::uint8_t GetRowAttrib(int Row) const;
  void SetRowAttrib(int Row, std::uint8_t Value);
  std::uint8_t GetColAttrib(int Col) const;
  void SetColAttrib(int Col, std::uint8_t Value);

  // --- rows
  // Inserts an empty row (attribute 0) before row Row of the current order, Row = m + 1
  // appending. Storage places it just before the physical row it precedes, so it stays next to
  // that row after UnSort. Ignored for Row outside 1..m + 1. Raises EZorvDStructError at
  // kMaxRows rows or when memory cannot be had.
  void InsertRow(int Row);
  // Removes row Row of the current order; the other rows keep their order. Ignored outside 1..m.
  void RemoveRow(int Row);

  // --- order
  // Sorts the rows by column Col, rows that tie there by column ColSec (-1 or any other index
  // outside 0..n: no secondary column), in ascending or descending order, by the rule above. The
  // sort always starts from the physical order. Ignored when Col is outside 0..n.
  void Sort(int Col, int ColSec, bool Ascending);
  // Returns to the physical order.
  void UnSort();
  // True while an order other than the physical one may be in force (after Sort or SetSortOrder,
  // until UnSort or CommitSorting).
  bool GetSorted() const { return !FOrder.empty(); }
  // Physical index of row Row of the current order; 0 outside 1..m.
  int GetSortOrder(int Row) const;
  // Makes physical row Physical the row Row of the current order. Ignored unless both lie in
  // 1..m. A caller that sets the whole order row by row may pass through states in which a
  // physical row appears twice; reads follow such an order as it stands, and CommitSorting,
  // InsertRow, RemoveRow and Resize first repair it by keeping the first appearance of each
  // physical row and giving the places of repeats to the missing rows in ascending order.
  void SetSortOrder(int Row, int Physical);
  // Rearranges storage so that the physical order is the current order, which then needs no
  // translation; what the table shows does not change.
  void CommitSorting();

  // --- notifications
  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }
  TBeforeSortExchgEvent GetOnBeforeSortExchange() const { return FOnBeforeSortExchange; }
  void SetOnBeforeSortExchange(TBeforeSortExchgEvent Handler) {
    FOnBeforeSortExchange = std::move(Handler);
  }
  TOnPercentDoneEvent GetOnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Handler) { FOnPercentDone = std::move(Handler); }

private:
  std::size_t CellCount() const { return static_cast<std::size_t>(FNrCols) + 1; }
  bool ValidCol(int Col) const { return Col >= 0 && Col <= FNrCols; }
  bool ValidRow(int Row) const { return Row >= 1 && Row <= GetNrOfRows(); }
  // Physical 0-based index of the 1-based row Row of the current order (Row must be valid).
  std::size_t Physical(int Row) const;
  std::string_view CellView(int Col, std::size_t PhysicalIx) const;

  std::vector<TPackedRow> RowsWithColumns(int Cols, std::size_t Rows) const;
  void ReserveRows(std::vector<TPackedRow>& Target, std::size_t Rows);
  void SetRowCount(std::size_t Rows);
  void RepairOrder();
  void Changed();

  // Sorting (StringArraySort.cpp).
  std::vector<std::uint32_t> SortedOrder(int Col, int ColSec, bool Ascending);

  std::vector<TPackedRow> FRows;         // by physical index
  std::vector<std::uint8_t> FRowAttribs;  // by physical index
  std::vector<std::uint8_t> FColAttribs = std::vector<std::uint8_t>(1, 0);
  // Physical index of each row of the current order; empty while the order is the physical one.
  std::vector<std::uint32_t> FOrder;
  int FNrCols = 0;
  int FAllocRowsBy = kDefaultAllocRowsBy;
  bool FSorting = false;

  TNotifyEvent FOnChange;
  TBeforeSortExchgEvent FOnBeforeSortExchange;
  TOnPercentDoneEvent FOnPercentDone;
};

}  // namespace gadrix
