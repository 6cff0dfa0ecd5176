#pragma once
// TBitFld: a resizable set of bits numbered from 0.

#include <cstdint>
#include <string>
#include <vector>

#include "gadrix/platform/core/Object.h"

namespace gadrix {

class TBitFld : public TObject {
public:
  TBitFld() = default;
  std::string ClassName() const override { return "TBitFld"; }

  // Number of bits, default 0. SetSize keeps the bits below the new size and adds cleared ones;
  // a negative size counts as 0. Raises EZorvDStructError when the memory cannot be had (the set
  // then keeps its size and bits).
  int GetSize() const { return FSize; }
  void SetSize(int Size);

  // Bit Ix, 0 <= Ix < size. Reading outside gives false; writing outside is ignored.
  bool GetBit(int Ix) const;
  void SetBit(int Ix, bool Value);

  // Clears every bit; the size stays.
  void Clear();

  // Number of bits that are set.
  int CountTrueBits() const;

  // Index of the lowest bit that is set; -1 when none is.
  int FirstTrueBit() const;

private:
  std::vector<std::uint64_t> FWords;
  int FSize = 0;
};

}  // namespace gadrix
