#include "gadrix/replist/ReportListView.h"

#include <algorithm>
#include <new>

#include "gadrix/platform/core/Properties.h"
#include "gadrix/platform/grids/InplaceEdit.h"

namespace gadrix {

namespace {

constexpr int kInitialColumns = 5;
constexpr int kInitialRows = 4;
constexpr int kMinHeaderHeight = 8;
constexpr int kMaxHeaderHeight = 127;
constexpr int kDefaultHeaderHeight = 20;
constexpr TGridOptions kDefaultOptions = goFixedVertLine | goFixedHorzLine | goColSizing | goRowSelect | goThumbTracking;
constexpr const char* kNumberErrorPrefix = "Class TReportListView: invalid numeric string: [";

// Extra widths of DetermineMaxColWidth.
constexpr int kCheckBoxWidth = 16;   // the box or circle left of the text
constexpr int kSortArrowWidth = 13;  // the arrow right of the header name
constexpr int kItalicOverhang = 2;   // an italic text reaches past its advance width
constexpr int kTextMargins = 10;
// AutoColWidth never makes a column narrower than this; ExpandColWidth gives at least this.
constexpr int kMinAutoWidth = 4;
constexpr int kMinExpandedWidth = 16;

const std::vector<std::string> kAlignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};

}  // namespace

// Suppresses painting for the lifetime of a bulk operation and restores the suppression it found.
class TReportListView::TPaintSuppression {
public:
  explicit TPaintSuppression(TReportListView& View) : FView(View), FSaved(View.GetSuppressPaint()) {
    View.SetSuppressPaint(true);
  }
  ~TPaintSuppression() { FView.SetSuppressPaint(FSaved); }
  TPaintSuppression(const TPaintSuppression&) = delete;
  TPaintSuppression& operator=(const TPaintSuppression&) = delete;

private:
  TReportListView& FView;
  bool FSaved;
};

// --- construction ---------------------------------------------------------------------------------

