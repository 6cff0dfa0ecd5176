#pragma once
// TRLData: the store behind the report list. A table of short text cells with, per column, a
// header name, a column format and a check mode; one attribute byte per row and per column; a
// common header text above all columns, a comment and a data identifier.
//
// Addressing. Columns 1..NrOfColumns are the visible columns; column 0 is an extra column with no
// header, format or check mode that is never a check column but is copied, emptied and tested
// along with the others. Rows run from 1 to NrOfRows in the cell table's current sort order (see
// TStringArray). Out-of-range arguments never fail: reads give the empty text, false or 0,
// writes are ignored.
//
// Check columns. In a column whose mode is cmBox or cmRadio, the first character of every
// non-empty stored cell is the check flag and the rest is the cell's text: "X" (or any other
// character but a blank) means checked, a blank unchecked. An empty stored cell has no flag; it
// is unchecked and its text is empty. Elem hides the flag, ElemChecked reads and writes it:
//   stored "Xapple"  ->  Elem "apple", ElemChecked true
//   stored " apple"  ->  Elem "apple", ElemChecked false
//   stored ""        ->  Elem "",      ElemChecked false
//
// Attribute bytes. The report list gives bit 0x80 the meaning "selected" (rows and columns) and
// bit 0x40 "disabled" (rows). The store itself only reads bit 0x40 (operations that may skip
// disabled rows) and copies the bytes.
//
// Cells hold at most TStringArray::kMaxCellLength (255) characters, the flag included; longer
// texts are cut.
//
// Notifications. The cell table (GetStrings) raises its own change notification for each single
// change. Operations that may change several cells (Fill, CopyRow, SetElemChecked in a radio
// column, the operations over a column's marks, SetColCheckMode, RemoveRow, RemoveEmptyRows,
// Assign) switch it off while they run and raise it once at the end when anything changed; those
// that work through whole columns or the whole table report progress through OnPercentDone.
//
// Progress. FeedbkNumCells = NrOfRows x (NrOfColumns + 1), 1 when that is 0, and FeedbkStep =
// FeedbkNumCells div 100 + 1 are recomputed after every resize and after Assign. A bulk operation
// raises OnPercentDone after every FeedbkStep cells it has worked on, with the share of its own
// cells done so far (0 to 100), and once more with 100 at its end unless the last report said 100.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gadrix/helmar/StringArray.h"
#include "gadrix/helmar/Types.h"
#include "gadrix/platform/core/Component.h"

namespace gadrix {

// Check mode of a column.
enum TCheckMode : std::uint8_t { cmNone, cmBox, cmRadio };

// A column header name: at most kMaxColNameLength characters.
using TNameStrType = std::string;
constexpr int kMaxColNameLength = 50;
// A column format: at most kMaxColFormatLength characters.
using TColFmtString = std::string;
constexpr int kMaxColFormatLength = 80;

// Row attribute bit of a disabled row.
constexpr std::uint8_t kRowAttribDisabled = 0x40;
// Row and column attribute bit of a selected row or column.
constexpr std::uint8_t kAttribSelected = 0x80;

// Raised by the HTML export for each cell it writes; the handler may change Text.
using TBeforeHTMLExportEvent =
    std::function<void(TObject* Sender, std::string& Text, int Col, int Row)>;

// Failures of a report data store. Messages about the store read
//   Component "RLData1": not enough memory on heap
// A store error is a container error as well.
class EZorvRLDataError : public EZorvDStructError {
public:
  using EZorvDStructError::EZorvDStructError;
};

// A cell's text as a number: blanks around it removed, every "," read as ".", then an optional
// sign, digits with an optional decimal point and an optional exponent ("-1.5e3"); an empty text
// reads as 0. False, with Value 0, for any other text.
bool CellTextToNumber(const std::string& Text, double& Value);

class TRLData : public TComponent {
public:
  // Text of a new store's common header.
  static constexpr const char* kDefaultCommonHeader = "Zorv Report Listview";
  // Prefix of the name a column gets when it is created or cleared ("C-1", "C-2", ...).
  static constexpr const char* kColumnNamePrefix = "C-";

