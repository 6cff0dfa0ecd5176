#pragma once
// TReportListView: the visible report list. A draw grid that shows the cells of its own TRLData
// store under an optional common header and an optional row of column headers, with banded rows,
// selection and highlight colours, disabled rows, check boxes and radio buttons, password columns,
// an empty-list message and an inter-row indicator line. It draws every cell itself.
//
// Coordinates. Data rows 1..NrOfRows and store columns 1..NrOfColumns are the store's. The grid
// has h = CountHeadRows() header rows (0, 1 or 2) above the data lines:
//
//     h = 2:  grid row 0  common header (one band across every column)
//             grid row 1  column headers
//             grid row 2  data row 1, grid row 3 data row 2, ...
//     h = 1:  grid row 0  the one visible header;  grid row 1  data row 1, ...
//     h = 0:  grid row 0  data row 1, ...
//
// so grid row g >= h shows data row g - h + 1. There is always at least one data line: an empty
// store shows one empty line (and the empty message over it). Grid column i shows store column
// ColumnOrder[i + 1] (the identity unless SetColumnOrder changed it); with FixedFirstColumn the
// first display column is a fixed column that does not scroll.
//
// Painting. Every change repaints (invalidates) the view, except while SuppressPaint is on; every
// bulk operation of the view switches it on while it works and restores it afterwards, and
// switching it off repaints at once. Row banding counts from the first data row: with
// RowColPattern 2, data rows 1-2 are shaded, 3-4 not, 5-6 shaded, and so on. A cell's colours
// are decided in this order (the later wins):
//
//     1. the band: ColorBkgdShaded or ColorBkgdNormal, text ColorText
//     2. disabled row (row attribute bit 0x40)     ColorDisabledBkgd / ColorDisabledText, and stop
//        else selected row and column (bit 0x80)   ColorSelectedBoth / ColorSelectedBothText
//        else selected column                      ColorSelectedCol / ColorSelectedColText
//        else selected row                         ColorSelectedRow / ColorSelectedRowText
//        then HighLightRow, else HighLightColumn   ColorHigh / ColorHighText (bold: HighLightBold)
//        (step 2 only while the view is enabled)
//     3. the fixed first column                    background ColorColumnHd
//     4. the view disabled                         text clInactiveCaption
//     5. OnBeforeRenderCell, which may change all of it and the text
//
// Texts too wide for their column are cut and marked with "...": a left-aligned text keeps its
// beginning ("Blumenkoh..."), a right-aligned one its first character and its end
// ("1...345.678"). Check columns show a box (cmBox) or a circle (cmRadio) left of the text.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gadrix/helmar/Types.h"
#include "gadrix/platform/controls/Alignment.h"
#include "gadrix/platform/graphics/Font.h"
#include "gadrix/platform/grids/Grids.h"
#include "gadrix/replist/RLData.h"

namespace gadrix {

// Failures of the view. Messages about a view read
//   Component "ReportListView1": not enough memory on heap
class EZorvRepListError : public EZorvError {
public:
  using EZorvError::EZorvError;
};

// How FilterAndSort reads its expression.
enum TFilterMode : std::uint8_t { fmSimple, fmBoolean, fmGrep };

// Raised for each cell before it is drawn; the handler may change the colours, the font styles
// and the text (which the view then fits into the column). ACol is the store column, ARow the data
// row; header cells are not announced.
using TRenderCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& PenColor,
                                            TColor& BrushColor, TColor& FontColor, TFontStyles& FontStyles,
                                            std::string& Text)>;
// Raised by GetElem; the handler may replace the text returned (the stored cell stays).
using TReadCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Text)>;
// Before and after the user changes a check mark; State is the new state.
using TCheckStateChangeEvent = std::function<void(TObject* Sender, bool& State, int Col, int Row)>;
// After a cursor key moved the selection.
using TCursorKeyActionEvent = std::function<void(TObject* Sender, Word Key)>;
// Per row during FilterAndSort: the host's verdict and how it combines with the view's own match.
using TBeforeFilterEvent =
    std::function<void(TObject* Sender, int Row, bool& Found, TLogicOp& CombineWithInternalSearch)>;
// In the row editor, once per column before its format is read.
using TRequestEditFormatEvent = std::function<void(TObject* Sender, int Col, int Row, std::string& Format)>;

