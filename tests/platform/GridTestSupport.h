#pragma once
// Grids for tests: a draw grid on a shown form, cells that hold texts, and a grid whose editor
// offers pick lists.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/grids/InplaceEdit.h"
#include "gadrix/platform/stdctrls/Edit.h"

namespace gadrix::testing {

// A draw grid whose editor is the list-capable one: columns listed in PickColumns offer the
// choices Choices, columns in EllipsisColumns a button; Limit caps the editor's text.
class TPickGrid : public TDrawGrid {
public:
  using TDrawGrid::TDrawGrid;
  std::vector<int> PickColumns;
  std::vector<int> EllipsisColumns;
  std::vector<std::string> Choices{"red", "green", "blue"};
  int DropDownRows = 7;
  int Limit = 0;
  int ButtonClicks = 0;

  TInplaceEditList* ListEditor() const { return dynamic_cast<TInplaceEditList*>(GetInplaceEditor()); }

protected:
  TEditStyle GetEditStyle(int ACol, int) override {
    for (int c : PickColumns)
      if (c == ACol) return esPickList;
    for (int c : EllipsisColumns)
      if (c == ACol) return esEllipsis;
    return esSimple;
  }
  int GetEditLimit() override { return Limit; }
  TInplaceEdit* CreateEditor() override {
    auto* editor = new TInplaceEditList(this);
    editor->SetDropDownRows(DropDownRows);
    editor->SetOnGetPickListItems([this](int, int, std::vector<std::string>& Items) { Items = Choices; });
    editor->SetOnEditButtonClick([this](TObject*) { ++ButtonClicks; });
    return editor;
  }
};

// A shown form (600 x 400) with a grid at (10, 10), 320 x 120, and an edit box below it. The grid's
// cells hold the texts in Cells; every stored edit is logged in Stored.
struct GridFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TPickGrid* grid = MakeGrid();
  TEdit* edit = MakeEdit();
  std::map<std::pair<int, int>, std::string> Cells;
  std::vector<std::string> Stored;
  int Clicks = 0;

  TPickGrid* MakeGrid() {
    form->SetBounds(0, 0, 600, 400);
    auto* g = new TPickGrid(form.get());
    g->SetParent(form.get());
    g->SetBounds(10, 10, 320, 120);
    g->SetOnGetEditText([this](TObject*, int C, int R, std::string& Value) { Value = Cells[{C, R}]; });
    g->SetOnSetEditText([this](TObject*, int C, int R, const std::string& Value) {
      Cells[{C, R}] = Value;
      Stored.push_back(std::to_string(C) + "," + std::to_string(R) + "=" + Value);
    });
    g->SetOnClick([this](TObject*) { ++Clicks; });
    return g;
  }
  TEdit* MakeEdit() {
    auto* e = new TEdit(form.get());
    e->SetParent(form.get());
    e->SetBounds(10, 200, 100, e->GetHeight());
    return e;
  }
  void SetUp() override { form->Show(); }

  // The centre of a cell in the grid's client coordinates.
  TPoint Centre(int ACol, int ARow) const {
    const TRect r = grid->CellRect(ACol, ARow);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void ClickCell(int ACol, int ARow) {
    const TPoint p = Centre(ACol, ARow);
    sim::Click(grid, p.X, p.Y);
    // The next click is never the second half of a double click.
    sim::AdvanceTime(TForm::DoubleClickTime + 1);
  }
  TInplaceEdit* Editor() const { return grid->GetInplaceEditor(); }
  bool EditorShown() const { return Editor() != nullptr && Editor()->GetVisible(); }
  // The grid's pixels (border and scroll bars included) in a bitmap of its size.
  std::unique_ptr<TBitmap> Shot() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(grid->GetWidth(), grid->GetHeight());
    grid->PaintTo(bitmap->GetCanvas(), 0, 0);
    return bitmap;
  }
  // A pixel of a shot, addressed in the grid's client coordinates.
  TColor ClientPixel(const TBitmap& Shot, int X, int Y) const {
    const TRect client = grid->GetClientBounds();
    return Shot.ScanLine(Y + client.Top)[X + client.Left];
  }
};

}  // namespace gadrix::testing