  // One column named "C-1" with an empty format and cmNone, no rows, empty comment and data
  // identifier, the common header "Zorv Report Listview", unsorted (last sort column and
  // secondary sort column -1, last sort order ascending), sort toggle true. The cell table has an
  // allocation step of 10 rows and one empty physical row. Raises EZorvRLDataError
  // "failed to initialize (out of memory)" when memory cannot be had.
  explicit TRLData(TComponent* AOwner = nullptr);
  ~TRLData() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // --- size (published NrOfColumns, NrOfRows)

  // Number of columns, at least 1 (default 1). Values below 1 become 1. Existing columns keep
  // name, format and mode; new ones are named "C-" and their number, with an empty format and
  // cmNone. The cell table keeps at least one physical row. When the table cannot be resized,
  // the count stays and EZorvRLDataError is raised.
  int GetNrOfColumns() const { return FNrOfCols; }
  void SetNrCols(int Value);
  void SetNrOfColumns(int Value) { SetNrCols(Value); }

  // Number of rows, at least 0 (default 0). Negative values become 0. The cell table is sized to
  // exactly that many rows; when it cannot be, the count stays and EZorvRLDataError is raised.
  int GetNrOfRows() const { return FNrOfRows; }
  void SetNrRows(int Value);
  void SetNrOfRows(int Value) { SetNrRows(Value); }

  // Text of the common header above all columns; may hold several lines separated by "\n".
  // Default "Zorv Report Listview".
  const std::string& GetCommonHeader() const { return FCommonHeader; }
  void SetCommonHeader(const std::string& Value);

  // Empties every cell (both counts and the attribute bytes stay), renames every column "C-" and
  // its number, empties every format and sets every mode to cmNone. Comment, common header and
  // data identifier stay.
  void Clear();

  // Free comment, default empty.
  const std::string& GetComment() const { return FComment; }
  void SetComment(const std::string& Value) { FComment = Value; }
  // Identifier of the data set in the XML exchange format, default empty.
  const std::string& GetDataID() const { return FDataID; }
  void SetDataID(const std::string& Value) { FDataID = Value; }

  // --- columns (ColNr 1..NrOfColumns)

  // The highest-numbered column whose header equals Head, or with PartialMatch contains it,
  // ignoring the case of a to z; -1 when none does.
  int ColumnIndex(const std::string& Head, bool PartialMatch) const;

  // Header name (property Header), at most 50 characters; empty outside the range, writes
  // outside ignored, longer texts cut.
  TNameStrType GetColName(int ColNr) const;
  void SetColName(int ColNr, const std::string& HLine);
  TNameStrType GetHeader(int ColNr) const { return GetColName(ColNr); }
  void SetHeader(int ColNr, const std::string& HLine) { SetColName(ColNr, HLine); }

  // Column format, at most 80 characters: "[type]" "[width]" default text, e.g. "[i][60]rix4".
  // Empty outside the range, writes outside ignored, longer texts cut.
  TColFmtString GetColumnFormat(int ColNr) const;
  void SetColumnFormat(int ColNr, const std::string& DefValue);

  // Check mode (property ColumnCheckMode), cmNone outside the range. Changing it converts the
  // column's cells, with the cell table's change notification off:
  //   cmNone -> cmBox/cmRadio   every non-empty cell gets a blank flag in front (unchecked);
  //   cmBox/cmRadio -> cmNone   every non-empty cell loses its first character;
  //   cmBox -> cmRadio          every mark of the column is cleared;
  //   cmRadio -> cmBox          the marks stay.
  // Ignored outside the range and when the mode does not change.
  TCheckMode GetColCheckMode(int ColNr) const;
  void SetColCheckMode(int ColNr, TCheckMode Value);
  TCheckMode GetColumnCheckMode(int ColNr) const { return GetColCheckMode(ColNr); }
  void SetColumnCheckMode(int ColNr, TCheckMode Value) { SetColCheckMode(ColNr, Value); }