class TReportListView : public TCustomDrawGrid {
public:
  // Five columns and four empty rows with column headers, banding every row, single row selection.
  explicit TReportListView(TComponent* AOwner);
  ~TReportListView() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // --- size and layout -----------------------------------------------------------------------------
  // Number of store columns, at least 1 (default 5). New grid columns get the width of the last
  // one; new columns are left-aligned, editable false and no password columns; the display order
  // returns to the identity and the view scrolls to the first data row. Raises OnChangeSetup.
  int GetNrOfColumns() const { return FRLData->GetNrOfColumns(); }
  void SetNrCols(int Value);
  void SetNrOfColumns(int Value) { SetNrCols(Value); }
  // Number of data rows, at least 0 (default 4). Empties the grid selection. Raises OnChangeSetup.
  int GetNrOfRows() const { return FRLData->GetNrOfRows(); }
  void SetNrRows(int Value);
  void SetNrOfRows(int Value) { SetNrRows(Value); }

  // The header rows: h = 0, 1 or 2 (see the top of this file). Both heights are clamped to 8..127
  // (default 20); the visibilities default to false (common header) and true (column headers).
  int CountHeadRows() const { return (FCommonHdVisible ? 1 : 0) + (FColumnHdVisible ? 1 : 0); }
  bool GetCommonHeaderVisible() const { return FCommonHdVisible; }
  void SetComHdVis(bool Value);
  void SetCommonHeaderVisible(bool Value) { SetComHdVis(Value); }
  bool GetColumnHeadersVisible() const { return FColumnHdVisible; }
  void SetColHdVis(bool Value);
  void SetColumnHeadersVisible(bool Value) { SetColHdVis(Value); }
  int GetCommonHeaderHeight() const { return FCommonHdHeight; }
  void SetComHdHgt(int Value);
  void SetCommonHeaderHeight(int Value) { SetComHdHgt(Value); }
  int GetColumnHeadersHeight() const { return FColumnHdHeight; }
  void SetColHdHgt(int Value);
  void SetColumnHeadersHeight(int Value) { SetColHdHgt(Value); }
  // Gives the header rows their heights and the first data lines DefaultRowHeight (after a change
  // of the header rows or of the default height).
  void SetHeaderHeights();
  // Forwarded to the grid; the row height also re-applies the header heights.
  int GetDefaultColWidth() const { return TCustomDrawGrid::GetDefaultColWidth(); }
  void SetDefaultColWidth(int Value) { TCustomDrawGrid::SetDefaultColWidth(Value); }
  int GetDefaultRowHeight() const { return TCustomDrawGrid::GetDefaultRowHeight(); }
  void SetDefaultRowHeight(int Value);

  // The first data row in view (1-based); setting it scrolls, clamped to 1..NrOfRows.
  int GetTopRow() const { return TCustomDrawGrid::GetTopRow() - CountHeadRows() + 1; }
  void SetTopRow(int Value);
  // The first display column in view (1-based); setting it clamps to FixedCols + 1..NrOfColumns.
  int GetLeftCol() const { return TCustomDrawGrid::GetLeftCol() + 1; }
  void SetLeftCol(int Value);
  // Default false: the first display column is a fixed column (not in a view of a single column,
  // which needs that column to scroll). Raises OnChange.
  bool GetFixedFirstColumn() const { return GetFixedCols() > 0; }
  void SetFixedColOne(bool Value);
  void SetFixedFirstColumn(bool Value) { SetFixedColOne(Value); }

