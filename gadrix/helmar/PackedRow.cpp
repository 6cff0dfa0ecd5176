#include "gadrix/helmar/PackedRow.h"

#include <algorithm>
#include <cstring>

namespace gadrix {

namespace {

constexpr std::size_t kWordBytes = sizeof(std::uint32_t);
// Smallest text area worth a heap block.
constexpr std::size_t kMinTextCapacity = 16;
// A first block guesses that the cells still to come are about as long as the first one, but
// never reserves more than this for them.
constexpr std::size_t kMaxFirstGuess = 1024;
// A block whose text area ends up used to less than a quarter by a shortening write is shrunk, so
// that overwriting long texts with short ones gives the memory back. Only shortening writes shrink:
// filling a fresh row cell by cell must not undo the room its first block reserved.
constexpr std::size_t kShrinkFraction = 4;

std::size_t RoundToWords(std::size_t Bytes) {
  return (Bytes + kWordBytes - 1) / kWordBytes * kWordBytes;
}

}  // namespace

std::string_view TPackedRow::Cell(std::size_t K, std::size_t Cells) const {
  if (!FBlock || K >= Cells) return {};
  return {Text(Cells) + Begin(K), End(K) - Begin(K)};
}

std::unique_ptr<std::uint32_t[]> TPackedRow::NewBlock(std::size_t Cells, std::size_t Capacity) {
  const std::size_t words = 1 + Cells + RoundToWords(Capacity) / kWordBytes;
  auto block = std::make_unique<std::uint32_t[]>(words);  // zeroed: every cell empty
  block[0] = static_cast<std::uint32_t>(RoundToWords(Capacity));
  return block;
}

bool TPackedRow::SetCell(std::size_t K, std::size_t Cells, std::string_view Text) {
  if (K >= Cells || Cell(K, Cells) == Text) return false;
  if (!FBlock) {
    const std::size_t guess = std::min(Text.size() * (Cells - K), kMaxFirstGuess);
    Reallocate(K, Cells, Text, std::max({guess, Text.size(), kMinTextCapacity}));
    return true;
  }
  const std::size_t oldSize = End(K) - Begin(K);
  const std::size_t used = UsedText(Cells) - oldSize + Text.size();
  if (used == 0) {
    FBlock.reset();
  } else if (used > TextCapacity()) {
    Reallocate(K, Cells, Text, std::max(used, 2 * TextCapacity()));
  } else if (Text.size() < oldSize && used * kShrinkFraction < TextCapacity() &&
             TextCapacity() > kMinTextCapacity) {
    Reallocate(K, Cells, Text, std::max(used, kMinTextCapacity));
  } else {
    ReplaceInPlace(K, Cells, Text);
  }
  return true;
}

void TPackedRow::Reallocate(std::size_t K, std::size_t Cells, std::string_view Text,
                            std::size_t Capacity) {
  auto block = NewBlock(Cells, Capacity);
  char* out = reinterpret_cast<char*>(&block[1 + Cells]);
  std::uint32_t end = 0;
  for (std::size_t k = 0; k < Cells; ++k) {
    const std::string_view text = k == K ? Text : Cell(k, Cells);
    if (!text.empty()) std::memcpy(out + end, text.data(), text.size());
    end += static_cast<std::uint32_t>(text.size());
    block[1 + k] = end;
  }
  FBlock = std::move(block);
}

void TPackedRow::ReplaceInPlace(std::size_t K, std::size_t Cells, std::string_view Text) {
  char* text = this->Text(Cells);
  const std::uint32_t begin = Begin(K);
  const std::uint32_t oldEnd = End(K);
  const std::uint32_t newEnd = begin + static_cast<std::uint32_t>(Text.size());
  std::memmove(text + newEnd, text + oldEnd, UsedText(Cells) - oldEnd);
  if (!Text.empty()) std::memcpy(text + begin, Text.data(), Text.size());
  for (std::size_t k = K; k < Cells; ++k) FBlock[1 + k] = FBlock[1 + k] - oldEnd + newEnd;
}

TPackedRow TPackedRow::Resized(std::size_t OldCells, std::size_t NewCells) const {
  TPackedRow row;
  if (!FBlock || NewCells == 0) return row;
  const std::size_t kept = std::min(OldCells, NewCells);
  const std::size_t used = End(kept - 1);
  if (used == 0) return row;
  row.FBlock = NewBlock(NewCells, used);
  std::memcpy(row.Text(NewCells), Text(OldCells), used);
  for (std::size_t k = 0; k < NewCells; ++k) row.FBlock[1 + k] = k < kept ? End(k) : used;
  return row;
}

}  // namespace gadrix
