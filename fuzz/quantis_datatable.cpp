// Drives a TDataTable with an arbitrary sequence of operations, indices (inside, at and beyond
// the edges), names of arbitrary bytes and handlers that reshape the table in the middle of a
// sort. Under ASan this shows that no operation reaches outside the storage; the checks below
// abort when a stored name breaks its limits or the shape bookkeeping goes astray.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "gadrix/quantis/DataTable.h"

namespace {

using gadrix::TDataTable;

// Hands out the input's bytes; zeros once it is used up.
struct TInput {
  const unsigned char* Data;
  std::size_t Size;
  std::size_t Pos = 0;

  bool Done() const { return Pos >= Size; }
  std::uint8_t Byte() { return Pos < Size ? Data[Pos++] : 0; }
  // An index from -2 to 13: around and inside a table of at most 12 columns or rows.
  int Index() { return static_cast<int>(Byte() % 16) - 2; }
  std::string Text() {
    const std::size_t Length = Byte() % 80;
    std::string Result;
    while (Result.size() < Length && !Done()) Result.push_back(static_cast<char>(Byte()));
    return Result;
  }
};

// Counts characters as the table does: a sequence of a lead byte and its continuation bytes,
// or any other byte on its own.
std::size_t CodePoints(const std::string& Text) {
  std::size_t Count = 0;
  for (std::size_t i = 0; i < Text.size(); ++Count) {
    const auto Lead = static_cast<unsigned char>(Text[i]);
    const std::size_t Length = Lead >= 0xF0 && Lead <= 0xF4   ? 4
                               : Lead >= 0xE0 && Lead <= 0xEF ? 3
                               : Lead >= 0xC2 && Lead <= 0xDF ? 2
                                                              : 1;
    const std::size_t End = i + Length;
    for (++i; i < Text.size() && i < End && (static_cast<unsigned char>(Text[i]) & 0xC0) == 0x80;)
      ++i;
  }
  return Count;
}

void Require(bool Condition) {
  if (!Condition) std::abort();
}

void CheckName(const std::string& Given, const std::string& Stored) {
  Require(CodePoints(Stored) <= static_cast<std::size_t>(gadrix::MaxDTNameLength));
  Require(Given.compare(0, Stored.size(), Stored) == 0);
}

void RunOne(TDataTable& Table, TDataTable& Other, TInput& In) {
  const std::uint8_t Op = In.Byte() % 24;
  const int A = In.Index(), B = In.Index(), C = In.Index(), D = In.Index();
  switch (Op) {
    case 0: Table.Resize(In.Byte() % 13, In.Byte() % 13); break;
    case 1: Table.SetElem(A, B, static_cast<double>(static_cast<std::int8_t>(In.Byte()))); break;
    case 2: Table.SetCellState(A, B, In.Byte()); break;
    case 3: {
      const std::string Name = In.Text();
      Table.SetColName(A, Name);
      if (A >= 1 && A <= Table.NrOfColumns()) CheckName(Name, Table.GetColName(A));
      break;
    }
    case 4: {
      const std::string Name = In.Text();
      Table.SetRowName(A, Name);
      if (A >= 1 && A <= Table.NrOfRows()) CheckName(Name, Table.GetRowName(A));
      break;
    }
    case 5: Table.SetColAttrib(A, In.Byte()); Table.SetRowAttrib(B, In.Byte()); break;
    case 6: Table.SetMScaleType(A, static_cast<gadrix::TMScaleType>(In.Byte() % 7)); break;
    case 7: {
      const int Level = In.Byte() % 155 - 2;
      const std::string ID = In.Text();
      Table.SetNominalID(A, Level, ID);
      CheckName(ID, Table.GetNominalID(A, Level));
      break;
    }
    case 8: {
      const int Level = Table.OrdinalOfNominalID(A, In.Text(), In.Byte() & 1);
      Require(Level >= -1 && Level <= gadrix::MaxNominalLevel);
      break;
    }
    case 9: Table.InsertRow(A); break;
    case 10: Table.InsertColumn(A); break;
    case 11: Table.RemoveRow(A); break;
    case 12: Table.RemoveColumn(A); break;
    case 13: Table.MirrorRows(); Table.MirrorColumns(); break;
    case 14: Table.UnmarkAllCells(); Table.ExchangeMarkings(); break;
    case 15: Table.InvertCellStates(In.Byte()); break;
    case 16: Require(Table.FillMarkedCells(1.5, In.Byte()) >= 0); break;
    case 17: Table.SortCols(In.Index(), In.Byte() & 1, A, B, C, D, In.Byte() & 1); break;
    case 18: Table.SortRows(In.Index(), In.Byte() & 1, A, B, C, D, In.Byte() & 1); break;
    case 19:
      Table.SortColAttributes(In.Byte() & 1, A, B, C, D);
      Table.SortRowAttributes(true, A, B, C, D);
      break;
    case 20:
      Table.SortColNames(In.Byte() & 1, In.Byte() & 1, A, B, C, D);
      Table.SortRowNames(false, A, B, C, D);
      break;
    case 21: Table.Clear(); break;
    case 22: Other.Assign(&Table); Table.Assign(&Other); break;
    case 23: Table.SetComment(In.Text()); break;
  }
  Require(Table.GetElem(Table.NrOfColumns() + 1, 1) == 0.0);
  Require(Table.GetColName(0).empty() && Table.GetRowName(Table.NrOfRows() + 1).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* Data, std::size_t Size) {
  TInput In{Data, Size};
  TDataTable Table(In.Byte() % 6, In.Byte() % 6);
  TDataTable Other;
  // Every report carries the current shape; now and then a handler reshapes the table.
  const std::uint8_t Whims = In.Byte();
  int Calls = 0;
  Table.SetOnDataResized([&](gadrix::TObject*, int, int, int NewC, int NewR) {
    Require(NewC == Table.NrOfColumns() && NewR == Table.NrOfRows());
  });
  Table.SetOnSortExchange([&](gadrix::TObject*, std::uint8_t What, int I1, int I2, int, int) {
    const int Count = What == gadrix::sxColumns ? Table.NrOfColumns() : Table.NrOfRows();
    Require(I1 >= 1 && I1 <= Count && I2 >= 1 && I2 <= Count && I1 != I2);
    if ((Whims & 1) && ++Calls % 3 == 0) Table.RemoveRow(1);
  });
  Table.SetOnPercentDone([&](gadrix::TObject*, int Percent) {
    Require(Percent >= 1 && Percent <= 100);
    if ((Whims & 2) && ++Calls % 5 == 0) Table.InsertColumn(1);
  });
  for (int Step = 0; Step < 200 && !In.Done(); ++Step) RunOne(Table, Other, In);
  return 0;
}