  // While true (default false once constructed) the view does not paint. Switching it off
  // repaints at once.
  bool GetSuppressPaint() const { return FSuppressPaint; }
  void SetSuppressPaint(bool Value);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // --- the store -----------------------------------------------------------------------------------
  TRLData* GetRLData() const { return FRLData; }
  // The store's cells and column settings (see TRLData). The setters of names, formats and check
  // modes raise OnChange and repaint; Comment and DataID are only stored.
  std::string GetElem(int ACol, int ARow) const;  // then OnReadCell may replace the text
  void SetElem(int ACol, int ARow, const std::string& Value) { FRLData->SetElem(ACol, ARow, Value); }
  bool GetElemChecked(int ACol, int ARow) const { return FRLData->GetElemChecked(ACol, ARow); }
  void SetElemChecked(int ACol, int ARow, bool Value);
  // As the store's, with errors reading "Class TReportListView: invalid numeric string: [2,7]: abc".
  double GetAsNumber(int ACol, int ARow) const;
  std::string GetDefaultValue(int ACol, int ARow) const { return FRLData->GetCellDefaultValue(ACol, ARow); }
  TNameStrType GetColName(int ColNr) const { return FRLData->GetColName(ColNr); }
  TNameStrType GetHeader(int ColNr) const { return GetColName(ColNr); }
  void SetColName(int ColNr, const std::string& Value);
  void SetHeader(int ColNr, const std::string& Value) { SetColName(ColNr, Value); }
  TColFmtString GetColumnFormat(int ColNr) const { return FRLData->GetColumnFormat(ColNr); }
  void SetColumnFormat(int ColNr, const std::string& Value);
  TCheckMode GetColumnCheckMode(int ColNr) const { return FRLData->GetColCheckMode(ColNr); }
  void SetColCheckMode(int ColNr, TCheckMode Value);
  void SetColumnCheckMode(int ColNr, TCheckMode Value) { SetColCheckMode(ColNr, Value); }
  bool GetIsCheckedColumn(int ColNr) const { return FRLData->GetCheckedCol(ColNr); }
  void SetCheckedCol(int ColNr, bool Value);
  void SetIsCheckedColumn(int ColNr, bool Value) { SetCheckedCol(ColNr, Value); }
  const std::string& GetComment() const { return FRLData->GetComment(); }
  void SetComment(const std::string& Value) { FRLData->SetComment(Value); }
  const std::string& GetDataID() const { return FRLData->GetDataID(); }
  void SetDataID(const std::string& Value) { FRLData->SetDataID(Value); }
  // Default "Zorv Report Listview"; several lines separated by "\n". Raises OnChange when changed.
  const std::string& GetCommonHeader() const { return FRLData->GetCommonHeader(); }
  void SetCommonHeader(const std::string& Value);

  // Hides the editor and sets every cell of columns 1..NrOfColumns to s (check states stay).
  void Fill(const std::string& s);
  // Hides the editor, empties the store (see TRLData::Clear) and resets every column to
  // left-aligned, not editable, no password column and the identity display order.
  void Clear();

  // --- sorting (the store records the last sort; the header shows it with an arrow) ----------------
  void Sort(int Col, int ColSec, bool Ascending);
  void UnSort();
  int GetLastSortColumn() const { return FRLData->GetLastSortColumn(); }
  int GetSortColumn() const { return GetLastSortColumn(); }
  bool GetLastSortOrder() const { return FRLData->GetLastSortOrder(); }
  bool GetSortOrder() const { return GetLastSortOrder(); }
  int GetSecondarySortColumn() const { return FRLData->GetSortColumnSec(); }
  int GetSortColumnSec() const { return GetSecondarySortColumn(); }
  // -1..NrOfColumns; other values are ignored. Raises OnChangeSetup.
  void SetSortColumnSec(int Value);
  void SetSecondarySortColumn(int Value) { SetSortColumnSec(Value); }
  // Default true: a click on a column header sorts by that column.
  bool GetSortEnabled() const { return FSortEnabled; }
  void SetSortEnabled(bool Value) { FSortEnabled = Value; }

  // --- columns (ColNr 1..NrOfColumns; others are ignored and read as the defaults) -----------------
  // Default taLeftJustify. Raises OnChange when changed.
  TAlignment GetColumnAlignment(int ColNr) const;
  void SetColAlignment(int ColNr, TAlignment Value);
  void SetColumnAlignment(int ColNr, TAlignment Value) { SetColAlignment(ColNr, Value); }
  // Default false: the column may be edited in place. Only stored.
  bool GetColumnEditable(int ColNr) const;
  void SetColumnEditable(int ColNr, bool Value);
  // Default false: the column shows "******" instead of its text. Raises OnChange when changed.
  bool GetColumnIsPwd(int ColNr) const;
  void SetColumnIsPwd(int ColNr, bool Value);
  // The store column shown at display position ColNr; 0 outside.
  int GetColumnOrder(int ColNr) const;
  // Entry i (a store column 1..NrOfColumns) becomes the store column shown at display position
  // i + 1. False, with nothing changed, when the list does not have NrOfColumns entries; entries
  // out of range are skipped and make the result false. Does not repaint.
  bool SetColumnOrder(const std::vector<int>& ColList);
  // Alignment of the common header lines; default taCenter. Raises OnChange when changed.
  TAlignment GetCommonHeaderAlignment() const { return FCommonHdAlignment; }
  void SetHdAlign(TAlignment Value);
  void SetCommonHeaderAlignment(TAlignment Value) { SetHdAlign(Value); }

