#include "GridsPage.h"

#include <string>

#include "gadrix/helmar/Utf8.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kFirstTop = TGalleryPage::Margin + TGalleryPage::CaptionGap;
const TRect kGridBounds = Bounds(TGalleryPage::Margin, kFirstTop, 660, 300);
constexpr int kHeadingWidth = 44;  // the fixed column
constexpr int kEditWidth = 320;
constexpr int kEditTop = 392;
constexpr int kNotesLeft = 372;
constexpr int kCellInset = 4;  // between a cell's right edge and its text

}  // namespace

TGridsPage::TGridsPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  SetName("GridsPage");
  AddGrid();
  AddEdit();
  AddNote({Margin, kEditTop + 56}, "Try it",
          {"In the grid: arrows move, Shift with arrows or a drag selects, Page Up and Page Down turn",
           "pages, Ctrl+Home and Ctrl+End jump to the corners; drag a border in the headings to size",
           "a column or a row. In the edit: type, select with the mouse or Shift, Ctrl+Z undoes,",
           "Ctrl+C, Ctrl+X and Ctrl+V exchange text with the clipboard."});
  SetSelected(grid_);
}

std::string TGridsPage::CellText(int ACol, int ARow) {
  if (ARow == 0 && ACol == 0) return {};
  // (Built by appending: GCC 12 warns wrongly about a short literal plus a string.)
  if (ARow == 0) return std::string("C").append(std::to_string(ACol));
  if (ACol == 0) return std::string("R").append(std::to_string(ARow));
  return std::to_string(ACol).append(", ").append(std::to_string(ARow));
}

void TGridsPage::AddGrid() {
  grid_ = AddExhibit<TDrawGrid>("Grid", kGridBounds, "TDrawGrid: each cell draws its coordinates");
  grid_->SetColCount(Columns);
  grid_->SetRowCount(Rows);
  grid_->SetDefaultRowHeight(22);
  grid_->SetColWidths(0, kHeadingWidth);
  grid_->SetOptions(grid_->GetOptions() | goColSizing | goRowSizing | goThumbTracking);
  grid_->SetOnDrawCell([this](TObject*, int ACol, int ARow, TRect Rect, TGridDrawState) { DrawCell(ACol, ARow, Rect); });
  grid_->SetOnSelectCell([this](TObject*, int ACol, int ARow, bool&) { ReportGrid(ACol, ARow); });
  grid_->SetOnTopLeftChanged([this](TObject*) { ReportGrid(grid_->GetCol(), grid_->GetRow()); });
  gridNote_ = AddNote({kNotesLeft, kEditTop - CaptionGap}, "The grid", {});
  ReportGrid(grid_->GetCol(), grid_->GetRow());
}

void TGridsPage::AddEdit() {
  edit_ = AddExhibit<TEdit>("Edit", Bounds(Margin, kEditTop, kEditWidth, 24), "TEdit: type in it");
  edit_->SetText("Edit me: every pixel is Gadrix's own");
  edit_->SetOnChange([this](TObject*) { ReportEdit(); });
  editNote_ = AddNote({Margin, kEditTop + 30}, "", {});
  ReportEdit();
}

void TGridsPage::DrawCell(int ACol, int ARow, const TRect& Rect) {
  // The grid has filled the cell in its colours and set the font's colour for the selection.
  TCanvas* c = grid_->GetCanvas();
  const std::string text = CellText(ACol, ARow);
  const bool heading = ACol < grid_->GetFixedCols() || ARow < grid_->GetFixedRows();
  const int width = c->TextWidth(text);
  const int x = heading ? (Rect.Left + Rect.Right - width) / 2 : Rect.Right - kCellInset - width;
  c->GetBrush()->SetStyle(bsClear);
  c->TextRect(Rect, x, Rect.Top + (Rect.Height() - c->TextHeight(text)) / 2, text);
}

void TGridsPage::ReportGrid(int ACol, int ARow) {
  SetNoteLines(gridNote_, {"Current cell: column " + std::to_string(ACol) + ", row " + std::to_string(ARow),
                           "First cell in view: column " + std::to_string(grid_->GetLeftCol()) + ", row " +
                               std::to_string(grid_->GetTopRow())});
  ExhibitChanged(grid_);
}

void TGridsPage::ReportEdit() {
  const std::size_t characters = Utf8Length(edit_->GetText());
  SetNoteLines(editNote_, {"OnChange: " + std::to_string(characters) + (characters == 1 ? " character" : " characters") +
                           (edit_->GetModified() ? ", changed by you" : ", as the program set it")});
  ExhibitChanged(edit_);
}

}  // namespace gallery
