#pragma once
// TPackedRow: the cell texts of one table row, packed into one heap block.
//
// Block layout, in 32-bit words:
//   [0]           capacity of the text area in bytes
//   [1 .. Cells]  End[k]: offset just past the text of cell k within the text area
//   [Cells + 1 ..] the text area; cell k occupies [End[k - 1], End[k]) with End[-1] = 0
// A row whose cells are all empty holds no block at all, so empty rows cost one pointer. The row
// does not know its own cell count: its table passes it in, and must pass the same count to
// every call until it rebuilds the row with Resized().

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace gadrix {

class TPackedRow {
public:
  // Text of cell K (0 <= K < Cells). The view is valid until the row changes.
  std::string_view Cell(std::size_t K, std::size_t Cells) const;

  // Stores Text as cell K; returns false when the cell already held it. May raise
  // std::bad_alloc, leaving the row unchanged.
  bool SetCell(std::size_t K, std::size_t Cells, std::string_view Text);

  // A copy with NewCells cells: the first min(OldCells, NewCells) texts are kept, new cells are
  // empty. May raise std::bad_alloc.
  TPackedRow Resized(std::size_t OldCells, std::size_t NewCells) const;

  bool IsEmpty() const { return !FBlock; }
  void Clear() { FBlock.reset(); }

private:
  std::size_t TextCapacity() const { return FBlock[0]; }
  std::uint32_t End(std::size_t K) const { return FBlock[1 + K]; }
  std::uint32_t Begin(std::size_t K) const { return K == 0 ? 0 : End(K - 1); }
  std::size_t UsedText(std::size_t Cells) const { return End(Cells - 1); }
  char* Text(std::size_t Cells) { return reinterpret_cast<char*>(&FBlock[1 + Cells]); }
  const char* Text(std::size_t Cells) const {
    return reinterpret_cast<const char*>(&FBlock[1 + Cells]);
  }

  // A block with room for Capacity text bytes and every cell empty.
  static std::unique_ptr<std::uint32_t[]> NewBlock(std::size_t Cells, std::size_t Capacity);
  // Rebuilds the block with the given text capacity, cell K replaced by Text.
  void Reallocate(std::size_t K, std::size_t Cells, std::string_view Text, std::size_t Capacity);
  // Replaces cell K in place; the block has room for the result.
  void ReplaceInPlace(std::size_t K, std::size_t Cells, std::string_view Text);

  std::unique_ptr<std::uint32_t[]> FBlock;
};

}  // namespace gadrix
