#pragma once
// The "Grids and edits" page: a draw grid whose cells draw their own coordinates, with a fixed
// heading row and column, sizable columns and rows and scroll bars; and an edit box to type in.
// Notes follow the grid's current cell and scroll position and the edit's text.

#include "GalleryPage.h"
#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/stdctrls/Edit.h"

namespace gallery {

class TGridsPage : public TGalleryPage {
public:
  explicit TGridsPage(gadrix::TComponent* AOwner);

  gadrix::TDrawGrid* Grid() const { return grid_; }
  gadrix::TEdit* Edit() const { return edit_; }
  // The text a cell shows: "C3" and "R12" in the headings, "3, 12" in the others.
  static std::string CellText(int ACol, int ARow);

  static constexpr int Columns = 26;
  static constexpr int Rows = 100;

private:
  void AddGrid();
  void AddEdit();
  void DrawCell(int ACol, int ARow, const gadrix::TRect& Rect);
  void ReportGrid(int ACol, int ARow);
  void ReportEdit();

  gadrix::TDrawGrid* grid_ = nullptr;
  gadrix::TEdit* edit_ = nullptr;
  int gridNote_ = -1;
  int editNote_ = -1;
};

}  // namespace gallery