const TClassInfo& TReportListView::StaticClassInfo() {
  using V = TReportListView;
  static const TClassInfo info = TClassInfo::Of<V>(
      "TReportListView", &TCustomDrawGrid::StaticClassInfo(),
      {ColorProperty("Color", &V::GetColor, &V::SetColor, clWindow),
       BooleanProperty("TabStop", &V::GetTabStop, &V::SetTabStop, true),
       EnumProperty("BorderStyle", &V::GetBorderStyle, &V::SetBorderStyle, {"bsNone", "bsSingle"}, bsSingle),
       BooleanProperty("Ctl3D", &V::GetCtl3D, &V::SetCtl3D, true),
       EnumProperty("ScrollBars", &V::GetScrollBars, &V::SetScrollBars,
                    {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, ssBoth),
       BooleanProperty("DefaultDrawing", &V::GetDefaultDrawing, &V::SetDefaultDrawing, false),
       IntegerProperty("DefaultColWidth", &V::GetDefaultColWidth, &V::SetDefaultColWidth, 64),
       IntegerProperty("DefaultRowHeight", &V::GetDefaultRowHeight, &V::SetDefaultRowHeight, 24),
       SetProperty("Options", &V::GetOptions, &V::SetOptions,
                   {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                    "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing",
                    "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"},
                   kDefaultOptions),
       IntegerProperty("NrOfColumns", &V::GetNrOfColumns, &V::SetNrOfColumns, kInitialColumns),
       IntegerProperty("NrOfRows", &V::GetNrOfRows, &V::SetNrOfRows, kInitialRows),
       ColorProperty("ColorHigh", &V::GetColorHigh, &V::SetColorHigh, 0xCC9966),
       ColorProperty("ColorHighText", &V::GetColorHighText, &V::SetColorHighText, 0xFFFFFF),
       ColorProperty("ColorText", &V::GetColorText, &V::SetColorText, 0x002000),
       ColorProperty("ColorBkgdNormal", &V::GetColorBkgdNormal, &V::SetColorBkgdNormal, 0xFFFFFF),
       ColorProperty("ColorBkgdShaded", &V::GetColorBkgdShaded, &V::SetColorBkgdShaded, 0xF0EFE8),
       ColorProperty("ColorColumnHd", &V::GetColorColumnHd, &V::SetColorColumnHd, clBtnFace),
       ColorProperty("FixedColor", &V::GetColorColumnHd, &V::SetColorColumnHd, clBtnFace),
       ColorProperty("ColorColumnHdText", &V::GetColorColumnHdText, &V::SetColorColumnHdText, 0x000000),
       ColorProperty("ColorCommonHd", &V::GetColorCommonHd, &V::SetColorCommonHd, clBtnFace),
       ColorProperty("ColorCommonHdText", &V::GetColorCommonHdText, &V::SetColorCommonHdText, 0x000000),
       ColorProperty("ColorDisabledBkgd", &V::GetColorDisabledBkgd, &V::SetColorDisabledBkgd, 0xF0F0F0),
       ColorProperty("ColorDisabledText", &V::GetColorDisabledText, &V::SetColorDisabledText, 0xC0C0C0),
       ColorProperty("ColorEmptyMsg", &V::GetColorEmptyMsg, &V::SetColorEmptyMsg, 0x000000),
       ColorProperty("ColorSelectedRow", &V::GetColorSelectedRow, &V::SetColorSelectedRow, 0x94BAED),
       ColorProperty("ColorSelectedRowText", &V::GetColorSelectedRowText, &V::SetColorSelectedRowText, 0x800000),
       ColorProperty("ColorSelectedCol", &V::GetColorSelectedCol, &V::SetColorSelectedCol, 0x000000),
       ColorProperty("ColorSelectedColText", &V::GetColorSelectedColText, &V::SetColorSelectedColText, 0x000000),
       ColorProperty("ColorSelectedBoth", &V::GetColorSelectedBoth, &V::SetColorSelectedBoth, 0x000000),
       ColorProperty("ColorSelectedBothText", &V::GetColorSelectedBothText, &V::SetColorSelectedBothText, 0x000000),
       StringProperty("CommonHeader", &V::GetCommonHeader, &V::SetCommonHeader,
                      std::string(TRLData::kDefaultCommonHeader)),
       EnumProperty("CommonHeaderAlignment", &V::GetCommonHeaderAlignment, &V::SetCommonHeaderAlignment,
                    kAlignmentNames, taCenter),
       BooleanProperty("CommonHeaderVisible", &V::GetCommonHeaderVisible, &V::SetCommonHeaderVisible, false),
       IntegerProperty("CommonHeaderHeight", &V::GetCommonHeaderHeight, &V::SetCommonHeaderHeight,
                       kDefaultHeaderHeight),
       BooleanProperty("ColumnHeadersVisible", &V::GetColumnHeadersVisible, &V::SetColumnHeadersVisible, true),
       IntegerProperty("ColumnHeadersHeight", &V::GetColumnHeadersHeight, &V::SetColumnHeadersHeight,
                       kDefaultHeaderHeight),
       StringProperty("EmptyMessage", &V::GetEmptyMessage, &V::SetEmptyMessage, std::string()),
       IntegerProperty("HighLightRow", &V::GetHighLightRow, &V::SetHighLightRow, 0),
       IntegerProperty("HighLightColumn", &V::GetHighLightColumn, &V::SetHighLightColumn, 0),
       BooleanProperty("HighLightBold", &V::GetHighLightBold, &V::SetHighLightBold, false),
       ColorProperty("InterRowIndicatorColor", &V::GetInterRowIndicatorColor, &V::SetInterRowIndicatorColor,
                     0x0000FF),
       IntegerProperty("InterRowIndicatorWidth", &V::GetInterRowIndicatorWidth, &V::SetInterRowIndicatorWidth, 3),
       IntegerProperty("RowColPattern", &V::GetRowColPattern, &V::SetRowColPattern, 1),
       IntegerProperty("RowSelectMode", &V::GetRowSelectMode, &V::SetRowSelectMode, 1),
       BooleanProperty("ShowEmptyCheckBoxes", &V::GetShowEmptyCheckBoxes, &V::SetShowEmptyCheckBoxes, true),
       BooleanProperty("FixedFirstColumn", &V::GetFixedFirstColumn, &V::SetFixedFirstColumn, false),
       BooleanProperty("SortEnabled", &V::GetSortEnabled, &V::SetSortEnabled, true),
       BooleanProperty("UseCtrlForMultiSel", &V::GetUseCtrlForMultiSel, &V::SetUseCtrlForMultiSel, true),
       BooleanProperty("AutoAdvance", &V::GetAutoAdvance, &V::SetAutoAdvance, false),
       StoredWhen(IntegerProperty("TopRow", &V::GetTopRow, &V::SetTopRow), +[](const V&) { return false; }),
       StoredWhen(IntegerProperty("LeftCol", &V::GetLeftCol, &V::SetLeftCol), +[](const V&) { return false; })});
  return info;
}

TReportListView::TReportListView(TComponent* AOwner) : TCustomDrawGrid(AOwner) {
  FSuppressPaint = true;
  try {
    FRLData = new TRLData(nullptr);
    FRLData->SetNrCols(GetColCount());
    FRLData->SetNrRows(GetRowCount() - 1);
    ResizeColumnArrays(GetNrOfColumns());
    ResetColumnOrder();
  } catch (const std::bad_alloc&) {
    delete FRLData;
    throw EZorvRepListError(InstanceMessage("failed to initialize table editor (out of memory)"));
  }
  SetDefaultDrawing(false);
  SetTabStop(true);
  SetFixedCols(0);
  SetFixedRows(1);
  TCustomDrawGrid::SetFixedColor(clBtnFace);
  ConnectStore();
  SetOptions(kDefaultOptions);
  ApplyRowLayout();
  SetHeaderHeights();
  SetTopRow(1);
  // The toolkit has no separate window to wait for: the view may paint once it is built.
  FSuppressPaint = false;
}

TReportListView::~TReportListView() { delete FRLData; }

std::string TReportListView::InstanceMessage(const std::string& Problem) const {
  return "Component \"" + GetName() + "\": " + Problem;
}

void TReportListView::ConnectStore() {
  TStringArray* table = FRLData->GetStrings();
  table->SetOnChange([this](TObject*) { StringsHasChanged(); });
  table->SetOnPercentDone([this](TObject*, int Percent) { RepListPercDone(Percent); });
  FRLData->SetOnPercentDone([this](TObject*, int Percent) { RepListPercDone(Percent); });
  FRLData->SetOnBeforeHTMLExport(
      [this](TObject*, std::string& Text, int Col, int Row) { BeforeHTMLExport(Text, Col, Row); });
  SetOnBeforeSortExchange(FOnBeforeSortExchange);
}

void TReportListView::StringsHasChanged() {
  Changed();
  Invalidate();
}

void TReportListView::RepListPercDone(int Percent) {
  if (FOnPercentDone) FOnPercentDone(this, Percent);
}

void TReportListView::BeforeSortExchange(const std::string& String1, const std::string& String2, bool& Exchange) {
  if (FOnBeforeSortExchange) FOnBeforeSortExchange(this, String1, String2, Exchange);
}

void TReportListView::BeforeHTMLExport(std::string& Text, int Col, int Row) {
  if (FOnBeforeHTMLExport) FOnBeforeHTMLExport(this, Text, Col, Row);
}

// The store forwards its table's exchanges only while it has a handler, so that sorts without
// one run at full speed; the view keeps it so.
void TReportListView::SetOnBeforeSortExchange(TBeforeSortExchgEvent Handler) {
  FOnBeforeSortExchange = std::move(Handler);
  if (!FOnBeforeSortExchange) {
    FRLData->SetOnBeforeSortExchange(nullptr);
    return;
  }
  FRLData->SetOnBeforeSortExchange(
      [this](TObject*, const std::string& String1, const std::string& String2, bool& Exchange) {
        BeforeSortExchange(String1, String2, Exchange);
      });
}

void TReportListView::Changed() {
  if (FOnChange) FOnChange(this);
}

void TReportListView::ChangedSetup() {
  if (FOnChangeSetup) FOnChangeSetup(this);
}

void TReportListView::ChangedSelection() {
  if (FOnSelectedChange) FOnSelectedChange(this);
}

// --- layout ----------------------------------------------------------------------------------------

void TReportListView::ApplyRowLayout() {
  const int h = CountHeadRows();
  const int rows = std::max(h + GetNrOfRows(), h + 1);
  // Growing first keeps FixedRows below RowCount at every step.
  if (rows > GetRowCount()) SetRowCount(rows);
  if (GetFixedRows() != h) SetFixedRows(h);
  if (rows != GetRowCount()) SetRowCount(rows);
}

void TReportListView::ApplyColumnLayout() {
  if (GetColCount() != GetNrOfColumns()) SetColCount(GetNrOfColumns());
}

int TReportListView::HeaderRowsHeight() const {
  int height = 0;
  for (int row = 0; row < CountHeadRows(); ++row) height += GetRowHeights(row);
  return height;
}

void TReportListView::SetHeaderHeights() {
  const int h = CountHeadRows();
  const bool hasRowOne = GetRowCount() >= 2;
  if (h == 2) {
    SetRowHeights(0, FCommonHdHeight);
    // Row 1 always exists with two header rows: it takes its height whatever the store holds.
    SetRowHeights(1, FColumnHdHeight);
    return;
  }
  SetRowHeights(0, h == 0 ? GetDefaultRowHeight() : (FCommonHdVisible ? FCommonHdHeight : FColumnHdHeight));
  if (hasRowOne) SetRowHeights(1, GetDefaultRowHeight());
}

void TReportListView::SetDefaultRowHeight(int Value) {
  TCustomDrawGrid::SetDefaultRowHeight(Value);
  SetHeaderHeights();
}

void TReportListView::SetNrCols(int Value) {
  const int oldCount = GetColCount();
  const int lastWidth = TCustomDrawGrid::GetColWidths(oldCount - 1);
  FRLData->SetNrCols(Value);
  const int count = GetNrOfColumns();
  try {
    ResizeColumnArrays(count);
  } catch (const std::bad_alloc&) {
    throw EZorvRepListError(InstanceMessage("not enough memory on heap"));
  }
  ApplyColumnLayout();
  for (int col = oldCount - 1; col < count; ++col) TCustomDrawGrid::SetColWidths(col, lastWidth);
  ResetColumnOrder();
  SetTopRow(1);
  Invalidate();
  ChangedSetup();
}

void TReportListView::SetNrRows(int Value) {
  FRLData->SetNrRows(Value);
  SetSelection({-1, -1, -1, -1});
  ApplyRowLayout();
  SetHeaderHeights();
  Invalidate();
  ChangedSetup();
}

void TReportListView::HeaderRowsChanged() {
  ApplyRowLayout();
  SetHeaderHeights();
  Changed();
  Invalidate();
}

void TReportListView::SetComHdVis(bool Value) {
  if (Value == FCommonHdVisible) return;
  FCommonHdVisible = Value;
  HeaderRowsChanged();
}

void TReportListView::SetColHdVis(bool Value) {
  if (Value == FColumnHdVisible) return;
  FColumnHdVisible = Value;
  HeaderRowsChanged();
}

void TReportListView::SetComHdHgt(int Value) {
  FCommonHdHeight = std::clamp(Value, kMinHeaderHeight, kMaxHeaderHeight);
  HeaderRowsChanged();
}

void TReportListView::SetColHdHgt(int Value) {
  FColumnHdHeight = std::clamp(Value, kMinHeaderHeight, kMaxHeaderHeight);
  HeaderRowsChanged();
}

void TReportListView::SetTopRow(int Value) {
  const int h = CountHeadRows();
  // The lower bound wins when the store is empty.
  const int top = std::max(std::min(Value + h - 1, h + GetNrOfRows() - 1), h);
  TCustomDrawGrid::SetTopRow(top);
}

void TReportListView::SetLeftCol(int Value) {
  const int col = std::max(std::min(Value, GetNrOfColumns()), GetFixedCols() + 1);
  TCustomDrawGrid::SetLeftCol(col - 1);
}

void TReportListView::SetFixedColOne(bool Value) {
  // A single column cannot be fixed: the grid needs one that scrolls.
  SetFixedCols(Value && GetColCount() > 1 ? 1 : 0);
  Changed();
  Invalidate();
}

void TReportListView::SetSuppressPaint(bool Value) {
  if (Value == FSuppressPaint) return;
  FSuppressPaint = Value;
  if (!Value) Repaint();
}

void TReportListView::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
  Invalidate();
}