  // True when the mode is cmBox (property IsCheckedColumn); setting true gives cmBox, false cmNone.
  bool GetCheckedCol(int ColNr) const { return GetColCheckMode(ColNr) == cmBox; }
  void SetCheckedCol(int ColNr, bool Value) { SetColCheckMode(ColNr, Value ? cmBox : cmNone); }
  bool GetIsCheckedColumn(int ColNr) const { return GetCheckedCol(ColNr); }
  void SetIsCheckedColumn(int ColNr, bool Value) { SetCheckedCol(ColNr, Value); }

  // --- cells (ACol 0..NrOfColumns, ARow 1..NrOfRows)

  // The cell's text, without the flag in a check column.
  std::string GetElem(int ACol, int ARow) const;
  // In a check column the flag stays and the text after it is replaced (an empty cell becomes a
  // blank flag followed by Value); elsewhere Value is stored as it is.
  void SetElem(int ACol, int ARow, const std::string& Value);

  // True when the column is a check column and the stored cell is non-empty and does not begin
  // with a blank.
  bool GetElemChecked(int ACol, int ARow) const;
  // Only in check columns: the flag becomes "X" or a blank (an empty cell becomes "X" or a single
  // blank). In a cmRadio column every mark of the column is cleared first, also for false.
  void SetElemChecked(int ACol, int ARow, bool Value);

  // The cell's text (without flag) as a number: blanks around it removed, every "," read as ".",
  // then an optional sign, digits with an optional decimal point and an optional exponent
  // ("-1.5e3"); 0 for an empty text and outside the table. Any other text raises
  // EZorvRLDataError "Class TRLData: invalid numeric string: [2,7]: abc" (column, row, text).
  // Numbers beyond the range of a double give an infinity of their sign.
  double GetAsNumber(int ACol, int ARow) const;

  // Default text of a cell derived from its column's format (property DefaultValue):
  //   [c]/[l] first choice      "[l]red|green|blue"  -> "red"
  //   [d]     the default date  "[ddd.mm.yyyy]1.1.2000" -> "1.1.2000"
  //   [e]/[f] "rixN": the row number with N decimals (strff); else the default text
  //   [h]     "rixN": the row number as exactly N hex digits, N limited to 1..8; else the text
  //   [i]     "rixN": the row number as exactly N decimal digits; else the text
  //   [s]     "$pwd$N": an invented password of N characters; else the text
  // A width group ("[60]") between type group and default text is skipped. Empty for a format
  // without default text, for a read-only format ("[#s]...") and for any other type letter.
  // The row number is used as given; it need not lie in the table.
  std::string GetCellDefaultValue(int ACol, int ARow) const;
  std::string GetDefaultValue(int ACol, int ARow) const { return GetCellDefaultValue(ACol, ARow); }

  // --- check marks (RLDataCheck.cpp)

  // cmBox column: sets or clears every mark. cmRadio column: clears every mark (setting is
  // ignored). Other columns are left as they are. An empty cell becomes "X" or a single blank.
  void SetAllCheckmarksOfCol(int Column, bool Checked);
  // cmBox column only: "X" becomes a blank, any other flag "X", an empty cell "X".
  void InvertAllCheckmarksOfCol(int Column);
  // The operations behind the two above and the view's, without the mode rules: sets or clears
  // every mark of any check column (also every mark of a cmRadio column). With
  // AffectEnabledRowsOnly, rows whose attribute has bit 0x40 stay unchanged. Columns that are not
  // check columns are left alone: their first characters are text, not flags.
  void SetAllCheckmarksOfColIntern(int Column, bool Checked, bool AffectEnabledRowsOnly);
  // As InvertAllCheckmarksOfCol (cmBox columns only), optionally skipping disabled rows.
  void InvertAllCheckmarksOfColIntern(int Column, bool AffectEnabledRowsOnly);

  // Checked cells of a check column (disabled rows count), 0 for other columns.
  int CountCheckedElemsInCol(int Column) const;
  // Checked cells of the row over all check columns.
  int CountCheckedElemsInRow(int Row) const;
  // Lowest row whose cell in the check column is checked; 0 when none or not a check column.
  int FirstCheckedElemInCol(int ColNr) const;
  // Lowest check column whose cell in the row is checked; 0 when none or the row is outside.
  int FirstCheckedElemInRow(int RowNr) const;

  // --- rows

