#include "gadrix/quantis/IntMatrix.h"

namespace gadrix {

namespace {
constexpr const char* kOwner = "TIntMatrix";
}

TIntMatrix::TIntMatrix(int NCols, int NRows) { Resize(NCols, NRows); }

void TIntMatrix::Resize(int NCols, int NRows) {
  if (NCols == GetNCols() && NRows == GetNRows()) return;
  detail::RequireGridStorage(kOwner, NCols, NRows, sizeof(int));
  FCells = detail::GuardAllocation(kOwner, NCols, NRows,
                                   [&] { return FCells.Resized(NCols, NRows); });
}

void TIntMatrix::SetVal(int Col, int Row, int Value) {
  if (FCells.Contains(Col, Row)) FCells.At(Col, Row) = Value;
}

}  // namespace gadrix