void TReportListView::TopLeftChanged() {
  Invalidate();
  TCustomDrawGrid::TopLeftChanged();
}

void TReportListView::EnabledChanged() {
  TCustomDrawGrid::EnabledChanged();
  Repaint();
}

// --- per-column settings --------------------------------------------------------------------------

void TReportListView::ResizeColumnArrays(int Count) {
  const auto n = static_cast<std::size_t>(Count);
  FColAlignment.resize(n, taLeftJustify);
  FColumnEditable.resize(n, false);
  FColumnIsPwd.resize(n, false);
  FColOrder.resize(n, 0);
}

void TReportListView::ResetColumnOrder() {
  for (std::size_t i = 0; i < FColOrder.size(); ++i) FColOrder[i] = static_cast<int>(i);
}

void TReportListView::ResetColumnSettings() {
  std::fill(FColAlignment.begin(), FColAlignment.end(), taLeftJustify);
  std::fill(FColumnEditable.begin(), FColumnEditable.end(), false);
  std::fill(FColumnIsPwd.begin(), FColumnIsPwd.end(), false);
  ResetColumnOrder();
}

int TReportListView::StoreColumnAt(int ACol) const {
  if (ACol < 0 || ACol >= static_cast<int>(FColOrder.size())) return 0;
  return FColOrder[static_cast<std::size_t>(ACol)] + 1;
}

