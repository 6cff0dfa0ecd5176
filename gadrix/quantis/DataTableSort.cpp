// Block sorts of TDataTable. A sort first works out the new order of the block's columns or rows
// from keys taken beforehand (std::stable_sort over positions), then carries it out with at most
// n - 1 exchanges, reporting each one, so that a listener can keep its own per-column data (a
// display precision, say) in step.

#include <algorithm>
#include <cmath>
#include <numeric>

#include "gadrix/quantis/DataTable.h"

namespace gadrix {

namespace {

// Puts Low and High in order and clips them to 1..Count; false when nothing remains.
bool ClipRange(int& Low, int& High, int Count) {
  if (Low > High) std::swap(Low, High);
  Low = std::max(Low, 1);
  High = std::min(High, Count);
  return Low <= High;
}

// Offsets 0..n-1 of the keys in the order KeyLess gives them, equal keys in their old order.
template <class Key, class Less>
std::vector<int> StableOrder(const std::vector<Key>& Keys, Less KeyLess) {
  std::vector<int> Order(Keys.size());
  std::iota(Order.begin(), Order.end(), 0);
  std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) {
    return KeyLess(Keys[static_cast<std::size_t>(A)], Keys[static_cast<std::size_t>(B)]);
  });
  return Order;
}

// Numbers first, by value; cells without a number after them, all equivalent.
struct TValueKey {
  bool IsNumber;
  double Value;
};

std::string FoldedAZ(std::string Text) {
  for (char& Ch : Text)
    if (Ch >= 'a' && Ch <= 'z') Ch = static_cast<char>(Ch - 'a' + 'A');
  return Text;
}

}  // namespace

bool TDataTable::MakeBlock(TSortExchgWhat What, int LowCol, int LowRow, int HighCol, int HighRow,
                           bool MoveHeads, TSortBlock& Block) const {
  if (!ClipRange(LowCol, HighCol, GetNrOfColumns()) || !ClipRange(LowRow, HighRow, GetNrOfRows()))
    return false;
  if (What == sxColumns)
    Block = {What, LowCol, HighCol, LowRow, HighRow, MoveHeads};
  else
    Block = {What, LowRow, HighRow, LowCol, HighCol, MoveHeads};
  return Block.High > Block.Low;
}

void TDataTable::Exchange(const TSortBlock& Block, int A, int B) {
  const auto Ix = [](int i) { return static_cast<std::size_t>(i - 1); };
  if (Block.What == sxColumns) {
    FValues.SwapColumns(A, B, Block.OtherLow, Block.OtherHigh);
    FStates.SwapColumns(A, B, Block.OtherLow, Block.OtherHigh);
    if (Block.MoveHeads && HasCol(A) && HasCol(B)) std::swap(FColHeads[Ix(A)], FColHeads[Ix(B)]);
  } else {
    FValues.SwapRows(A, B, Block.OtherLow, Block.OtherHigh);
    FStates.SwapRows(A, B, Block.OtherLow, Block.OtherHigh);
    if (Block.MoveHeads && HasRow(A) && HasRow(B)) std::swap(FRowHeads[Ix(A)], FRowHeads[Ix(B)]);
  }
}

// Order[k] is the offset (from Block.Low) of the column or row that goes to Block.Low + k.
// Slot and Item track where each original position currently is while the exchanges proceed.
void TDataTable::ApplyOrder(const TSortBlock& Block, const std::vector<int>& Order) {
  const int N = static_cast<int>(Order.size());
  std::vector<int> Slot(Order.size()), Item(Order.size());
  std::iota(Slot.begin(), Slot.end(), 0);
  std::iota(Item.begin(), Item.end(), 0);
  const unsigned Stamp = FShapeStamp;
  bool Exchanged = false;
  int Reported = 0;
  for (int k = 0; k < N && FShapeStamp == Stamp; ++k) {
    const int Wanted = Order[static_cast<std::size_t>(k)];
    const int From = Slot[static_cast<std::size_t>(Wanted)];
    if (From != k) {
      Exchange(Block, Block.Low + k, Block.Low + From);
      const int Displaced = Item[static_cast<std::size_t>(k)];
      Item[static_cast<std::size_t>(k)] = Wanted;
      Slot[static_cast<std::size_t>(Wanted)] = k;
      Item[static_cast<std::size_t>(From)] = Displaced;
      Slot[static_cast<std::size_t>(Displaced)] = From;
      Exchanged = true;
      if (auto Handler = FOnSortExchange)
        Handler(this, Block.What, Block.Low + k, Block.Low + From, Block.OtherLow,
                Block.OtherHigh);
    }
    const int Percent = static_cast<int>((static_cast<long long>(k) + 1) * 100 / N);
    if (Percent > Reported && FShapeStamp == Stamp) {
      Reported = Percent;
      NotifyProgress(Percent);
    }
  }
  if (Exchanged) NotifyChange();
}

