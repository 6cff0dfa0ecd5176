#include "gadrix/replist/RLData.h"

#include <algorithm>
#include <new>

#include "gadrix/helmar/Utf8.h"
#include "gadrix/platform/core/Properties.h"
#include "gadrix/replist/RLDataCells.h"

namespace gadrix {

namespace {

// The cell table grows by this many rows at a time at least.
constexpr int kAllocRowsBy = 10;
// Progress is reported once per hundredth of the cells, and at least once per cell.
constexpr std::int64_t kProgressSteps = 100;

}  // namespace

// --- construction

const TClassInfo& TRLData::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TRLData>(
      "TRLData", &TComponent::StaticClassInfo(),
      {IntegerProperty("NrOfColumns", &TRLData::GetNrOfColumns, &TRLData::SetNrOfColumns, 1),
       IntegerProperty("NrOfRows", &TRLData::GetNrOfRows, &TRLData::SetNrOfRows, 0),
       StringProperty("CommonHeader", &TRLData::GetCommonHeader, &TRLData::SetCommonHeader,
                      std::string(kDefaultCommonHeader))});
  return info;
}

TRLData::TRLData(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FStrings = std::make_unique<TStringArray>();
    FStrings->SetAllocRowsBy(kAllocRowsBy);
    FStrings->Resize(FNrOfCols, 1);
    FStrings->Clear();
    FColName.assign(1, DefaultColumnName(1));
    FColumnFormat.assign(1, TColFmtString());
    FColButMode.assign(1, cmNone);
  } catch (const std::bad_alloc&) {
    throw EZorvRLDataError(InstanceMessage("failed to initialize (out of memory)"));
  } catch (const EZorvDStructError&) {
    throw EZorvRLDataError(InstanceMessage("failed to initialize (out of memory)"));
  }
}

TRLData::~TRLData() = default;

std::string TRLData::InstanceMessage(const std::string& Problem) const {
  return "Component \"" + GetName() + "\": " + Problem;
}

void TRLData::RaiseTableResizeError(int Cols, int Rows) const {
  throw EZorvRLDataError(InstanceMessage("the cell table cannot hold " + std::to_string(Cols) +
                                         " columns by " + std::to_string(Rows) + " rows"));
}

std::string TRLData::DefaultColumnName(int ColNr) {
  return kColumnNamePrefix + std::to_string(ColNr);
}

// --- size

void TRLData::SetNrCols(int Value) {
  const int cols = std::max(Value, 1);
  if (cols == FNrOfCols) return;
  // The new column arrays are built aside, so that a failure of either them or the cell table
  // leaves the store as it was.
  std::vector<TNameStrType> names;
  std::vector<TColFmtString> formats;
  std::vector<TCheckMode> modes;
  try {
    const auto count = static_cast<std::size_t>(cols);
    names = FColName;
    names.resize(count);
    for (int col = FNrOfCols + 1; col <= cols; ++col)
      names[static_cast<std::size_t>(col - 1)] = DefaultColumnName(col);
    formats = FColumnFormat;
    formats.resize(count);
    modes = FColButMode;
    modes.resize(count, cmNone);
  } catch (const std::bad_alloc&) {
    throw EZorvRLDataError(InstanceMessage("not enough memory on heap"));
  }
  const int rows = std::max(FNrOfRows, 1);
  try {
    FStrings->Resize(cols, rows);
  } catch (const EZorvError&) {
    RaiseTableResizeError(cols, rows);
  }
  FColName.swap(names);
  FColumnFormat.swap(formats);
  FColButMode.swap(modes);
  FNrOfCols = cols;
  UpdateFeedback();
}

void TRLData::SetNrRows(int Value) {
  const int rows = std::max(Value, 0);
  try {
    FStrings->Resize(FNrOfCols, rows);
  } catch (const EZorvError&) {
    RaiseTableResizeError(FNrOfCols, rows);
  }
  FNrOfRows = rows;
  UpdateFeedback();
}

void TRLData::UpdateFeedback() {
  const std::int64_t cells = static_cast<std::int64_t>(FNrOfRows) * (FNrOfCols + 1);
  FFeedbkNumCells = cells == 0 ? 1 : cells;
  FFeedbkStep = FFeedbkNumCells / kProgressSteps + 1;
}

void TRLData::SetCommonHeader(const std::string& Value) {
  if (Value == FCommonHeader) return;
  FCommonHeader = Value;
}

void TRLData::Clear() {
  FStrings->Clear();
  for (int col = 1; col <= FNrOfCols; ++col) {
    const auto ix = static_cast<std::size_t>(col - 1);
    FColName[ix] = DefaultColumnName(col);
    FColumnFormat[ix].clear();
    FColButMode[ix] = cmNone;
  }
}