TAlignment TReportListView::GetColumnAlignment(int ColNr) const {
  return ValidColNr(ColNr) ? FColAlignment[static_cast<std::size_t>(ColNr - 1)] : taLeftJustify;
}

void TReportListView::SetColAlignment(int ColNr, TAlignment Value) {
  if (!ValidColNr(ColNr) || FColAlignment[static_cast<std::size_t>(ColNr - 1)] == Value) return;
  FColAlignment[static_cast<std::size_t>(ColNr - 1)] = Value;
  Changed();
  Invalidate();
}

bool TReportListView::GetColumnEditable(int ColNr) const {
  return ValidColNr(ColNr) && FColumnEditable[static_cast<std::size_t>(ColNr - 1)];
}

void TReportListView::SetColumnEditable(int ColNr, bool Value) {
  if (ValidColNr(ColNr)) FColumnEditable[static_cast<std::size_t>(ColNr - 1)] = Value;
}

bool TReportListView::GetColumnIsPwd(int ColNr) const {
  return ValidColNr(ColNr) && FColumnIsPwd[static_cast<std::size_t>(ColNr - 1)];
}

void TReportListView::SetColumnIsPwd(int ColNr, bool Value) {
  if (!ValidColNr(ColNr) || FColumnIsPwd[static_cast<std::size_t>(ColNr - 1)] == Value) return;
  FColumnIsPwd[static_cast<std::size_t>(ColNr - 1)] = Value;
  Changed();
  Invalidate();
}