void TDataTable::SortByValues(const TSortBlock& Block, int KeyIx, bool Ascending) {
  std::vector<TValueKey> Keys;
  Keys.reserve(static_cast<std::size_t>(Block.High - Block.Low + 1));
  for (int p = Block.Low; p <= Block.High; ++p) {
    const int Col = Block.What == sxColumns ? p : KeyIx;
    const int Row = Block.What == sxColumns ? KeyIx : p;
    const double Value = GetElem(Col, Row);
    Keys.push_back({GetIsNumber(Col, Row) && !std::isnan(Value), Value});
  }
  ApplyOrder(Block, StableOrder(Keys, [Ascending](const TValueKey& A, const TValueKey& B) {
               if (A.IsNumber != B.IsNumber) return A.IsNumber;
               if (!A.IsNumber) return false;
               return Ascending ? A.Value < B.Value : B.Value < A.Value;
             }));
}

void TDataTable::SortByAttributes(const TSortBlock& Block, bool Ascending) {
  std::vector<std::uint8_t> Keys;
  for (int p = Block.Low; p <= Block.High; ++p)
    Keys.push_back(Block.What == sxColumns ? GetColAttrib(p) : GetRowAttrib(p));
  ApplyOrder(Block, StableOrder(Keys, [Ascending](std::uint8_t A, std::uint8_t B) {
               return Ascending ? A < B : B < A;
             }));
}

void TDataTable::SortByNames(const TSortBlock& Block, bool Ascending, bool IgnoreCase) {
  std::vector<std::string> Keys;
  for (int p = Block.Low; p <= Block.High; ++p) {
    std::string Name = Block.What == sxColumns ? GetColName(p) : GetRowName(p);
    Keys.push_back(IgnoreCase ? FoldedAZ(std::move(Name)) : std::move(Name));
  }
  // Byte order of UTF-8 is code point order.
  ApplyOrder(Block, StableOrder(Keys, [Ascending](const std::string& A, const std::string& B) {
               return Ascending ? A < B : B < A;
             }));
}

void TDataTable::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders) {
  TSortBlock Block;
  if (HasRow(SortRowIx) &&
      MakeBlock(sxColumns, LowCol, LowRow, HighCol, HighRow, IncludeHeaders, Block))
    SortByValues(Block, SortRowIx, Ascending);
}

void TDataTable::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders) {
  TSortBlock Block;
  if (HasCol(SortColIx) &&
      MakeBlock(sxRows, LowCol, LowRow, HighCol, HighRow, IncludeHeaders, Block))
    SortByValues(Block, SortColIx, Ascending);
}

void TDataTable::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol,
                                   int HighRow) {
  TSortBlock Block;
  if (MakeBlock(sxColumns, LowCol, LowRow, HighCol, HighRow, true, Block))
    SortByAttributes(Block, Ascending);
}

void TDataTable::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol,
                                   int HighRow) {
  TSortBlock Block;
  if (MakeBlock(sxRows, LowCol, LowRow, HighCol, HighRow, true, Block))
    SortByAttributes(Block, Ascending);
}

void TDataTable::SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortColNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TDataTable::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow,
                              int HighCol, int HighRow) {
  TSortBlock Block;
  if (MakeBlock(sxColumns, LowCol, LowRow, HighCol, HighRow, true, Block))
    SortByNames(Block, Ascending, IgnoreCase);
}

void TDataTable::SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortRowNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TDataTable::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow,
                              int HighCol, int HighRow) {
  TSortBlock Block;
  if (MakeBlock(sxRows, LowCol, LowRow, HighCol, HighRow, true, Block))
    SortByNames(Block, Ascending, IgnoreCase);
}

}  // namespace gadrix
