#pragma once
// TDataTable: a numeric data table. A rectangle of double values with a state byte per cell, a
// name and an attribute byte per column and per row, a measurement scale type and nominal
// identifiers per column, and a free-text comment.
//
// Index base: columns count from 1 to NrOfColumns and rows from 1 to NrOfRows, the same data
// coordinates a table editor shows beside its heading cells. An index outside that range is
// ignored when writing and reads as 0, false or the empty name; nothing outside the storage is
// ever touched.
//
// Notifications (each raised only when an operation changed something, at most once per
// operation, with the table as Sender, in this order):
//   OnDataResized  after every change of the column or row count (old and new counts);
//   OnChangeSetup  after the shape, a scale type or a nominal identifier changed;
//   OnChange       after values, cell states, names, attributes or the comment changed.
// For example InsertRow raises OnDataResized, OnChangeSetup, OnChange; Resize raises the first
// two; SetElem only OnChange. Block sorts raise OnSortExchange after each exchange they make,
// OnPercentDone as the work advances, then OnChange. A handler that changes the table's shape
// during a sort ends the sort at that point.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gadrix/helmar/Types.h"
#include "gadrix/platform/core/Object.h"
#include "gadrix/quantis/CellGrid.h"

namespace gadrix {

// A row, column or nominal name: UTF-8 text of at most MaxDTNameLength code points; longer
// texts are cut at a code point boundary when stored.
using TDTNameStr = std::string;
constexpr int MaxDTNameLength = 50;

// Nominal identifiers exist for the levels 1 to MaxNominalLevel.
constexpr int MaxNominalLevel = 150;

// Bits of a cell's state byte. Bits 2 to 5 are free for the caller; the table never alters them
// except through SetCellState, InvertCellStates and Clear.
constexpr std::uint8_t dcsNotANumber = 0x01;  // the cell's text could not be read as a number
constexpr std::uint8_t dcsEmpty = 0x02;       // the cell holds no value
constexpr std::uint8_t dcsMarkA = 0x40;
constexpr std::uint8_t dcsMarkB = 0x80;

// Measurement scale of a column. Columns of the nominal and ordinal types hold level numbers
// 1 to MaxNominalLevel that may carry nominal identifiers.
enum TMScaleType : std::uint8_t { mstUndefined, mstNominal, mstOrdinal, mstInterval, mstRatio };
// Display names of the scale types, indexed by TMScaleType.
inline constexpr std::array<const char*, 5> MScaleTypeNames = {"undefined", "nominal", "ordinal",
                                                               "interval", "ratio"};

// What a sort exchanged: two columns (Ix1, Ix2 are column numbers; Low, High the rows of the
// block whose cells moved) or two rows (Ix1, Ix2 row numbers; Low, High the columns).
enum TSortExchgWhat : std::uint8_t { sxColumns = 1, sxRows = 2 };

using TDataResizedEvent = std::function<void(TObject* Sender, int OldNrCols, int OldNrRows,
                                             int NewNrCols, int NewNrRows)>;
using TSortExchgEvent = std::function<void(TObject* Sender, std::uint8_t ExchgWhat, int Ix1,
                                           int Ix2, int Low, int High)>;

class TDataTable : public TPersistent {
public:
  // NCols x NRows cells (default 1 x 1): values 0, states 0, empty names, attributes 0, scale
  // type mstUndefined, no nominal identifiers, empty comment. Raises EZorvDStructError as Resize.
  explicit TDataTable(int NCols = 1, int NRows = 1);
  TDataTable(const TDataTable&) = delete;
  TDataTable& operator=(const TDataTable&) = delete;
  std::string ClassName() const override { return "TDataTable"; }

  // Copies the content of another TDataTable (shape, values, states, names, attributes, scale
  // types, nominal identifiers, comment), not its handlers, and raises OnDataResized (when the
  // shape differs), OnChangeSetup and OnChange. Assigning the table to itself does nothing;
  // other sources raise EConvertError. Raises EZorvDStructError (table unchanged) when the
  // memory cannot be had.
  void Assign(const TPersistent* Source) override;

  // --- shape -------------------------------------------------------------------------------
  // Changes the shape; every cell, name and attribute inside both the old and the new shape
  // keeps its place, new ones are as in a new table. Raises EZorvDStructError, and leaves the
  // table and its handlers untouched, for a negative count or when the memory cannot be had
  // (a size beyond the machine's memory is refused before anything is allocated).
  void Resize(int NCols, int NRows);
  int GetNrOfColumns() const { return FValues.Cols(); }
  int NrOfColumns() const { return GetNrOfColumns(); }
  int GetNrOfRows() const { return FValues.Rows(); }
  int NrOfRows() const { return GetNrOfRows(); }