int TReportListView::GetColumnOrder(int ColNr) const { return ValidColNr(ColNr) ? StoreColumnAt(ColNr - 1) : 0; }

bool TReportListView::SetColumnOrder(const std::vector<int>& ColList) {
  if (static_cast<int>(ColList.size()) != GetNrOfColumns()) return false;
  bool allValid = true;
  for (std::size_t i = 0; i < ColList.size(); ++i) {
    if (ValidColNr(ColList[i])) {
      FColOrder[i] = ColList[i] - 1;
    } else {
      allValid = false;
    }
  }
  return allValid;
}

void TReportListView::SetHdAlign(TAlignment Value) {
  if (Value == FCommonHdAlignment) return;
  FCommonHdAlignment = Value;
  Changed();
  Invalidate();
}

// --- the store ------------------------------------------------------------------------------------

std::string TReportListView::GetElem(int ACol, int ARow) const {
  std::string text = FRLData->GetElem(ACol, ARow);
  if (FOnReadCell) FOnReadCell(const_cast<TReportListView*>(this), ACol, ARow, text);
  return text;
}

void TReportListView::SetElemChecked(int ACol, int ARow, bool Value) {
  TPaintSuppression suppression(*this);
  FRLData->SetElemChecked(ACol, ARow, Value);
}