// --- columns

int TRLData::ColumnIndex(const std::string& Head, bool PartialMatch) const {
  const std::string head = rlcell::FoldCase(Head);
  for (int col = FNrOfCols; col >= 1; --col) {
    const std::string name = rlcell::FoldCase(FColName[static_cast<std::size_t>(col - 1)]);
    if (PartialMatch ? name.find(head) != std::string::npos : name == head) return col;
  }
  return -1;
}

TNameStrType TRLData::GetColName(int ColNr) const {
  return ValidColNr(ColNr) ? FColName[static_cast<std::size_t>(ColNr - 1)] : TNameStrType();
}

void TRLData::SetColName(int ColNr, const std::string& HLine) {
  if (!ValidColNr(ColNr)) return;
  FColName[static_cast<std::size_t>(ColNr - 1)] = Utf8Left(HLine, kMaxColNameLength);
}

TColFmtString TRLData::GetColumnFormat(int ColNr) const {
  return ValidColNr(ColNr) ? FColumnFormat[static_cast<std::size_t>(ColNr - 1)]
                           : TColFmtString();
}

void TRLData::SetColumnFormat(int ColNr, const std::string& DefValue) {
  if (!ValidColNr(ColNr)) return;
  FColumnFormat[static_cast<std::size_t>(ColNr - 1)] = Utf8Left(DefValue, kMaxColFormatLength);
}

TCheckMode TRLData::GetColCheckMode(int ColNr) const {
  return ValidColNr(ColNr) ? FColButMode[static_cast<std::size_t>(ColNr - 1)] : cmNone;
}

// --- cells

std::string TRLData::GetElem(int ACol, int ARow) const {
  if (!ValidCell(ACol, ARow)) return {};
  std::string stored = Stored(ACol, ARow);
  if (!IsCheckColumn(ACol)) return stored;
  return std::string(rlcell::TextAfterFlag(stored));
}

void TRLData::SetElem(int ACol, int ARow, const std::string& Value) {
  if (!ValidCell(ACol, ARow)) return;
  if (!IsCheckColumn(ACol)) {
    FStrings->SetString(ACol, ARow, Value);
    return;
  }
  const std::string stored = Stored(ACol, ARow);
  std::string cell = stored.empty() ? std::string(1, rlcell::kUncheckedFlag)
                                    : stored.substr(0, Utf8CharLength(stored, 0));
  cell += Value;
  FStrings->SetString(ACol, ARow, cell);
}

bool TRLData::GetElemChecked(int ACol, int ARow) const {
  return ValidCell(ACol, ARow) && IsCheckColumn(ACol) && rlcell::IsChecked(Stored(ACol, ARow));
}

// --- rows

void TRLData::RemoveRow(int r) {
  if (r < 1 || r > FNrOfRows) return;
  FStrings->CommitSorting();
  if (FNrOfRows == 1) {
    EmptyRow(1);
  } else {
    FStrings->RemoveRow(r);
  }
  --FNrOfRows;
  UpdateFeedback();
}

// Empties the cells of columns 0..NrOfColumns and the attribute byte of the row. The byte goes
// too, so that a row added later in its place does not come up selected or disabled.
void TRLData::EmptyRow(int Row) {
  TBulkChange bulk(*this);
  for (int col = 0; col <= FNrOfCols; ++col) FStrings->SetString(col, Row, std::string());
  FStrings->SetRowAttrib(Row, 0);
  bulk.Finish();
}

void TRLData::RemoveEmptyRows() {
  const int rows = FNrOfRows;
  if (rows == 0) return;
  TBulkChange bulk(*this);
  TProgress progress(*this, static_cast<std::int64_t>(rows) * (FNrOfCols + 1));
  std::vector<bool> keep(static_cast<std::size_t>(rows) + 1, true);
  bool anyEmpty = false;
  for (int row = 1; row <= rows; ++row) {
    bool empty = true;
    for (int col = 0; col <= FNrOfCols && empty; ++col) empty = GetElem(col, row).empty();
    keep[static_cast<std::size_t>(row)] = !empty;
    anyEmpty = anyEmpty || empty;
    progress.Advance(FNrOfCols + 1);
  }
  if (anyEmpty) KeepRows(keep);
  progress.Finish();
  bulk.Finish();
}

