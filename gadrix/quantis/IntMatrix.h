#pragma once
// TIntMatrix: a rectangle of integers that grows and shrinks by rows, such as a list of dates
// held as (day, month, year) rows. Columns and rows count from 1; an index outside the matrix
// reads as 0 and is not written.

#include <string>

#include "gadrix/platform/core/Object.h"
#include "gadrix/quantis/CellGrid.h"

namespace gadrix {

class TIntMatrix : public TObject {
public:
  // NCols x NRows cells, all 0 (default 0 x 0). Raises EZorvDStructError for a negative count or
  // when the memory cannot be had.
  explicit TIntMatrix(int NCols = 0, int NRows = 0);
  std::string ClassName() const override { return "TIntMatrix"; }

  // Changes the shape; every cell inside both the old and the new shape keeps its value, new
  // cells are 0. Raises EZorvDStructError (matrix unchanged) for a negative count or when the
  // memory cannot be had.
  void Resize(int NCols, int NRows);
  int GetNCols() const { return FCells.Cols(); }
  // Number of rows (0 or more); SetNRows changes it as Resize does, keeping the columns.
  int GetNRows() const { return FCells.Rows(); }
  void SetNRows(int NRows) { Resize(GetNCols(), NRows); }

  // Cell value; 0 outside the matrix.
  int GetVal(int Col, int Row) const { return FCells.Get(Col, Row); }
  // Ignored outside the matrix.
  void SetVal(int Col, int Row, int Value);

private:
  detail::TCellGrid<int> FCells;
};

}  // namespace gadrix
