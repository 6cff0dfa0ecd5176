#include "gadrix/helmar/BitFld.h"

#include <bit>
#include <new>

#include "gadrix/helmar/Types.h"

namespace gadrix {

namespace {

constexpr int kBitsPerWord = 64;

std::size_t WordsFor(int Bits) {
  return (static_cast<std::size_t>(Bits) + kBitsPerWord - 1) / kBitsPerWord;
}

std::uint64_t MaskOf(int Ix) { return std::uint64_t{1} << (Ix % kBitsPerWord); }

}  // namespace

void TBitFld::SetSize(int Size) {
  const int size = Size < 0 ? 0 : Size;
  try {
    FWords.resize(WordsFor(size), 0);
  } catch (const std::bad_alloc&) {
    throw EZorvDStructError("Class TBitFld: not enough memory for " + std::to_string(size) +
                            " bits");
  }
  // Bits beyond the new size must read as cleared if the set grows again later.
  const int spare = static_cast<int>(FWords.size()) * kBitsPerWord - size;
  if (spare > 0) FWords.back() &= ~std::uint64_t{0} >> spare;
  FSize = size;
}

bool TBitFld::GetBit(int Ix) const {
  if (Ix < 0 || Ix >= FSize) return false;
  return (FWords[static_cast<std::size_t>(Ix / kBitsPerWord)] & MaskOf(Ix)) != 0;
}

void TBitFld::SetBit(int Ix, bool Value) {
  if (Ix < 0 || Ix >= FSize) return;
  std::uint64_t& word = FWords[static_cast<std::size_t>(Ix / kBitsPerWord)];
  word = Value ? (word | MaskOf(Ix)) : (word & ~MaskOf(Ix));
}

void TBitFld::Clear() {
  for (std::uint64_t& word : FWords) word = 0;
}

int TBitFld::CountTrueBits() const {
  int count = 0;
  for (const std::uint64_t word : FWords) count += std::popcount(word);
  return count;
}

int TBitFld::FirstTrueBit() const {
  for (std::size_t k = 0; k < FWords.size(); ++k) {
    if (FWords[k] != 0)
      return static_cast<int>(k) * kBitsPerWord + std::countr_zero(FWords[k]);
  }
  return -1;
}

}  // namespace gadrix