  // Removes row r (1..NrOfRows, else ignored) after making the current sort order the physical
  // one. The last remaining row is emptied instead (cells of columns 0..NrOfColumns and its
  // attribute byte) and NrOfRows becomes 0; the table keeps it as its one physical row.
  void RemoveRow(int r);
  // Removes every row whose cells in columns 0..NrOfColumns all have an empty text (Elem: a
  // check flag alone counts as empty), as RemoveRow from the last row to the first would.
  void RemoveEmptyRows();
  // Copies the stored cells of columns 0..NrOfColumns (flags included) and the attribute byte of
  // row Source to row Target; nothing happens unless both lie in 1..NrOfRows.
  void CopyRow(int Source, int Target);
  // Sets every cell of columns 1..NrOfColumns to s; in check columns each cell keeps its check
  // state and s follows the flag.
  void Fill(const std::string& s);

  // --- sorting

  // Records Col, ColSec and Ascending as the last sort and has the cell table sort its rows by
  // column Col, ties by ColSec, in that direction (see TStringArray for the order of texts).
  void Sort(int Col, int ColSec, bool Ascending);
  // Records -1 for both sort columns (the recorded direction stays) and returns to the physical
  // order.
  void UnSort();
  // Primary column of the last sort, -1 when unsorted (default -1).
  int GetLastSortColumn() const { return FSortColumn; }
  // True when the last sort was ascending (default true).
  bool GetLastSortOrder() const { return FSortOrder; }
  // Secondary column of the last sort, -1 when none (default -1). The setter accepts
  // -1..NrOfColumns and ignores other values.
  int GetSortColumnSec() const { return FSortColumnSec; }
  void SetSortColumnSec(int Value);
  // Direction toggle of header-click sorting (default true); copied by Assign.
  bool GetSortToggle() const { return FSortToggle; }
  void SetSortToggle(bool Value) { FSortToggle = Value; }
  // Records -1 for both sort columns without touching the order: for operations that break it,
  // such as inserting a row.
  void ForgetSortColumns();

  // --- copying

  // From another TRLData: a new cell table that has the source's physical layout, sort order,
  // attribute bytes (each travelling with its row) and allocation step; both counts, names,
  // formats and modes, last sort columns and direction, sort toggle, comment, common header,
  // data identifier and OnBeforeSortExchange handler. OnPercentDone and OnBeforeHTMLExport stay
  // this store's. The listeners of this store's cell table (change and progress notifications)
  // move to the new table and hear of the change once. Other sources go to TPersistent::Assign.
  // On failure this store is unchanged.
  void Assign(const TPersistent* Source) override;
  // Dest->Assign(this) when Dest is a TRLData; otherwise TPersistent's error.
  void AssignTo(TPersistent* Dest) const override;

  // --- events

  // Forwarded from the cell table during Sort with this store as Sender. The forwarding is
  // connected only while a handler is assigned, so that sorts without one run at full speed.
  TBeforeSortExchgEvent GetOnBeforeSortExchange() const { return FOnBefSortExc; }
  void SetOnBeforeSortExchange(TBeforeSortExchgEvent Handler);
  TBeforeHTMLExportEvent GetOnBeforeHTMLExport() const { return FOnBefHTMLExport; }
  void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Handler) {
    FOnBefHTMLExport = std::move(Handler);
  }
  TOnPercentDoneEvent GetOnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Handler) { FOnPercentDone = std::move(Handler); }

  // --- progress

  // Cells counted for progress reports, and the number of cells between two reports.
  std::int64_t GetFeedbkNumCells() const { return FFeedbkNumCells; }
  std::int64_t GetFeedbkStep() const { return FFeedbkStep; }

  // Counts the cells a bulk operation has worked on and raises the store's OnPercentDone after
  // every FeedbkStep of them (see Progress above). For the store's own operations and those of
  // the exchange and the view that work on its cells.
  class TProgress {
  public:
    // WorkCells is the number of cells the operation will work on; reports come every Step
    // cells (the store's FeedbkStep by default).
    TProgress(TRLData& Store, std::int64_t WorkCells);
    TProgress(TRLData& Store, std::int64_t WorkCells, std::int64_t Step);
    void Advance(std::int64_t Cells = 1);
    // Reports 100 unless the last report did (nothing for an operation without cells).
    void Finish();

  private:
    void Report(int Percent);

    TRLData& FStore;
    std::int64_t FWork;
    std::int64_t FStep;
    std::int64_t FDone = 0;
    std::int64_t FNextReport;
    int FLastPercent = -1;
  };

  // --- the cell table (owned; Assign replaces it)
  TStringArray* GetStrings() const { return FStrings.get(); }

