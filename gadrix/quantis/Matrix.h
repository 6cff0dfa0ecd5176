#pragma once
// TMatrix: a plain rectangle of doubles. Columns and rows count from 1; an index outside the
// matrix reads as 0 and is not written.

#include <string>

#include "gadrix/platform/core/Object.h"
#include "gadrix/quantis/CellGrid.h"

namespace gadrix {

class TMatrix : public TObject {
public:
  // NCols x NRows cells, all 0 (default 0 x 0). Raises EZorvDStructError for a negative count or
  // when the memory cannot be had.
  explicit TMatrix(int NCols = 0, int NRows = 0);
  std::string ClassName() const override { return "TMatrix"; }

  // Changes the shape; every cell inside both the old and the new shape keeps its value, new
  // cells are 0. Raises EZorvDStructError (matrix unchanged) for a negative count or when the
  // memory cannot be had.
  void Resize(int NCols, int NRows);
  int GetNCols() const { return FCells.Cols(); }
  int GetNRows() const { return FCells.Rows(); }

  // Cell value; 0 outside the matrix.
  double GetElem(int Col, int Row) const { return FCells.Get(Col, Row); }
  // Ignored outside the matrix.
  void SetElem(int Col, int Row, double Value);

  // Sets every cell to Value.
  void Fill(double Value) { FCells.Fill(Value); }

private:
  detail::TCellGrid<double> FCells;
};

}  // namespace gadrix