  // --- column widths ----------------------------------------------------------------------------------
  // The width of the grid column whose index is ColumnOrder[Index] - 1 (the display position
  // Index while the order is the identity); 0 for Index outside 1..NrOfColumns. The setter ignores
  // such an Index, and raises OnChangeSetup either way.
  int GetColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  // The widest text of the column's stored cells (check flag included; +16 in a check column, +2
  // for an italic font), with IncludeHeader also of its header name (+13 when the column shows the
  // sort arrow, +2 for italic), plus 10; 10 for a column out of range. Measured with the canvas.
  int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
  // Width max(4, DetermineMaxColWidth + Addon), at most MaxWidth in the second form.
  void AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
  void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth);
  // Gives column ColIx what the client width leaves after RightMargin and the other columns, but
  // at least 16. Raises OnChangeSetup.
  void ExpandColWidth(int ColIx, int RightMargin);
  // AutoColWidth for every column but ExpandColumn, then ExpandColWidth(ExpandColumn), painting once.
  void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin);

  // --- rows and columns marked by attribute bits -----------------------------------------------------
  // Selected and enabled rows (1..NrOfRows) and selected columns; false outside. The setters ignore
  // arguments outside, change the bit, raise OnSelectedChange and repaint.
  bool GetRowSelected(int Row) const;
  void SetRowSelected(int Row, bool Value);
  bool GetRowEnabled(int Row) const;
  void SetRowEnabled(int Row, bool Value);
  bool GetColumnSelected(int ColNr) const;
  void SetColumnSelected(int ColNr, bool Value);
  // 0 none, 1 single rows (default), 2 several rows. Modes other than 2 clear every row's
  // selection; mode 0 moves the grid's selection outside the cells. Raises OnSelectedChange.
  int GetRowSelectMode() const { return FRowSelectMode; }
  void SetRowSelectMode(int Value);
  // Default true: in mode 2, Ctrl-clicks toggle rows (plain clicks select one).
  bool GetUseCtrlForMultiSel() const { return FUseCtrlForMultiSel; }
  void SetUseCtrlForMultiSel(bool Value) { FUseCtrlForMultiSel = Value; }
  // Default false: Enter moves the cursor one row down.
  bool GetAutoAdvance() const { return FAutoAdvance; }
  void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
  // Default false: the user cannot toggle check marks, and no boxes are drawn (marks are).
  bool GetCheckMarksReadOnly() const { return FCheckMarksReadOnly; }
  void SetCheckMarksReadOnly(bool Value);

  // --- appearance ------------------------------------------------------------------------------------
  // Colours (defaults in the class's property list). Setters store without checks, repaint and
  // raise OnChangeSetup; ColorEmptyMsg only when it changes.
  TColor GetColorHigh() const { return FColorHigh; }
  void SetColorHigh(TColor Value) { SetupColor(FColorHigh, Value); }
  TColor GetColorHighText() const { return FColorHighText; }
  void SetColorHighText(TColor Value) { SetupColor(FColorHighText, Value); }
  TColor GetColorText() const { return FColorText; }
  void SetColorText(TColor Value) { SetupColor(FColorText, Value); }
  TColor GetColorBkgdNormal() const { return FColorBkgdNormal; }
  void SetColorBkgdNormal(TColor Value) { SetupColor(FColorBkgdNormal, Value); }
  TColor GetColorBkgdShaded() const { return FColorBkgdShaded; }
  void SetColorBkgdShaded(TColor Value) { SetupColor(FColorBkgdShaded, Value); }
  // The column headers' and the fixed column's background: the grid's FixedColor.
  TColor GetColorColumnHd() const { return GetFixedColor(); }
  void SetColorColumnHd(TColor Value);
  void SetFixedColor(TColor Value) { SetColorColumnHd(Value); }
  TColor GetColorColumnHdText() const { return FColorColumnHdText; }
  void SetColorColumnHdText(TColor Value) { SetupColor(FColorColumnHdText, Value); }
  TColor GetColorCommonHd() const { return FColorCommonHd; }
  void SetColorCommonHd(TColor Value) { SetupColor(FColorCommonHd, Value); }
  TColor GetColorCommonHdText() const { return FColorCommonHdText; }
  void SetColorCommonHdText(TColor Value) { SetupColor(FColorCommonHdText, Value); }
  TColor GetColorDisabledBkgd() const { return FColorDisabledBkgd; }
  void SetColorDisabledBkgd(TColor Value) { SetupColor(FColorDisabledBkgd, Value); }
  TColor GetColorDisabledText() const { return FColorDisabledText; }
  void SetColorDisabledText(TColor Value) { SetupColor(FColorDisabledText, Value); }
  TColor GetColorEmptyMsg() const { return FColorEmptyMsg; }
  void SetColorEmptyMsg(TColor Value);
  TColor GetColorSelectedRow() const { return FColorSelectedRow; }
  void SetColorSelectedRow(TColor Value) { SetupColor(FColorSelectedRow, Value); }
  TColor GetColorSelectedRowText() const { return FColorSelectedRowText; }
  void SetColorSelectedRowText(TColor Value) { SetupColor(FColorSelectedRowText, Value); }
  TColor GetColorSelectedCol() const { return FColorSelectedCol; }
  void SetColorSelectedCol(TColor Value) { SetupColor(FColorSelectedCol, Value); }
  TColor GetColorSelectedColText() const { return FColorSelectedColText; }
  void SetColorSelectedColText(TColor Value) { SetupColor(FColorSelectedColText, Value); }
  TColor GetColorSelectedBoth() const { return FColorSelectedBoth; }
  void SetColorSelectedBoth(TColor Value) { SetupColor(FColorSelectedBoth, Value); }
  TColor GetColorSelectedBothText() const { return FColorSelectedBothText; }
  void SetColorSelectedBothText(TColor Value) { SetupColor(FColorSelectedBothText, Value); }

  // Shown when the list has no rows; "|" separates lines. Default empty.
  const std::string& GetEmptyMessage() const { return FEmptyMessage; }
  void SetEmptyMessage(const std::string& Value);
  // Data row and store column drawn in the highlight colours; 0 (default) for none.
  int GetHighLightRow() const { return FHighLightRow; }
  void SetHighLightRow(int Value) { SetupValue(FHighLightRow, Value); }
  int GetHighLightColumn() const { return FHighLightColumn; }
  void SetHighLightColumn(int Value) { SetupValue(FHighLightColumn, Value); }
  // Default false: highlighted cells are bold.
  bool GetHighLightBold() const { return FHighLightBold; }
  void SetHighLightBold(bool Value) { SetupValue(FHighLightBold, Value); }
  // A horizontal line on the upper edge of data row InterRowIndicatorPos (NrOfRows + 1: below the
  // last row; 0, the default: none), colour default 0x0000FF, pen width default 3.
  TColor GetInterRowIndicatorColor() const { return FInterRowIndColor; }
  void SetInterRowIndicatorColor(TColor Value) { SetupColor(FInterRowIndColor, Value); }
  int GetInterRowIndicatorWidth() const { return FInterRowIndWidth; }
  void SetInterRowIndicatorWidth(int Value) { SetupValue(FInterRowIndWidth, Value); }
  int GetInterRowIndicatorPos() const { return FInterRowIndPos; }
  void SetInterRowIndicatorPos(int Value);
  // Rows per colour band, default 1; 0 or less: no banding.
  int GetRowColPattern() const { return FRowColPattern; }
  void SetRowColPattern(int Value) { SetupValue(FRowColPattern, Value); }
  // Default true: check columns show a box also for cells that hold only the flag.
  bool GetShowEmptyCheckBoxes() const { return FShowEmptyCheckBoxes; }
  void SetShowEmptyCheckBoxes(bool Value) { SetupValue(FShowEmptyCheckBoxes, Value); }

  // --- copying ---------------------------------------------------------------------------------------
  // From another view: the store, the layout, the per-column settings, the colours (but the
  // disabled and empty-message ones), highlight, indicator and banding settings, the paint
  // suppression, the interaction settings and most handlers. Not copied: header heights,
  // EmptyMessage, ColorEmptyMsg, ColorDisabledBkgd, ColorDisabledText, CheckMarksReadOnly,
  // UseCtrlForMultiSel, OnCursorKeyAction, OnReadCell and the column widths.
  void Assign(const TPersistent* Source) override;
  void AssignTo(TPersistent* Dest) const override;

  // --- events ------------------------------------------------------------------------------------------
  // Content or column appearance changed.
  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }
  // A setting changed.
  TNotifyEvent GetOnChangeSetup() const { return FOnChangeSetup; }
  void SetOnChangeSetup(TNotifyEvent Handler) { FOnChangeSetup = std::move(Handler); }
  // Row or column selection or enabling changed.
  TNotifyEvent GetOnSelectedChange() const { return FOnSelectedChange; }
  void SetOnSelectedChange(TNotifyEvent Handler) { FOnSelectedChange = std::move(Handler); }
  TRenderCellEvent GetOnBeforeRenderCell() const { return FOnBeforeRenderCell; }
  void SetOnBeforeRenderCell(TRenderCellEvent Handler) { FOnBeforeRenderCell = std::move(Handler); }
  TReadCellEvent GetOnReadCell() const { return FOnReadCell; }
  void SetOnReadCell(TReadCellEvent Handler) { FOnReadCell = std::move(Handler); }
  // Progress of long store operations, with the view as Sender.
  TOnPercentDoneEvent GetOnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Handler) { FOnPercentDone = std::move(Handler); }
  // Each exchange of a sort, with the view as Sender.
  TBeforeSortExchgEvent GetOnBeforeSortExchange() const { return FOnBeforeSortExchange; }
  void SetOnBeforeSortExchange(TBeforeSortExchgEvent Handler);
  // Each cell of an HTML export, with the view as Sender.
  TBeforeHTMLExportEvent GetOnBeforeHTMLExport() const { return FOnBeforeHTMLExport; }
  void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Handler) { FOnBeforeHTMLExport = std::move(Handler); }
  TCheckStateChangeEvent GetOnBeforeCheckedChange() const { return FOnBeforeCheckedChange; }
  void SetOnBeforeCheckedChange(TCheckStateChangeEvent Handler) { FOnBeforeCheckedChange = std::move(Handler); }
  TCheckStateChangeEvent GetOnCheckedChange() const { return FOnCheckedChange; }
  void SetOnCheckedChange(TCheckStateChangeEvent Handler) { FOnCheckedChange = std::move(Handler); }
  TCursorKeyActionEvent GetOnCursorKeyAction() const { return FOnCursorKeyAction; }
  void SetOnCursorKeyAction(TCursorKeyActionEvent Handler) { FOnCursorKeyAction = std::move(Handler); }
  TBeforeFilterEvent GetOnBeforeFilter() const { return FOnBeforeFilter; }
  void SetOnBeforeFilter(TBeforeFilterEvent Handler) { FOnBeforeFilter = std::move(Handler); }
  TRequestEditFormatEvent GetOnRequestEditFormat() const { return FOnRequestEditFormat; }
  void SetOnRequestEditFormat(TRequestEditFormatEvent Handler) { FOnRequestEditFormat = std::move(Handler); }