// Removes the rows that Keep (indexed by row) does not mark, as RemoveRow from the last row to
// the first would: the sort order becomes physical, the kept rows close up in their order, and
// when none is kept the first row stays behind emptied as the table's one physical row.
void TRLData::KeepRows(const std::vector<bool>& Keep) {
  FStrings->CommitSorting();
  int kept = 0;
  for (int row = 1; row <= FNrOfRows; ++row) {
    if (!Keep[static_cast<std::size_t>(row)]) continue;
    ++kept;
    if (kept == row) continue;
    for (int col = 0; col <= FNrOfCols; ++col)
      FStrings->SetString(col, kept, FStrings->GetString(col, row));
    FStrings->SetRowAttrib(kept, FStrings->GetRowAttrib(row));
  }
  if (kept == 0) EmptyRow(1);
  FStrings->Resize(FNrOfCols, std::max(kept, 1));
  FNrOfRows = kept;
  UpdateFeedback();
}

void TRLData::CopyRow(int Source, int Target) {
  if (Source < 1 || Source > FNrOfRows || Target < 1 || Target > FNrOfRows) return;
  if (Source == Target) return;
  TBulkChange bulk(*this);
  for (int col = 0; col <= FNrOfCols; ++col)
    FStrings->SetString(col, Target, Stored(col, Source));
  FStrings->SetRowAttrib(Target, FStrings->GetRowAttrib(Source));
  bulk.Finish();
}

void TRLData::Fill(const std::string& s) {
  TBulkChange bulk(*this);
  TProgress progress(*this, static_cast<std::int64_t>(FNrOfRows) * FNrOfCols);
  for (int row = 1; row <= FNrOfRows; ++row) {
    for (int col = 1; col <= FNrOfCols; ++col) {
      if (IsCheckColumn(col)) {
        FStrings->SetString(col, row, rlcell::WithFlag(rlcell::IsChecked(Stored(col, row)), s));
      } else {
        FStrings->SetString(col, row, s);
      }
      progress.Advance();
    }
  }
  progress.Finish();
  bulk.Finish();
}

// --- sorting

void TRLData::Sort(int Col, int ColSec, bool Ascending) {
  FSortColumn = Col;
  FSortColumnSec = ColSec;
  FSortOrder = Ascending;
  FStrings->Sort(Col, ColSec, Ascending);
}

void TRLData::UnSort() {
  ForgetSortColumns();
  FStrings->UnSort();
}

void TRLData::SetSortColumnSec(int Value) {
  if (Value < -1 || Value > FNrOfCols) return;
  FSortColumnSec = Value;
}

void TRLData::ForgetSortColumns() {
  FSortColumn = -1;
  FSortColumnSec = -1;
}

// --- events

void TRLData::SetOnBeforeSortExchange(TBeforeSortExchgEvent Handler) {
  FOnBefSortExc = std::move(Handler);
  ConnectSortExchange(*FStrings);
}

void TRLData::ConnectSortExchange(TStringArray& Table) {
  const TBeforeSortExchgEvent current = Table.GetOnBeforeSortExchange();
  if (current && current.target<TSortExchangeForwarder>() == nullptr) return;
  if (FOnBefSortExc) {
    Table.SetOnBeforeSortExchange(TSortExchangeForwarder{this});
  } else {
    Table.SetOnBeforeSortExchange(nullptr);
  }
}

void TRLData::TSortExchangeForwarder::operator()(TObject*, const std::string& String1,
                                                 const std::string& String2,
                                                 bool& Exchange) const {
  // A copy, so that the handler may replace itself.
  const TBeforeSortExchgEvent handler = Store->FOnBefSortExc;
  if (handler) handler(Store, String1, String2, Exchange);
}

// --- copying

void TRLData::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TRLData*>(Source);
  if (source == nullptr) {
    TComponent::Assign(Source);
    return;
  }
  if (source == this) return;
  std::vector<TNameStrType> names;
  std::vector<TColFmtString> formats;
  std::vector<TCheckMode> modes;
  try {
    names = source->FColName;
    formats = source->FColumnFormat;
    modes = source->FColButMode;
  } catch (const std::bad_alloc&) {
    throw EZorvRLDataError(InstanceMessage("not enough memory on heap"));
  }
  std::unique_ptr<TStringArray> table = CopyOfCellTable(*source);

  FNrOfCols = source->FNrOfCols;
  FNrOfRows = source->FNrOfRows;
  FSortColumn = source->FSortColumn;
  FSortColumnSec = source->FSortColumnSec;
  FSortOrder = source->FSortOrder;
  FSortToggle = source->FSortToggle;
  FComment = source->FComment;
  FCommonHeader = source->FCommonHeader;
  FOnBefSortExc = source->FOnBefSortExc;
  FDataID = source->FDataID;
  FColName.swap(names);
  FColumnFormat.swap(formats);
  FColButMode.swap(modes);
  // An empty store still copies its one physical row, so it counts as one row here.
  FFeedbkNumCells = static_cast<std::int64_t>(std::max(FNrOfRows, 1)) * (FNrOfCols + 1);
  FFeedbkStep = FFeedbkNumCells / kProgressSteps + 1;
  AdoptCellTable(std::move(table));
}