private:
  // Switches the cell table's change notification off for the lifetime of a bulk operation;
  // Finish restores it and raises it once when the operation changed anything.
  class TBulkChange {
  public:
    explicit TBulkChange(TRLData& Store);
    ~TBulkChange();
    TBulkChange(const TBulkChange&) = delete;
    TBulkChange& operator=(const TBulkChange&) = delete;
    void Changed() { FChanged = true; }
    void Finish();

  private:
    void Restore();

    TRLData& FStore;
    TNotifyEvent FSaved;
    bool FChanged = false;
    bool FRestored = false;
  };

  // The before-sort-exchange handler the store installs in its cell table.
  struct TSortExchangeForwarder {
    TRLData* Store;
    void operator()(TObject* Sender, const std::string& String1, const std::string& String2,
                    bool& Exchange) const;
  };

  bool ValidColNr(int ColNr) const { return ColNr >= 1 && ColNr <= FNrOfCols; }
  bool ValidCell(int ACol, int ARow) const {
    return ACol >= 0 && ACol <= FNrOfCols && ARow >= 1 && ARow <= FNrOfRows;
  }
  bool IsCheckColumn(int ACol) const { return GetColCheckMode(ACol) != cmNone; }
  std::string InstanceMessage(const std::string& Problem) const;
  [[noreturn]] void RaiseTableResizeError(int Cols, int Rows) const;

  void UpdateFeedback();
  static std::string DefaultColumnName(int ColNr);
  // Connects or disconnects the forwarding of the table's before-sort-exchange notification,
  // leaving alone a handler that someone else installed in the table.
  void ConnectSortExchange(TStringArray& Table);
  // Stored text of a cell; the caller checked the range.
  std::string Stored(int ACol, int ARow) const { return FStrings->GetString(ACol, ARow); }
  bool RowEnabled(int Row) const {
    return (FStrings->GetRowAttrib(Row) & kRowAttribDisabled) == 0;
  }

  // Check-mark helpers (RLDataCheck.cpp).
  // Converts the stored cells of a column whose mode changes from From to To.
  void ConvertCheckCells(int ColNr, TCheckMode From, TCheckMode To);
  // Gives every non-skipped cell of the column the flag Checked (an empty cell becomes the flag
  // alone); the caller checked that it is a check column.
  void SetColumnFlags(int Column, bool Checked, bool AffectEnabledRowsOnly, TProgress* Progress);
  // Clears the marks of the column's checked cells; empty cells stay empty.
  void ClearColumnMarks(int Column, TProgress* Progress);

  // Assign helpers.
  std::unique_ptr<TStringArray> CopyOfCellTable(const TRLData& Source);
  void AdoptCellTable(std::unique_ptr<TStringArray> Table);
  // Row helpers.
  void KeepRows(const std::vector<bool>& Keep);
  void EmptyRow(int Row);

  std::string FComment;
  std::vector<TNameStrType> FColName;
  std::vector<TColFmtString> FColumnFormat;
  std::string FCommonHeader = kDefaultCommonHeader;
  std::vector<TCheckMode> FColButMode;
  int FNrOfCols = 1;
  int FNrOfRows = 0;
  int FSortColumn = -1;
  int FSortColumnSec = -1;
  bool FSortOrder = true;
  TBeforeSortExchgEvent FOnBefSortExc;
  std::string FDataID;
  bool FSortToggle = true;
  TBeforeHTMLExportEvent FOnBefHTMLExport;
  std::int64_t FFeedbkNumCells = 1;
  std::int64_t FFeedbkStep = 1;
  TOnPercentDoneEvent FOnPercentDone;
  std::unique_ptr<TStringArray> FStrings;
};

}  // namespace gadrix