double TReportListView::GetAsNumber(int ACol, int ARow) const {
  const std::string text = FRLData->GetElem(ACol, ARow);
  double value = 0.0;
  if (!CellTextToNumber(text, value)) {
    throw EZorvRepListError(kNumberErrorPrefix + std::to_string(ACol) + "," + std::to_string(ARow) + "]: " + text);
  }
  return value;
}

void TReportListView::SetColName(int ColNr, const std::string& Value) {
  if (ValidColNr(ColNr)) FRLData->SetColName(ColNr, Value);
  Changed();
  Invalidate();
}

void TReportListView::SetColumnFormat(int ColNr, const std::string& Value) {
  if (ValidColNr(ColNr)) FRLData->SetColumnFormat(ColNr, Value);
  Changed();
  Invalidate();
}

void TReportListView::SetColCheckMode(int ColNr, TCheckMode Value) {
  FRLData->SetColCheckMode(ColNr, Value);
  Changed();
  Invalidate();
}

void TReportListView::SetCheckedCol(int ColNr, bool Value) {
  FRLData->SetCheckedCol(ColNr, Value);
  Changed();
  Invalidate();
}

void TReportListView::SetCommonHeader(const std::string& Value) {
  if (Value == FRLData->GetCommonHeader()) return;
  FRLData->SetCommonHeader(Value);
  Changed();
  Invalidate();
}

void TReportListView::Fill(const std::string& s) {
  HideEditor();
  TPaintSuppression suppression(*this);
  FRLData->Fill(s);
}

void TReportListView::Clear() {
  HideEditor();
  TPaintSuppression suppression(*this);
  FRLData->Clear();
  ResetColumnSettings();
  Invalidate();
}

// --- sorting ---------------------------------------------------------------------------------------

void TReportListView::Sort(int Col, int ColSec, bool Ascending) {
  FRLData->Sort(Col, ColSec, Ascending);
  Invalidate();
}

void TReportListView::UnSort() {
  FRLData->UnSort();
  Invalidate();
}

void TReportListView::SetSortColumnSec(int Value) {
  if (Value < -1 || Value > GetNrOfColumns()) return;
  FRLData->SetSortColumnSec(Value);
  ChangedSetup();
}

// --- attribute bits --------------------------------------------------------------------------------

void TReportListView::SetAttribBit(bool IsRow, int Index, std::uint8_t Bit, bool Value) {
  TStringArray* table = FRLData->GetStrings();
  const std::uint8_t old = IsRow ? table->GetRowAttrib(Index) : table->GetColAttrib(Index);
  const auto updated = static_cast<std::uint8_t>(Value ? (old | Bit) : (old & ~Bit));
  if (IsRow) {
    table->SetRowAttrib(Index, updated);
  } else {
    table->SetColAttrib(Index, updated);
  }
  ChangedSelection();
  Invalidate();
}

bool TReportListView::GetRowSelected(int Row) const {
  return ValidRowNr(Row) && (FRLData->GetStrings()->GetRowAttrib(Row) & kAttribSelected) != 0;
}

void TReportListView::SetRowSelected(int Row, bool Value) {
  if (ValidRowNr(Row)) SetAttribBit(true, Row, kAttribSelected, Value);
}

bool TReportListView::GetRowEnabled(int Row) const {
  return ValidRowNr(Row) && (FRLData->GetStrings()->GetRowAttrib(Row) & kRowAttribDisabled) == 0;
}

void TReportListView::SetRowEnabled(int Row, bool Value) {
  if (ValidRowNr(Row)) SetAttribBit(true, Row, kRowAttribDisabled, !Value);
}

bool TReportListView::GetColumnSelected(int ColNr) const {
  return ValidColNr(ColNr) && (FRLData->GetStrings()->GetColAttrib(ColNr) & kAttribSelected) != 0;
}

void TReportListView::SetColumnSelected(int ColNr, bool Value) {
  if (ValidColNr(ColNr)) SetAttribBit(false, ColNr, kAttribSelected, Value);
}

