#include "gadrix/helmar/StringArray.h"

#include <algorithm>
#include <new>

#include "gadrix/helmar/Utf8.h"

namespace gadrix {

namespace {

// Cols is the highest column index; the message counts the columns.
[[noreturn]] void RaiseNoMemory(int Cols, long long Rows) {
  throw EZorvDStructError("Class TStringArray: no room for " + std::to_string(Cols + 1) +
                          " columns by " + std::to_string(Rows) + " rows");
}

}  // namespace

// --- size

void TStringArray::Resize(int Cols, int Rows) {
  if (FSorting) return;
  const int cols = std::max(Cols, 0);
  const int rows = std::max(Rows, 0);
  if (cols > kMaxColumns || rows > kMaxRows) RaiseNoMemory(cols, rows);
  if (cols == FNrCols && rows == GetNrOfRows()) return;
  const auto rowCount = static_cast<std::size_t>(rows);
  // Everything that allocates happens before the first change, so that a failure leaves the
  // table as it was.
  std::vector<TPackedRow> rebuilt;
  std::vector<std::uint8_t> colAttribs;
  try {
    RepairOrder();
    if (cols != FNrCols) {
      rebuilt = RowsWithColumns(cols, std::min(rowCount, FRows.size()));
      colAttribs = FColAttribs;
      colAttribs.resize(static_cast<std::size_t>(cols) + 1, 0);
    }
    ReserveRows(cols != FNrCols ? rebuilt : FRows, rowCount);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory(cols, rows);
  }
  if (cols != FNrCols) {
    FRows.swap(rebuilt);
    FColAttribs.swap(colAttribs);
    FNrCols = cols;
  }
  SetRowCount(rowCount);
  Changed();
}

// Copies of the first Rows rows with columns 0..Cols.
std::vector<TPackedRow> TStringArray::RowsWithColumns(int Cols, std::size_t Rows) const {
  const std::size_t newCells = static_cast<std::size_t>(Cols) + 1;
  std::vector<TPackedRow> rows(Rows);
  for (std::size_t ix = 0; ix < Rows; ++ix) rows[ix] = FRows[ix].Resized(CellCount(), newCells);
  return rows;
}

// Makes room for Rows rows in Target, the row attributes and the order. The storage grows by the
// allocation step or by half, whichever is more, so that adding rows one at a time stays cheap.
void TStringArray::ReserveRows(std::vector<TPackedRow>& Target, std::size_t Rows) {
  if (Rows <= Target.capacity() && Rows <= FRowAttribs.capacity() &&
      (FOrder.empty() || Rows <= FOrder.capacity()))
    return;
  const std::size_t current = FRows.capacity();
  const std::size_t step = std::max(static_cast<std::size_t>(FAllocRowsBy), current / 2);
  const std::size_t capacity = std::max(Rows, current + step);
  Target.reserve(capacity);
  FRowAttribs.reserve(capacity);
  if (!FOrder.empty()) FOrder.reserve(capacity);
}

// Changes the row count within the reserved storage (nothing allocates). New rows join the end
// of the order; rows cut off leave it.
void TStringArray::SetRowCount(std::size_t Rows) {
  // The attribute bytes are never rebuilt, so they still tell the old count.
  const std::size_t oldRows = FRowAttribs.size();
  FRows.resize(Rows);
  FRowAttribs.resize(Rows, 0);
  if (FOrder.empty()) return;
  if (Rows < oldRows) {
    std::erase_if(FOrder, [Rows](std::uint32_t Ix) { return Ix >= Rows; });
  } else {
    for (std::size_t ix = oldRows; ix < Rows; ++ix)
      FOrder.push_back(static_cast<std::uint32_t>(ix));
  }
}

void TStringArray::Clear() {
  if (FSorting) return;
  bool changed = false;
  for (TPackedRow& row : FRows) {
    changed = changed || !row.IsEmpty();
    row.Clear();
  }
  if (changed) Changed();
}

void TStringArray::SetAllocRowsBy(int N) { FAllocRowsBy = std::max(N, 1); }

// --- cells and attributes

std::size_t TStringArray::Physical(int Row) const {
  const auto logical = static_cast<std::size_t>(Row - 1);
  return FOrder.empty() ? logical : FOrder[logical];
}

std::string_view TStringArray::CellView(int Col, std::size_t PhysicalIx) const {
  return FRows[PhysicalIx].Cell(static_cast<std::size_t>(Col), CellCount());
}

std::string TStringArray::GetString(int Col, int Row) const {
  if (!ValidCol(Col) || !ValidRow(Row)) return {};
  return std::string(CellView(Col, Physical(Row)));
}

void TStringArray::SetString(int Col, int Row, const std::string& Value) {
  if (FSorting || !ValidCol(Col) || !ValidRow(Row)) return;
  const std::string_view text = Utf8Left(Value, kMaxCellLength);
  bool changed = false;
  try {
    changed = FRows[Physical(Row)].SetCell(static_cast<std::size_t>(Col), CellCount(), text);
  } catch (const std::bad_alloc&) {
    throw EZorvDStructError("Class TStringArray: not enough memory to store a cell");
  }
  if (changed) Changed();
}

std::uint8_t TStringArray::GetRowAttrib(int Row) const {
  return ValidRow(Row) ? FRowAttribs[Physical(Row)] : 0;
}

void TStringArray::SetRowAttrib(int Row, std::uint8_t Value) {
  if (!ValidRow(Row)) return;
  std::uint8_t& attrib = FRowAttribs[Physical(Row)];
  if (attrib == Value) return;
  attrib = Value;
  Changed();
}

std::uint8_t TStringArray::GetColAttrib(int Col) const {
  return ValidCol(Col) ? FColAttribs[static_cast<std::size_t>(Col)] : 0;
}

void TStringArray::SetColAttrib(int Col, std::uint8_t Value) {
  if (!ValidCol(Col)) return;
  std::uint8_t& attrib = FColAttribs[static_cast<std::size_t>(Col)];
  if (attrib == Value) return;
  attrib = Value;
  Changed();
}

// --- rows

void TStringArray::InsertRow(int Row) {
  if (FSorting || Row < 1 || Row > GetNrOfRows() + 1) return;
  if (GetNrOfRows() >= kMaxRows) RaiseNoMemory(FNrCols, static_cast<long long>(kMaxRows) + 1);
  RepairOrder();
  const std::size_t at = Row <= GetNrOfRows() ? Physical(Row) : FRows.size();
  try {
    ReserveRows(FRows, FRows.size() + 1);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory(FNrCols, static_cast<long long>(FRows.size()) + 1);
  }
  FRows.insert(FRows.begin() + static_cast<std::ptrdiff_t>(at), TPackedRow{});
  FRowAttribs.insert(FRowAttribs.begin() + static_cast<std::ptrdiff_t>(at), 0);
  if (!FOrder.empty()) {
    for (std::uint32_t& ix : FOrder) ix += ix >= at ? 1 : 0;
    FOrder.insert(FOrder.begin() + (Row - 1), static_cast<std::uint32_t>(at));
  }
  Changed();
}

void TStringArray::RemoveRow(int Row) {
  if (FSorting || !ValidRow(Row)) return;
  RepairOrder();
  const std::size_t at = Physical(Row);
  FRows.erase(FRows.begin() + static_cast<std::ptrdiff_t>(at));
  FRowAttribs.erase(FRowAttribs.begin() + static_cast<std::ptrdiff_t>(at));
  if (!FOrder.empty()) {
    FOrder.erase(FOrder.begin() + (Row - 1));
    for (std::uint32_t& ix : FOrder) ix -= ix > at ? 1 : 0;
  }
  Changed();
}

// --- order

void TStringArray::Sort(int Col, int ColSec, bool Ascending) {
  if (FSorting || !ValidCol(Col)) return;
  struct TSortingFlag {
    bool& Flag;
    explicit TSortingFlag(bool& F) : Flag(F) { Flag = true; }
    ~TSortingFlag() { Flag = false; }
  };
  std::vector<std::uint32_t> order;
  {
    const TSortingFlag sorting(FSorting);
    order = SortedOrder(Col, ColSec, Ascending);
  }
  FOrder = std::move(order);
  Changed();
}

void TStringArray::UnSort() {
  if (FSorting || FOrder.empty()) return;
  FOrder.clear();
  Changed();
}

int TStringArray::GetSortOrder(int Row) const {
  return ValidRow(Row) ? static_cast<int>(Physical(Row)) + 1 : 0;
}

void TStringArray::SetSortOrder(int Row, int Physical) {
  if (FSorting || !ValidRow(Row) || !ValidRow(Physical)) return;
  if (FOrder.empty()) {
    if (Row == Physical) return;
    FOrder.resize(FRows.size());
    for (std::size_t ix = 0; ix < FOrder.size(); ++ix) FOrder[ix] = static_cast<std::uint32_t>(ix);
  }
  std::uint32_t& entry = FOrder[static_cast<std::size_t>(Row - 1)];
  if (entry == static_cast<std::uint32_t>(Physical - 1)) return;
  entry = static_cast<std::uint32_t>(Physical - 1);
  Changed();
}

void TStringArray::CommitSorting() {
  if (FSorting || FOrder.empty()) return;
  RepairOrder();
  std::vector<TPackedRow> rows(FRows.size());
  std::vector<std::uint8_t> attribs(FRows.size());
  for (std::size_t ix = 0; ix < FOrder.size(); ++ix) {
    rows[ix] = std::move(FRows[FOrder[ix]]);
    attribs[ix] = FRowAttribs[FOrder[ix]];
  }
  FRows = std::move(rows);
  FRowAttribs = std::move(attribs);
  FOrder.clear();
}

// Keeps the first appearance of each physical row; the places of repeats go to the rows that
// do not appear, in ascending order.
void TStringArray::RepairOrder() {
  if (FOrder.empty()) return;
  std::vector<bool> seen(FRows.size(), false);
  std::vector<std::size_t> repeats;
  for (std::size_t ix = 0; ix < FOrder.size(); ++ix) {
    if (seen[FOrder[ix]]) {
      repeats.push_back(ix);
    } else {
      seen[FOrder[ix]] = true;
    }
  }
  std::size_t missing = 0;
  for (const std::size_t place : repeats) {
    while (seen[missing]) ++missing;
    seen[missing] = true;
    FOrder[place] = static_cast<std::uint32_t>(missing);
  }
}

void TStringArray::Changed() {
  if (!FOnChange) return;
  // A copy, so that a handler may replace itself.
  const TNotifyEvent handler = FOnChange;
  handler(this);
}

}  // namespace gadrix
