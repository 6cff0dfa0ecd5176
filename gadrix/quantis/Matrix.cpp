#include "gadrix/quantis/Matrix.h"

namespace gadrix {

namespace {
constexpr const char* kOwner = "TMatrix";
}

TMatrix::TMatrix(int NCols, int NRows) { Resize(NCols, NRows); }

void TMatrix::Resize(int NCols, int NRows) {
  if (NCols == GetNCols() && NRows == GetNRows()) return;
  detail::RequireGridStorage(kOwner, NCols, NRows, sizeof(double));
  FCells = detail::GuardAllocation(kOwner, NCols, NRows,
                                   [&] { return FCells.Resized(NCols, NRows); });
}

void TMatrix::SetElem(int Col, int Row, double Value) {
  if (FCells.Contains(Col, Row)) FCells.At(Col, Row) = Value;
}

}  // namespace gadrix