// A new cell table with the source's physical layout and sort order: each row of the source's
// current order goes, with its attribute byte, to the physical row that the order names, and the
// order is then copied row by row.
std::unique_ptr<TStringArray> TRLData::CopyOfCellTable(const TRLData& Source) {
  const TStringArray& from = *Source.FStrings;
  const int cols = Source.FNrOfCols;
  const int rows = Source.FNrOfRows;
  auto table = std::make_unique<TStringArray>();
  table->SetAllocRowsBy(from.GetAllocRowsBy());
  try {
    table->Resize(cols, std::max(rows, 1));
  } catch (const EZorvError&) {
    RaiseTableResizeError(cols, std::max(rows, 1));
  }
  for (int col = 1; col <= cols; ++col) table->SetColAttrib(col, from.GetColAttrib(col));
  const std::int64_t cells = static_cast<std::int64_t>(std::max(rows, 1)) * (cols + 1);
  TProgress progress(*this, static_cast<std::int64_t>(rows) * (cols + 1),
                     cells / kProgressSteps + 1);
  for (int row = 1; row <= rows; ++row) {
    const int physical = from.GetSortOrder(row);
    for (int col = 0; col <= cols; ++col) table->SetString(col, physical, from.GetString(col, row));
    table->SetRowAttrib(physical, from.GetRowAttrib(row));
    progress.Advance(cols + 1);
  }
  for (int row = 1; row <= rows; ++row) table->SetSortOrder(row, from.GetSortOrder(row));
  progress.Finish();
  return table;
}

// Puts Table in the place of the current cell table. Whoever listened to the old table's change
// and progress notifications listens to the new one, and hears of the change once.
void TRLData::AdoptCellTable(std::unique_ptr<TStringArray> Table) {
  Table->SetOnChange(FStrings->GetOnChange());
  Table->SetOnPercentDone(FStrings->GetOnPercentDone());
  Table->SetOnBeforeSortExchange(FStrings->GetOnBeforeSortExchange());
  ConnectSortExchange(*Table);
  FStrings = std::move(Table);
  const TNotifyEvent onChange = FStrings->GetOnChange();
  if (onChange) onChange(FStrings.get());
}

void TRLData::AssignTo(TPersistent* Dest) const {
  // Only a store knows how to take a store. Handing any other destination to its own Assign
  // would come straight back here.
  if (auto* store = dynamic_cast<TRLData*>(Dest)) {
    store->Assign(this);
    return;
  }
  TComponent::AssignTo(Dest);
}

// --- bulk changes and progress

TRLData::TBulkChange::TBulkChange(TRLData& Store)
    : FStore(Store), FSaved(Store.FStrings->GetOnChange()) {
  FStore.FStrings->SetOnChange([this](TObject*) { FChanged = true; });
}

TRLData::TBulkChange::~TBulkChange() { Restore(); }

void TRLData::TBulkChange::Restore() {
  if (FRestored) return;
  FRestored = true;
  FStore.FStrings->SetOnChange(FSaved);
}

void TRLData::TBulkChange::Finish() {
  Restore();
  if (FChanged && FSaved) FSaved(FStore.FStrings.get());
}

TRLData::TProgress::TProgress(TRLData& Store, std::int64_t WorkCells)
    : TProgress(Store, WorkCells, Store.FFeedbkStep) {}

TRLData::TProgress::TProgress(TRLData& Store, std::int64_t WorkCells, std::int64_t Step)
    : FStore(Store),
      FWork(std::max<std::int64_t>(WorkCells, 0)),
      FStep(std::max<std::int64_t>(Step, 1)),
      FNextReport(FStep) {}

void TRLData::TProgress::Advance(std::int64_t Cells) {
  FDone += Cells;
  if (FDone < FNextReport || FWork == 0) return;
  FNextReport = (FDone / FStep + 1) * FStep;
  Report(static_cast<int>(std::min<std::int64_t>(FDone * 100 / FWork, 100)));
}

void TRLData::TProgress::Finish() {
  if (FWork > 0 && FLastPercent != 100) Report(100);
}

void TRLData::TProgress::Report(int Percent) {
  FLastPercent = Percent;
  // A copy, so that the handler may replace itself.
  const TOnPercentDoneEvent handler = FStore.FOnPercentDone;
  if (handler) handler(&FStore, Percent);
}

}  // namespace gadrix
