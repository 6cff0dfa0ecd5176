#pragma once
// Building report data stores from literal cells and reading them back, for the store's tests.

#include <string>
#include <vector>

#include "gadrix/replist/RLData.h"

namespace gadrix::test {

using Texts = std::vector<std::string>;

// Column Col of Store filled with Cells from row 1, the store growing to hold them.
inline void PutColumn(TRLData& Store, int Col, const Texts& Cells) {
  if (Store.GetNrOfRows() < static_cast<int>(Cells.size()))
    Store.SetNrRows(static_cast<int>(Cells.size()));
  for (std::size_t k = 0; k < Cells.size(); ++k)
    Store.SetElem(Col, static_cast<int>(k) + 1, Cells[k]);
}

// The texts (Elem) of column Col, rows 1..NrOfRows.
inline Texts ElemColumn(const TRLData& Store, int Col) {
  Texts texts;
  for (int row = 1; row <= Store.GetNrOfRows(); ++row) texts.push_back(Store.GetElem(Col, row));
  return texts;
}

// The stored cells (flags included) of column Col, rows 1..NrOfRows.
inline Texts StoredColumn(const TRLData& Store, int Col) {
  Texts texts;
  for (int row = 1; row <= Store.GetNrOfRows(); ++row)
    texts.push_back(Store.GetStrings()->GetString(Col, row));
  return texts;
}

// Stores the cells of column Col as they are, flags included.
inline void PutStoredColumn(TRLData& Store, int Col, const Texts& Cells) {
  for (std::size_t k = 0; k < Cells.size(); ++k)
    Store.GetStrings()->SetString(Col, static_cast<int>(k) + 1, Cells[k]);
}

// Check states of column Col, rows 1..NrOfRows.
inline std::vector<bool> CheckedColumn(const TRLData& Store, int Col) {
  std::vector<bool> states;
  for (int row = 1; row <= Store.GetNrOfRows(); ++row)
    states.push_back(Store.GetElemChecked(Col, row));
  return states;
}

}  // namespace gadrix::test
