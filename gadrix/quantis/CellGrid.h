#pragma once
// The storage behind the math library's matrices and data table: a rectangle of cells addressed
// by 1-based column and row numbers, stored row after row. Indices outside the rectangle read as
// T{} and are never written. Operations that change the shape build a new grid and leave the old
// one untouched when memory runs out, so the owner can commit several grids together.

#include <algorithm>
#include <cstddef>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "gadrix/helmar/Types.h"

namespace gadrix::detail {

// What a container asks of memory for a shape: CellBytes per cell, plus ColBytes per column and
// RowBytes per row of bookkeeping. Raises EZorvDStructError ("<Owner>: invalid size ...") for a
// negative count and ("<Owner>: cannot hold C x R cells (not enough memory)") when the storage
// would exceed the machine's physical memory or what the address space can hold. The check runs
// before anything is allocated, so an absurd size fails cleanly even where the allocator cannot
// report failure.
void RequireGridStorage(const char* Owner, int Cols, int Rows, std::size_t CellBytes,
                        std::size_t ColBytes = 0, std::size_t RowBytes = 0);

// The message of a shape that passed the check but could not be allocated.
std::string OutOfMemoryText(const char* Owner, int Cols, int Rows);

// Runs Action; an allocation failure inside it becomes EZorvDStructError with OutOfMemoryText.
template <class Action>
decltype(auto) GuardAllocation(const char* Owner, int Cols, int Rows, Action&& DoIt) {
  try {
    return DoIt();
  } catch (const std::bad_alloc&) {
    throw EZorvDStructError(OutOfMemoryText(Owner, Cols, Rows));
  } catch (const std::length_error&) {
    throw EZorvDStructError(OutOfMemoryText(Owner, Cols, Rows));
  }
}

// Index maps for TCellGrid::Remapped and for the lists that go with a grid's columns or rows:
// each gives, for a new index, the old index whose content it takes, or 0 for a new, empty one.
inline int IdentityMap(int i) { return i; }
// Old indices up to OldCount stay, later ones are new.
inline auto KeepMap(int OldCount) {
  return [OldCount](int i) { return i <= OldCount ? i : 0; };
}
// A new index Ix; the old ones from Ix on move one further.
inline auto InsertMap(int Ix) {
  return [Ix](int i) { return i < Ix ? i : (i == Ix ? 0 : i - 1); };
}
// Old index Ix left out; the later ones move one back.
inline auto RemoveMap(int Ix) {
  return [Ix](int i) { return i < Ix ? i : i + 1; };
}

template <class T>
class TCellGrid {
public:
  TCellGrid() = default;

  int Cols() const { return FCols; }
  int Rows() const { return FRows; }
  bool Contains(int Col, int Row) const {
    return Col >= 1 && Col <= FCols && Row >= 1 && Row <= FRows;
  }

  // The cell's content, T{} outside the grid.
  T Get(int Col, int Row) const { return Contains(Col, Row) ? FCells[Index(Col, Row)] : T{}; }
  // Unchecked access for callers that have checked Contains.
  T& At(int Col, int Row) { return FCells[Index(Col, Row)]; }
  const T& At(int Col, int Row) const { return FCells[Index(Col, Row)]; }

  void Fill(const T& Value) { std::fill(FCells.begin(), FCells.end(), Value); }
  auto begin() { return FCells.begin(); }
  auto end() { return FCells.end(); }
  auto begin() const { return FCells.begin(); }
  auto end() const { return FCells.end(); }

  // A grid of the new shape in which every cell (c, r) takes the content of the old cell
  // (ColFrom(c), RowFrom(r)), or T{} when a map returns 0. The shape must have passed
  // RequireGridStorage; throws std::bad_alloc when memory runs out.
  template <class ColMap, class RowMap>
  TCellGrid Remapped(int NewCols, int NewRows, ColMap ColFrom, RowMap RowFrom) const {
    TCellGrid Result;
    Result.FCells.assign(static_cast<std::size_t>(NewCols) * static_cast<std::size_t>(NewRows),
                         T{});
    Result.FCols = NewCols;
    Result.FRows = NewRows;
    for (int r = 1; r <= NewRows; ++r) {
      const int SrcRow = RowFrom(r);
      if (SrcRow < 1) continue;
      for (int c = 1; c <= NewCols; ++c) {
        const int SrcCol = ColFrom(c);
        if (SrcCol >= 1) Result.At(c, r) = At(SrcCol, SrcRow);
      }
    }
    return Result;
  }

  // The content kept at the same place, new cells T{}.
  TCellGrid Resized(int NewCols, int NewRows) const {
    return Remapped(NewCols, NewRows, KeepMap(FCols), KeepMap(FRows));
  }

  void MirrorColumns() {
    for (int r = 1; r <= FRows; ++r) {
      auto First = FCells.begin() + static_cast<std::ptrdiff_t>(Index(1, r));
      std::reverse(First, First + FCols);
    }
  }
  void MirrorRows() {
    for (int Top = 1, Bottom = FRows; Top < Bottom; ++Top, --Bottom)
      SwapRows(Top, Bottom, 1, FCols);
  }

  // Exchanges the cells of columns A and B in rows LowRow..HighRow (clipped to the grid).
  void SwapColumns(int A, int B, int LowRow, int HighRow) {
    if (A == B || !Contains(A, 1) || !Contains(B, 1)) return;
    for (int r = std::max(LowRow, 1); r <= std::min(HighRow, FRows); ++r)
      std::swap(At(A, r), At(B, r));
  }
  // Exchanges the cells of rows A and B in columns LowCol..HighCol (clipped to the grid).
  void SwapRows(int A, int B, int LowCol, int HighCol) {
    if (A == B || !Contains(1, A) || !Contains(1, B)) return;
    for (int c = std::max(LowCol, 1); c <= std::min(HighCol, FCols); ++c)
      std::swap(At(c, A), At(c, B));
  }

private:
  std::size_t Index(int Col, int Row) const {
    return static_cast<std::size_t>(Row - 1) * static_cast<std::size_t>(FCols) +
           static_cast<std::size_t>(Col - 1);
  }

  int FCols = 0;
  int FRows = 0;
  std::vector<T> FCells;
};

}  // namespace gadrix::detail