void TReportListView::SetRowSelectMode(int Value) {
  FRowSelectMode = Value;
  if (Value != 2) {
    TPaintSuppression suppression(*this);
    TStringArray* table = FRLData->GetStrings();
    for (int row = 1; row <= GetNrOfRows(); ++row) {
      table->SetRowAttrib(row, static_cast<std::uint8_t>(table->GetRowAttrib(row) & ~kAttribSelected));
    }
    Invalidate();
  }
  // Outside every cell (the grid's own count, not the data row count, which two header rows would
  // turn into the last data line), so that no cell looks selected.
  if (Value == 0) SetSelection({GetColCount(), GetRowCount(), GetColCount(), GetRowCount()});
  ChangedSelection();
}

void TReportListView::SetCheckMarksReadOnly(bool Value) {
  if (Value == FCheckMarksReadOnly) return;
  FCheckMarksReadOnly = Value;
  Invalidate();
}

// --- appearance -----------------------------------------------------------------------------------

void TReportListView::SetColorColumnHd(TColor Value) {
  TCustomDrawGrid::SetFixedColor(Value);
  Invalidate();
  ChangedSetup();
}

void TReportListView::SetColorEmptyMsg(TColor Value) {
  if (Value == FColorEmptyMsg) return;
  SetupColor(FColorEmptyMsg, Value);
}

void TReportListView::SetEmptyMessage(const std::string& Value) {
  if (Value == FEmptyMessage) return;
  SetupValue(FEmptyMessage, Value);
}

void TReportListView::SetInterRowIndicatorPos(int Value) {
  if (Value == FInterRowIndPos) return;
  FInterRowIndPos = Value;
  Invalidate();
}

// --- column widths ---------------------------------------------------------------------------------

int TReportListView::GetColWidths(int Index) const {
  if (!ValidColNr(Index)) return 0;
  return TCustomDrawGrid::GetColWidths(FColOrder[static_cast<std::size_t>(Index - 1)]);
}

void TReportListView::SetColWidths(int Index, int Value) {
  if (ValidColNr(Index)) TCustomDrawGrid::SetColWidths(FColOrder[static_cast<std::size_t>(Index - 1)], Value);
  ChangedSetup();
}

int TReportListView::DetermineMaxColWidth(int ColNr, bool IncludeHeader) {
  if (!ValidColNr(ColNr)) return kTextMargins;
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  const int italic = (GetFont()->GetStyle() & fsItalic) ? kItalicOverhang : 0;
  // A radio column draws its circle where a box column draws its box.
  const int box = FRLData->GetColCheckMode(ColNr) != cmNone ? kCheckBoxWidth : 0;
  const TStringArray* table = FRLData->GetStrings();
  int widest = 0;
  for (int row = 1; row <= GetNrOfRows(); ++row) {
    widest = std::max(widest, canvas->TextWidth(table->GetString(ColNr, row)) + box + italic);
  }
  if (IncludeHeader) {
    const int arrow = GetLastSortColumn() == ColNr ? kSortArrowWidth : 0;
    std::size_t start = 0;
    const std::string name = FRLData->GetColName(ColNr);
    // A name of several lines is as wide as its widest line.
    while (start <= name.size()) {
      const std::size_t end = std::min(name.find('\n', start), name.size());
      widest = std::max(widest, canvas->TextWidth(name.substr(start, end - start)) + arrow + italic);
      start = end + 1;
    }
  }
  return widest + kTextMargins;
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon) {
  SetColWidths(ColNr, std::max(kMinAutoWidth, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon));
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth) {
  SetColWidths(ColNr, std::min(MaxWidth, std::max(kMinAutoWidth, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon)));
}

void TReportListView::ExpandColWidth(int ColIx, int RightMargin) {
  if (ValidColNr(ColIx)) {
    int others = 0;
    for (int col = 1; col <= GetNrOfColumns(); ++col) {
      if (col != ColIx) others += GetColWidths(col);
    }
    const int width = GetClientWidth() - RightMargin - others;
    SetColWidths(ColIx, width < kMinExpandedWidth ? kMinExpandedWidth : width);
  }
  ChangedSetup();
}

void TReportListView::FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin) {
  TPaintSuppression suppression(*this);
  for (int col = 1; col <= GetNrOfColumns(); ++col) {
    if (col != ExpandColumn) AutoColWidth(col, IncludeHeader, Addon, MaxWidth);
  }
  ExpandColWidth(ExpandColumn, RightMargin);
}

// --- copying ---------------------------------------------------------------------------------------

