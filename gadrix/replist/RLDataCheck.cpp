// The check marks of the report data store: check modes of columns and the conversion of their
// cells, setting, clearing and inverting marks, and the queries over them.

#include "gadrix/replist/RLData.h"
#include "gadrix/replist/RLDataCells.h"

namespace gadrix {

// --- check modes

void TRLData::SetColCheckMode(int ColNr, TCheckMode Value) {
  if (!ValidColNr(ColNr) || Value > cmRadio) return;
  TCheckMode& mode = FColButMode[static_cast<std::size_t>(ColNr - 1)];
  if (mode == Value) return;
  const TCheckMode from = mode;
  mode = Value;
  ConvertCheckCells(ColNr, from, Value);
}

void TRLData::ConvertCheckCells(int ColNr, TCheckMode From, TCheckMode To) {
  // A radio column turned into a box column keeps its marks as they are.
  if (From == cmRadio && To == cmBox) return;
  TBulkChange bulk(*this);
  TProgress progress(*this, FNrOfRows);
  if (From == cmBox && To == cmRadio) {
    ClearColumnMarks(ColNr, &progress);
  } else {
    for (int row = 1; row <= FNrOfRows; ++row) {
      const std::string stored = Stored(ColNr, row);
      if (!stored.empty()) {
        FStrings->SetString(ColNr, row,
                            From == cmNone ? rlcell::WithFlag(false, stored)
                                           : std::string(rlcell::TextAfterFlag(stored)));
      }
      progress.Advance();
    }
  }
  progress.Finish();
  bulk.Finish();
}

void TRLData::ClearColumnMarks(int Column, TProgress* Progress) {
  for (int row = 1; row <= FNrOfRows; ++row) {
    const std::string stored = Stored(Column, row);
    if (rlcell::IsChecked(stored))
      FStrings->SetString(Column, row, rlcell::Reflagged(stored, false));
    if (Progress) Progress->Advance();
  }
}

// --- single marks

void TRLData::SetElemChecked(int ACol, int ARow, bool Value) {
  if (!ValidCell(ACol, ARow) || !IsCheckColumn(ACol)) return;
  TBulkChange bulk(*this);
  if (GetColCheckMode(ACol) == cmRadio) ClearColumnMarks(ACol, nullptr);
  FStrings->SetString(ACol, ARow, rlcell::Reflagged(Stored(ACol, ARow), Value));
  bulk.Finish();
}

// --- marks of a whole column

void TRLData::SetAllCheckmarksOfCol(int Column, bool Checked) {
  const TCheckMode mode = GetColCheckMode(Column);
  // A radio column may have no mark or one, never all.
  if (mode == cmBox || (mode == cmRadio && !Checked))
    SetAllCheckmarksOfColIntern(Column, Checked, false);
}

void TRLData::InvertAllCheckmarksOfCol(int Column) {
  InvertAllCheckmarksOfColIntern(Column, false);
}

void TRLData::SetAllCheckmarksOfColIntern(int Column, bool Checked, bool AffectEnabledRowsOnly) {
  if (!IsCheckColumn(Column)) return;
  TBulkChange bulk(*this);
  TProgress progress(*this, FNrOfRows);
  SetColumnFlags(Column, Checked, AffectEnabledRowsOnly, &progress);
  progress.Finish();
  bulk.Finish();
}

void TRLData::SetColumnFlags(int Column, bool Checked, bool AffectEnabledRowsOnly,
                             TProgress* Progress) {
  for (int row = 1; row <= FNrOfRows; ++row) {
    if (!AffectEnabledRowsOnly || RowEnabled(row))
      FStrings->SetString(Column, row, rlcell::Reflagged(Stored(Column, row), Checked));
    if (Progress) Progress->Advance();
  }
}

// Inverts by the check state, so that a cell with an unusual flag that counts as checked ("Y")
// becomes unchecked like one with "X"; an empty cell becomes checked.
void TRLData::InvertAllCheckmarksOfColIntern(int Column, bool AffectEnabledRowsOnly) {
  if (GetColCheckMode(Column) != cmBox) return;
  TBulkChange bulk(*this);
  TProgress progress(*this, FNrOfRows);
  for (int row = 1; row <= FNrOfRows; ++row) {
    if (!AffectEnabledRowsOnly || RowEnabled(row)) {
      const std::string stored = Stored(Column, row);
      FStrings->SetString(Column, row, rlcell::Reflagged(stored, !rlcell::IsChecked(stored)));
    }
    progress.Advance();
  }
  progress.Finish();
  bulk.Finish();
}

// --- queries

int TRLData::CountCheckedElemsInCol(int Column) const {
  if (!IsCheckColumn(Column)) return 0;
  int count = 0;
  for (int row = 1; row <= FNrOfRows; ++row) count += GetElemChecked(Column, row) ? 1 : 0;
  return count;
}

int TRLData::CountCheckedElemsInRow(int Row) const {
  int count = 0;
  for (int col = 1; col <= FNrOfCols; ++col) count += GetElemChecked(col, Row) ? 1 : 0;
  return count;
}

int TRLData::FirstCheckedElemInCol(int ColNr) const {
  if (!IsCheckColumn(ColNr)) return 0;
  for (int row = 1; row <= FNrOfRows; ++row)
    if (GetElemChecked(ColNr, row)) return row;
  return 0;
}

int TRLData::FirstCheckedElemInRow(int RowNr) const {
  for (int col = 1; col <= FNrOfCols; ++col)
    if (GetElemChecked(col, RowNr)) return col;
  return 0;
}

}  // namespace gadrix
