// The grid and the edit box: a draw grid with fixed headings and a selected range, one selecting
// whole rows, one editing a cell through a dropped pick list, and edit boxes with a selection.

#include <string>
#include <vector>

#include "Sheets.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/grids/InplaceEdit.h"
#include "gadrix/platform/stdctrls/Edit.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kWidth = 780, kHeight = 500;

// A grid whose second column offers a pick list of colours.
class TColourGrid : public TDrawGrid {
public:
  using TDrawGrid::TDrawGrid;

protected:
  TEditStyle GetEditStyle(int ACol, int) override { return ACol == 1 ? esPickList : esSimple; }
  TInplaceEdit* CreateEditor() override {
    auto* editor = new TInplaceEditList(this);
    editor->SetDropDownRows(4);
    editor->SetOnGetPickListItems([](int, int, std::vector<std::string>& Items) {
      Items = {"Crimson", "Olive", "Teal", "Indigo", "Amber", "Slate"};
    });
    return editor;
  }
  std::string GetEditText(int, int ARow) override { return ARow == 1 ? "Teal" : ""; }
};

void Caption(TCanvas* C, int X, int Y, const std::string& Text) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(9);
  C->GetFont()->SetColor(clBlack);
  C->TextOut(X, Y, Text);
}

// Headings in the fixed cells, numbers in the others.
void DrawSpreadsheetCell(TDrawGrid* Grid, int ACol, int ARow, const TRect& R) {
  TCanvas* c = Grid->GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  std::string text;
  if (ARow == 0 && ACol > 0) text = std::string(1, static_cast<char>('A' + ACol - 1));
  else if (ACol == 0 && ARow > 0) text = std::to_string(ARow);
  else if (ACol > 0) text = std::to_string((ACol * 37 + ARow * 11) % 100).append(".").append(std::to_string((ACol + ARow) % 10));
  const int x = ACol == 0 || ARow == 0 ? (R.Left + R.Right - c->TextWidth(text)) / 2 : R.Right - 4 - c->TextWidth(text);
  c->TextOut(x, R.Top + (R.Height() - c->TextHeight(text)) / 2, text);
}

TDrawGrid* SpreadsheetGrid(TForm* Form) {
  auto* grid = new TDrawGrid(Form);
  grid->SetParent(Form);
  grid->SetBounds(20, 40, 360, 200);
  grid->SetColCount(8);
  grid->SetRowCount(30);
  grid->SetDefaultColWidth(56);
  grid->SetColWidths(0, 32);
  grid->SetDefaultRowHeight(20);
  grid->SetOnDrawCell([grid](TObject*, int C, int R, TRect Rect, TGridDrawState) { DrawSpreadsheetCell(grid, C, R, Rect); });
  grid->SetSelection({2, 3, 4, 6});
  return grid;
}

TDrawGrid* RowSelectGrid(TForm* Form) {
  auto* grid = new TDrawGrid(Form);
  grid->SetParent(Form);
  grid->SetBounds(400, 40, 360, 200);
  grid->SetCtl3D(false);
  grid->SetFixedCols(0);
  grid->SetColCount(4);
  grid->SetRowCount(8);
  grid->SetDefaultColWidth(86);
  grid->SetDefaultRowHeight(22);
  grid->SetOptions(goFixedVertLine | goFixedHorzLine | goHorzLine | goRowSelect);
  grid->SetColor(0xF4F8FA);
  const std::vector<std::string> heads{"Name", "City", "Code", "Amount"};
  const std::vector<std::string> names{"Ames", "Brandt", "Cole", "Dorn", "Eyre", "Frey", "Gale"};
  const std::vector<std::string> cities{"Oslo", "Porto", "Graz", "Lyon", "Cork", "Turku", "Bern"};
  grid->SetOnDrawCell([=](TObject*, int C, int R, TRect Rect, TGridDrawState) {
    TCanvas* c = grid->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    std::string text;
    if (R == 0) text = heads[C];
    else if (C == 0) text = names[R - 1];
    else if (C == 1) text = cities[R - 1];
    else if (C == 2) text = std::string("K").append(std::to_string(100 + R * 7));
    else text = std::to_string(R * 125).append(".00");
    c->TextOut(Rect.Left + 4, Rect.Top + 4, text);
  });
  grid->SetRow(3);
  return grid;
}

TColourGrid* PickListGrid(TForm* Form) {
  auto* grid = new TColourGrid(Form);
  grid->SetParent(Form);
  grid->SetBounds(400, 290, 360, 100);
  grid->SetColCount(3);
  grid->SetRowCount(3);
  grid->SetDefaultColWidth(110);
  grid->SetColWidths(0, 40);
  grid->SetOnDrawCell([grid](TObject*, int C, int R, TRect Rect, TGridDrawState) {
    TCanvas* c = grid->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    const std::string text = R == 0 ? (C == 1 ? "Colour" : C == 2 ? "Note" : "") : C == 0 ? std::to_string(R)
                             : C == 1 ? (R == 1 ? "Teal" : "Amber") : "";
    c->TextOut(Rect.Left + 2, Rect.Top + 4, text);
  });
  grid->SetOptions(grid->GetOptions() | goEditing | goAlwaysShowEditor);
  if (auto* editor = dynamic_cast<TInplaceEditList*>(grid->GetInplaceEditor())) editor->DropDown();
  return grid;
}

void Edits(TForm* Form) {
  auto* selected = new TEdit(Form);
  selected->SetParent(Form);
  selected->SetBounds(20, 300, 240, selected->GetHeight());
  selected->SetText("A part of this text is selected");
  selected->SetHideSelection(false);
  selected->SetSelStart(7);
  selected->SetSelLength(12);

  auto* flat = new TEdit(Form);
  flat->SetParent(Form);
  flat->SetCtl3D(false);
  flat->SetReadOnly(true);
  flat->SetBounds(20, 360, 240, flat->GetHeight());
  flat->SetText("Flat, read-only");

  auto* plain = new TEdit(Form);
  plain->SetParent(Form);
  plain->SetBorderStyle(bsNone);
  plain->SetColor(0xE8F4E8);
  plain->SetBounds(20, 420, 240, plain->GetHeight());
  plain->SetText("No border at all");
}

}  // namespace

void RenderGridSheet(TBitmap& Bitmap) {
  Bitmap.SetSize(kWidth, kHeight);
  TForm form(nullptr);
  form.SetBounds(0, 0, kWidth, kHeight);
  SpreadsheetGrid(&form);
  RowSelectGrid(&form);
  PickListGrid(&form);
  Edits(&form);
  form.PaintTo(Bitmap.GetCanvas(), 0, 0);
  TCanvas* c = Bitmap.GetCanvas();
  Caption(c, 20, 18, "TDrawGrid: fixed row and column, a range selected, scroll bars");
  Caption(c, 400, 18, "goRowSelect, flat, no vertical cell lines");
  Caption(c, 400, 268, "In-place editor with its pick list dropped");
  Caption(c, 20, 278, "TEdit with a selection");
  Caption(c, 20, 338, "Ctl3D off, read-only");
  Caption(c, 20, 398, "BorderStyle bsNone");
}

}  // namespace gallery