void TReportListView::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TReportListView*>(Source);
  if (source == nullptr) {
    TCustomDrawGrid::Assign(Source);
    return;
  }
  if (source == this) return;
  FRLData->Assign(source->FRLData);
  FAutoAdvance = source->FAutoAdvance;
  FLastMousePosX = source->FLastMousePosX;
  FLastMousePosY = source->FLastMousePosY;
  FSelectAnchor = source->FSelectAnchor;
  FRowSelectMode = source->FRowSelectMode;
  FSortEnabled = source->FSortEnabled;
  SetEnabled(source->GetEnabled());

  FColAlignment = source->FColAlignment;
  FColumnEditable = source->FColumnEditable;
  FColumnIsPwd = source->FColumnIsPwd;
  FColOrder = source->FColOrder;
  FCommonHdVisible = source->FCommonHdVisible;
  FColumnHdVisible = source->FColumnHdVisible;
  FCommonHdAlignment = source->FCommonHdAlignment;
  ApplyColumnLayout();
  ApplyRowLayout();
  SetFixedCols(source->GetFixedCols() > 0 && GetColCount() > 1 ? 1 : 0);
  SetHeaderHeights();

  FColorHigh = source->FColorHigh;
  FColorHighText = source->FColorHighText;
  FColorText = source->FColorText;
  FColorBkgdNormal = source->FColorBkgdNormal;
  FColorBkgdShaded = source->FColorBkgdShaded;
  TCustomDrawGrid::SetFixedColor(source->GetFixedColor());
  FColorColumnHdText = source->FColorColumnHdText;
  FColorCommonHd = source->FColorCommonHd;
  FColorCommonHdText = source->FColorCommonHdText;
  FColorSelectedRow = source->FColorSelectedRow;
  FColorSelectedRowText = source->FColorSelectedRowText;
  FColorSelectedCol = source->FColorSelectedCol;
  FColorSelectedColText = source->FColorSelectedColText;
  FColorSelectedBoth = source->FColorSelectedBoth;
  FColorSelectedBothText = source->FColorSelectedBothText;
  FHighLightRow = source->FHighLightRow;
  FHighLightColumn = source->FHighLightColumn;
  FHighLightBold = source->FHighLightBold;
  FInterRowIndColor = source->FInterRowIndColor;
  FInterRowIndWidth = source->FInterRowIndWidth;
  FInterRowIndPos = source->FInterRowIndPos;
  FRowColPattern = source->FRowColPattern;
  FShowEmptyCheckBoxes = source->FShowEmptyCheckBoxes;

  FOnChange = source->FOnChange;
  FOnChangeSetup = source->FOnChangeSetup;
  FOnSelectedChange = source->FOnSelectedChange;
  FOnCheckedChange = source->FOnCheckedChange;
  FOnBeforeCheckedChange = source->FOnBeforeCheckedChange;
  FOnBeforeFilter = source->FOnBeforeFilter;
  FOnRequestEditFormat = source->FOnRequestEditFormat;
  SetOnGetEditText(source->GetOnGetEditText());
  SetOnSetEditText(source->GetOnSetEditText());
  SetOnMouseWheelDown(source->GetOnMouseWheelDown());
  SetOnMouseWheelUp(source->GetOnMouseWheelUp());
  FOnPercentDone = source->FOnPercentDone;
  FOnBeforeRenderCell = source->FOnBeforeRenderCell;
  FOnBeforeHTMLExport = source->FOnBeforeHTMLExport;
  // The store's Assign replaced its cell table: connect the new one.
  FOnBeforeSortExchange = source->FOnBeforeSortExchange;
  ConnectStore();
  Invalidate();
  // Last, so that switching suppression off paints the finished copy.
  SetSuppressPaint(source->FSuppressPaint);
}

void TReportListView::AssignTo(TPersistent* Dest) const {
  if (auto* view = dynamic_cast<TReportListView*>(Dest)) {
    view->Assign(this);
    return;
  }
  // A store takes the view's cells, as it would take another store's.
  if (auto* store = dynamic_cast<TRLData*>(Dest)) {
    store->Assign(FRLData);
    return;
  }
  TCustomDrawGrid::AssignTo(Dest);
}

}  // namespace gadrix