protected:
  void Paint() override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void TopLeftChanged() override;
  void EnabledChanged() override;

  // Raise OnChange, OnChangeSetup and OnSelectedChange.
  void Changed();
  void ChangedSetup();
  void ChangedSelection();

private:
  class TPaintSuppression;

  // --- store notifications ---
  void ConnectStore();
  void StringsHasChanged();
  void RepListPercDone(int Percent);
  void BeforeSortExchange(const std::string& String1, const std::string& String2, bool& Exchange);
  void BeforeHTMLExport(std::string& Text, int Col, int Row);

  // --- layout ---
  std::string InstanceMessage(const std::string& Problem) const;
  // RowCount and FixedRows from the store's row count and the header rows.
  void ApplyRowLayout();
  void ApplyColumnLayout();
  // After a header row's visibility or height changed: the layout, the heights, OnChange, a repaint.
  void HeaderRowsChanged();
  void ResizeColumnArrays(int Count);
  void ResetColumnSettings();
  void ResetColumnOrder();
  bool ValidColNr(int ColNr) const { return ColNr >= 1 && ColNr <= GetNrOfColumns(); }
  bool ValidRowNr(int Row) const { return Row >= 1 && Row <= GetNrOfRows(); }
  // The store column (1-based) shown in grid column ACol.
  int StoreColumnAt(int ACol) const;
  int HeaderRowsHeight() const;
  // The common header's and the column headers' grid rows; -1 when hidden.
  int CommonHeaderRow() const { return FCommonHdVisible ? 0 : -1; }
  int ColumnHeaderRow() const { return FColumnHdVisible ? (FCommonHdVisible ? 1 : 0) : -1; }
  void SetAttribBit(bool IsRow, int Index, std::uint8_t Bit, bool Value);

  // Every appearance setter: store, repaint, OnChangeSetup.
  template <typename T>
  void SetupValue(T& Field, T Value) {
    Field = Value;
    Invalidate();
    ChangedSetup();
  }
  void SetupColor(TColor& Field, TColor Value) { SetupValue(Field, Value); }

  // --- painting (ReportListViewPaint.cpp) ---
  void PaintEmptyList();
  void PaintInterRowIndicator();
  // The right edge of the last column in view.
  int VisibleColumnsRight() const;
  // Each returns the text rectangle it used.
  TRect DrawDataCell(int ACol, int ARow, const TRect& ARect);
  void DrawCommonHeaderCell(const TRect& ARect);
  TRect DrawColumnHeaderCell(int ACol, const TRect& ARect);
  // Draws Text at y = Top - 1 of the text rectangle, placed by Alignment within it.
  void DrawAlignedText(const TRect& TextRect, const std::string& Text, TAlignment Alignment);
  void DrawCheckBox(const TRect& ARect, TCheckMode Mode, bool Checked, TColor PenColor, bool RowDisabled);
  void DrawSortArrow(int X0, int Y0, bool Ascending);

  TRLData* FRLData = nullptr;
  std::vector<TAlignment> FColAlignment;
  std::vector<bool> FColumnEditable;
  std::vector<bool> FColumnIsPwd;
  std::vector<int> FColOrder;  // entry i: the store column shown at display position i + 1, minus one

  bool FCommonHdVisible = false;
  bool FColumnHdVisible = true;
  int FCommonHdHeight = 20;
  int FColumnHdHeight = 20;
  TAlignment FCommonHdAlignment = taCenter;
  bool FSuppressPaint = true;

  TColor FColorHigh = 0xCC9966;
  TColor FColorHighText = 0xFFFFFF;
  TColor FColorText = 0x002000;
  TColor FColorBkgdNormal = 0xFFFFFF;
  TColor FColorBkgdShaded = 0xF0EFE8;
  TColor FColorColumnHdText = 0x000000;
  TColor FColorCommonHd = clBtnFace;
  TColor FColorCommonHdText = 0x000000;
  TColor FColorDisabledBkgd = 0xF0F0F0;
  TColor FColorDisabledText = 0xC0C0C0;
  TColor FColorEmptyMsg = 0x000000;
  TColor FColorSelectedRow = 0x94BAED;
  TColor FColorSelectedRowText = 0x800000;
  TColor FColorSelectedCol = 0x000000;
  TColor FColorSelectedColText = 0x000000;
  TColor FColorSelectedBoth = 0x000000;
  TColor FColorSelectedBothText = 0x000000;
  std::string FEmptyMessage;
  int FHighLightRow = 0;
  int FHighLightColumn = 0;
  bool FHighLightBold = false;
  TColor FInterRowIndColor = 0x0000FF;
  int FInterRowIndWidth = 3;
  int FInterRowIndPos = 0;
  int FRowColPattern = 1;
  bool FShowEmptyCheckBoxes = true;
  bool FCheckMarksReadOnly = false;

  // Interaction state.
  int FRowSelectMode = 1;
  bool FSortEnabled = true;
  bool FUseCtrlForMultiSel = true;
  bool FAutoAdvance = false;
  int FSelectAnchor = 1;     // data row of the last plain click in mode 2
  int FLastMousePosX = 0;    // the pointer as the last mouse move saw it
  int FLastMousePosY = 0;

  TNotifyEvent FOnChange;
  TNotifyEvent FOnChangeSetup;
  TNotifyEvent FOnSelectedChange;
  TRenderCellEvent FOnBeforeRenderCell;
  TReadCellEvent FOnReadCell;
  TOnPercentDoneEvent FOnPercentDone;
  TBeforeSortExchgEvent FOnBeforeSortExchange;
  TBeforeHTMLExportEvent FOnBeforeHTMLExport;
  TCheckStateChangeEvent FOnBeforeCheckedChange;
  TCheckStateChangeEvent FOnCheckedChange;
  TCursorKeyActionEvent FOnCursorKeyAction;
  TBeforeFilterEvent FOnBeforeFilter;
  TRequestEditFormatEvent FOnRequestEditFormat;
};

}  // namespace gadrix