  // Returns the table to the state of a new table of the same shape: every value 0, every state
  // 0, names empty, attributes 0, scale types mstUndefined, no nominal identifiers, no comment.
  void Clear();
  // Sets every value to Value; cell states stay.
  void Fill(double Value);

  // --- cells -------------------------------------------------------------------------------
  // Value of a cell; 0 outside. Writing leaves the cell's state byte as it is.
  double GetElem(int Col, int Row) const { return FValues.Get(Col, Row); }
  void SetElem(int Col, int Row, double Value);
  // State byte of a cell (dcs... bits); 0 outside.
  std::uint8_t GetCellState(int Col, int Row) const { return FStates.Get(Col, Row); }
  void SetCellState(int Col, int Row, std::uint8_t State);
  // Whether the cell holds a number: inside the table with neither dcsNotANumber nor dcsEmpty.
  bool GetIsNumber(int Col, int Row) const;

  // --- headings ----------------------------------------------------------------------------
  // Names (empty outside; writing cuts to MaxDTNameLength code points) and attribute bytes
  // (0 outside) of columns and rows.
  TDTNameStr GetColName(int Col) const;
  void SetColName(int Col, const TDTNameStr& Name);
  TDTNameStr GetRowName(int Row) const;
  void SetRowName(int Row, const TDTNameStr& Name);
  std::uint8_t GetColAttrib(int Col) const;
  void SetColAttrib(int Col, std::uint8_t Attrib);
  std::uint8_t GetRowAttrib(int Row) const;
  void SetRowAttrib(int Row, std::uint8_t Attrib);

  // Free text of any length, stored as given (default empty). SetFComment is the same setter.
  const std::string& GetComment() const { return FComment; }
  void SetComment(const std::string& Comment);
  void SetFComment(const std::string& Comment) { SetComment(Comment); }

  // --- scales and nominal identifiers ------------------------------------------------------
  // Scale type of a column (default mstUndefined; mstUndefined outside). Writing a value
  // beyond mstRatio, or outside the table, is ignored.
  TMScaleType GetMScaleType(int Col) const;
  void SetMScaleType(int Col, TMScaleType ScaleType);
  // Identifier of level 1..MaxNominalLevel of a column; empty when undefined or outside. Writing
  // cuts to MaxDTNameLength code points; the empty text removes the identifier.
  TDTNameStr GetNominalID(int Col, int Level) const;
  void SetNominalID(int Col, int Level, const TDTNameStr& ID);
  // The lowest level of column Col whose identifier matches Text, 0 when none does (the empty
  // text never matches) and -1 when Col lies outside the table. Loose matching ignores letter
  // case (a to z) and leading and trailing blanks; otherwise the texts must be equal.
  int OrdinalOfNominalID(int Col, const std::string& Text, bool Loose) const;

  // --- rows and columns --------------------------------------------------------------------
  // A new row or column as in a new table before Ix, 1 to count + 1 (count + 1 appends); other
  // values of Ix are ignored. Raises EZorvDStructError (table unchanged) when memory runs out.
  void InsertRow(int Ix);
  void InsertColumn(int Ix);
  // Removes row or column Ix with its heading; ignored unless 1 <= Ix <= count.
  void RemoveRow(int Ix);
  void RemoveColumn(int Ix);
  // Reverses the order of the rows or columns; each keeps its heading (and a column its scale
  // type and nominal identifiers).
  void MirrorRows();
  void MirrorColumns();

  // --- cell states in bulk -----------------------------------------------------------------
  // Clears marks A and B of every cell.
  void UnmarkAllCells();
  // Inverts the bits of Mask in every cell's state.
  void InvertCellStates(std::uint8_t Mask);
  // Swaps marks A and B in every cell.
  void ExchangeMarkings();
  // Writes Value into every cell whose state has any bit of Mask set (states stay) and returns
  // the number of those cells; Mask 0 matches no cell.
  std::int64_t FillMarkedCells(double Value, std::uint8_t Mask);

  // --- block sorts -------------------------------------------------------------------------
  // Each sort reorders the columns (Sort...Col...) or rows (Sort...Row...) LowCol..HighCol or
  // LowRow..HighRow of the block LowCol..HighCol x LowRow..HighRow; only the block's cells move.
  // Bounds are put in order and clipped to the table. The order is stable. Values: cells that
  // hold a number (GetIsNumber and not NaN) come first, by value, ascending or descending; the
  // others follow in their previous order. With IncludeHeaders a column's heading (name,
  // attribute, scale type, nominal identifiers) or a row's (name, attribute) moves with it;
  // sorts by attributes or names always move headings. Names compare by code point, or with
  // IgnoreCase with a to z taken as A to Z; the overloads without IgnoreCase regard case.
  // A sort key index outside the table makes the sort do nothing.
  void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                bool IncludeHeaders);
  void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                bool IncludeHeaders);
  void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                    int HighRow);
  void SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                    int HighRow);

  // --- notifications (unassigned by default) -----------------------------------------------
  const TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }
  const TNotifyEvent& GetOnChangeSetup() const { return FOnChangeSetup; }
  void SetOnChangeSetup(TNotifyEvent Handler) { FOnChangeSetup = std::move(Handler); }
  const TDataResizedEvent& GetOnDataResized() const { return FOnDataResized; }
  void SetOnDataResized(TDataResizedEvent Handler) { FOnDataResized = std::move(Handler); }
  const TOnPercentDoneEvent& GetOnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Handler) { FOnPercentDone = std::move(Handler); }
  const TSortExchgEvent& GetOnSortExchange() const { return FOnSortExchange; }
  void SetOnSortExchange(TSortExchgEvent Handler) { FOnSortExchange = std::move(Handler); }

private:
  struct TColumnHead {
    TDTNameStr Name;
    std::uint8_t Attrib = 0;
    TMScaleType ScaleType = mstUndefined;
    // Level k at index k - 1; only as long as the highest defined level.
    std::vector<TDTNameStr> NominalIDs;
  };
  struct TRowHead {
    TDTNameStr Name;
    std::uint8_t Attrib = 0;
  };
  // Where a block sort applies: the positions it orders and the span of the other dimension.
  struct TSortBlock {
    TSortExchgWhat What;
    int Low, High;            // columns for sxColumns, rows for sxRows
    int OtherLow, OtherHigh;  // the rows or columns whose cells move
    bool MoveHeads;
  };

  bool HasCol(int Col) const { return Col >= 1 && Col <= GetNrOfColumns(); }
  bool HasRow(int Row) const { return Row >= 1 && Row <= GetNrOfRows(); }
  void RequireShape(int NCols, int NRows) const;
  // Gives the table the shape NCols x NRows, each new column c and row r taking the content and
  // heading of old column ColFrom(c) and row RowFrom(r) (new and empty for 0), then announces
  // it. Everything is allocated before anything changes.
  template <class ColMap, class RowMap>
  void Reshape(int NCols, int NRows, ColMap ColFrom, RowMap RowFrom, bool ContentChanged);
  void AnnounceShape(int OldNCols, int OldNRows, bool ContentChanged);
  // Applies Op to every state byte; true when any byte changed.
  template <class StateOp>
  bool ForEachState(StateOp Op);
  bool HasSetup() const;
  bool HasContent() const;

  // Block sorts (DataTableSort.cpp). MakeBlock puts the bounds in order and clips them; it
  // gives false when fewer than two positions or no cells remain.
  bool MakeBlock(TSortExchgWhat What, int LowCol, int LowRow, int HighCol, int HighRow,
                 bool MoveHeads, TSortBlock& Block) const;
  void ApplyOrder(const TSortBlock& Block, const std::vector<int>& Order);
  void Exchange(const TSortBlock& Block, int A, int B);
  void SortByValues(const TSortBlock& Block, int KeyIx, bool Ascending);
  void SortByAttributes(const TSortBlock& Block, bool Ascending);
  void SortByNames(const TSortBlock& Block, bool Ascending, bool IgnoreCase);

  void NotifyChange();
  void NotifySetup();
  void NotifyResized(int OldNCols, int OldNRows);
  void NotifyProgress(int Percent);

  detail::TCellGrid<double> FValues;
  detail::TCellGrid<std::uint8_t> FStates;
  std::vector<TColumnHead> FColHeads;
  std::vector<TRowHead> FRowHeads;
  std::string FComment;
  // Counts shape changes, so that a sort notices a handler that reshaped the table.
  unsigned FShapeStamp = 0;

  TNotifyEvent FOnChange;
  TNotifyEvent FOnChangeSetup;
  TDataResizedEvent FOnDataResized;
  TOnPercentDoneEvent FOnPercentDone;
  TSortExchgEvent FOnSortExchange;
};

}  // namespace gadrix
