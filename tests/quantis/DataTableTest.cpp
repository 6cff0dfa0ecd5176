#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "gadrix/quantis/DataTable.h"
#include "quantis/EventLog.h"

namespace gadrix {
namespace {

using Lines = std::vector<std::string>;
using test::TEventLog;

std::string Numbered(char Prefix, int N) {
  std::string Name(1, Prefix);
  return Name.append(std::to_string(N));
}

// A table whose cell (c, r) holds 10 * c + r, columns named C1.., rows R1...
void FillNumbered(TDataTable& Table) {
  for (int c = 1; c <= Table.NrOfColumns(); ++c) {
    Table.SetColName(c, Numbered('C', c));
    for (int r = 1; r <= Table.NrOfRows(); ++r) Table.SetElem(c, r, 10.0 * c + r);
  }
  for (int r = 1; r <= Table.NrOfRows(); ++r) Table.SetRowName(r, Numbered('R', r));
}

TEST(DataTable, NewTableIsBlankAndSized) {
  TDataTable Table(3, 4);
  EXPECT_EQ(Table.GetNrOfColumns(), 3);
  EXPECT_EQ(Table.NrOfColumns(), 3);
  EXPECT_EQ(Table.GetNrOfRows(), 4);
  EXPECT_EQ(Table.NrOfRows(), 4);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 4; ++r) {
      EXPECT_EQ(Table.GetElem(c, r), 0.0);
      EXPECT_EQ(Table.GetCellState(c, r), 0);
      EXPECT_TRUE(Table.GetIsNumber(c, r));
    }
  EXPECT_EQ(Table.GetMScaleType(1), mstUndefined);
  EXPECT_EQ(Table.GetComment(), "");
  TDataTable Default;
  EXPECT_EQ(Default.NrOfColumns(), 1);
  EXPECT_EQ(Default.NrOfRows(), 1);
}

TEST(DataTable, ResizeKeepsEveryCellAtItsPlaceAndAnnouncesTheNewShape) {
  TDataTable Table(2, 2);
  FillNumbered(Table);
  Table.SetColAttrib(2, 7);
  TEventLog Log(Table);

  Table.Resize(4, 3);
  EXPECT_EQ(Log.Take(), (Lines{"resized 2x2->4x3", "setup"}));
  EXPECT_EQ(Table.GetElem(2, 2), 22.0);
  EXPECT_EQ(Table.GetColName(2), "C2");
  EXPECT_EQ(Table.GetColAttrib(2), 7);
  EXPECT_EQ(Table.GetElem(4, 3), 0.0);
  EXPECT_EQ(Table.GetColName(4), "");

  Table.Resize(1, 3);
  EXPECT_EQ(Log.Take(), (Lines{"resized 4x3->1x3", "setup"}));
  EXPECT_EQ(Table.GetElem(1, 2), 12.0);
  EXPECT_EQ(Table.GetElem(2, 2), 0.0);  // cut off, now outside

  Table.Resize(1, 3);
  EXPECT_TRUE(Log.Take().empty());

  Table.Resize(0, 0);
  EXPECT_EQ(Log.Take(), (Lines{"resized 1x3->0x0", "setup"}));
  EXPECT_EQ(Table.GetElem(1, 1), 0.0);
}

TEST(DataTable, ResizeBeyondMemoryRaisesAndLeavesTheTableUntouched) {
  TDataTable Table(2, 2);
  FillNumbered(Table);
  TEventLog Log(Table);
  const auto ExpectRefused = [&](int Cols, int Rows, const char* Text) {
    try {
      Table.Resize(Cols, Rows);
      ADD_FAILURE() << "Resize(" << Cols << ", " << Rows << ") did not raise";
    } catch (const EZorvError& Error) {
      EXPECT_NE(std::string(Error.what()).find(Text), std::string::npos) << Error.what();
    }
  };
  ExpectRefused(INT_MAX, INT_MAX, "not enough memory");
  ExpectRefused(1 << 20, 1 << 20, "not enough memory");  // 8 TiB of values
  ExpectRefused(-1, 3, "invalid size");
  EXPECT_THROW(TDataTable(3, -2), EZorvDStructError);

  EXPECT_EQ(Table.NrOfColumns(), 2);
  EXPECT_EQ(Table.NrOfRows(), 2);
  EXPECT_EQ(Table.GetElem(2, 1), 21.0);
  EXPECT_EQ(Table.GetRowName(2), "R2");
  EXPECT_TRUE(Log.Take().empty());
}

TEST(DataTable, IndicesOutsideTheTableReadAsZeroAndAreNotWritten) {
  TDataTable Table(2, 3);
  TEventLog Log(Table);
  for (auto [c, r] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 4}, {-1, -1}, {INT_MIN, INT_MAX}}) {
    Table.SetElem(c, r, 5.0);
    Table.SetCellState(c, r, dcsMarkA);
    EXPECT_EQ(Table.GetElem(c, r), 0.0);
    EXPECT_EQ(Table.GetCellState(c, r), 0);
    EXPECT_FALSE(Table.GetIsNumber(c, r));
  }
  for (int Ix : {0, 4, -3, INT_MAX}) {
    Table.SetColName(Ix, "x");
    Table.SetRowName(Ix, "x");
    Table.SetColAttrib(Ix, 9);
    Table.SetRowAttrib(Ix, 9);
    Table.SetMScaleType(Ix, mstNominal);
    Table.SetNominalID(Ix, 1, "x");
    EXPECT_EQ(Table.GetRowName(Ix), "");
    EXPECT_EQ(Table.GetRowAttrib(Ix), 0);
    EXPECT_EQ(Table.GetMScaleType(Ix), mstUndefined);
    EXPECT_EQ(Table.GetNominalID(Ix, 1), "");
  }
  EXPECT_EQ(Table.GetColName(3), "");
  EXPECT_EQ(Table.GetColAttrib(3), 0);
  EXPECT_TRUE(Log.Take().empty());
}

TEST(DataTable, CellWritesAnnounceOnlyRealChanges) {
  TDataTable Table(2, 2);
  Table.SetCellState(1, 1, dcsEmpty);
  TEventLog Log(Table);

  Table.SetElem(1, 1, 2.5);
  EXPECT_EQ(Table.GetElem(1, 1), 2.5);
  EXPECT_EQ(Table.GetCellState(1, 1), dcsEmpty);  // a value leaves the state alone
  Table.SetElem(1, 1, 2.5);
  Table.SetElem(2, 2, std::nan(""));
  Table.SetElem(2, 2, std::nan(""));
  Table.SetCellState(1, 1, dcsEmpty);
  Table.SetCellState(1, 2, dcsMarkA | 0x04);
  EXPECT_EQ(Log.Take(), (Lines{"change", "change", "change"}));
  EXPECT_TRUE(std::isnan(Table.GetElem(2, 2)));
}

TEST(DataTable, ACellHoldsANumberWhenNeitherTheNotANumberNorTheEmptyBitIsSet) {
  TDataTable Table(1, 1);
  const std::pair<std::uint8_t, bool> Cases[] = {
      {0, true},       {dcsNotANumber, false}, {dcsEmpty, false}, {dcsNotANumber | dcsEmpty, false},
      {dcsMarkA, true}, {dcsMarkB, true},      {0x3C, true},      {0xFF, false}};
  for (auto [State, IsNumber] : Cases) {
    Table.SetCellState(1, 1, State);
    EXPECT_EQ(Table.GetCellState(1, 1), State);
    EXPECT_EQ(Table.GetIsNumber(1, 1), IsNumber) << int(State);
  }
}

TEST(DataTable, NamesAreCutToFiftyCodePointsWithoutSplittingOne) {
  TDataTable Table(1, 1);
  Table.SetColName(1, std::string(60, 'x'));
  EXPECT_EQ(Table.GetColName(1), std::string(50, 'x'));

  std::string Umlauts;
  for (int i = 0; i < 60; ++i) Umlauts += "\xC3\xA4";  // ä
  Table.SetRowName(1, Umlauts);
  EXPECT_EQ(Table.GetRowName(1), Umlauts.substr(0, 100));

  const std::string Clef = "\xF0\x9D\x84\x9E";  // a four-byte code point in 50th place
  Table.SetColName(1, std::string(49, 'a') + Clef + "b");
  EXPECT_EQ(Table.GetColName(1), std::string(49, 'a') + Clef);

  // Invalid UTF-8 is kept, each broken piece counted as a character, and never over-read.
  Table.SetColName(1, std::string(70, '\x80'));
  EXPECT_EQ(Table.GetColName(1), std::string(50, '\x80'));
  Table.SetColName(1, std::string(49, 'a') + "\xE2\x82");  // cut short by the end of the text
  EXPECT_EQ(Table.GetColName(1), std::string(49, 'a') + "\xE2\x82");
  const std::string BadLeads = "\xFF\xFE";
  Table.SetColName(1, std::string(BadLeads).append(60, 'z'));
  EXPECT_EQ(Table.GetColName(1), std::string(BadLeads).append(48, 'z'));
}

TEST(DataTable, HeadingAndCommentWritesAnnounceAChange) {
  TDataTable Table(2, 2);
  TEventLog Log(Table);
  Table.SetColName(1, "Mass");
  Table.SetColName(1, "Mass");
  Table.SetRowAttrib(2, 200);
  Table.SetRowAttrib(2, 200);
  Table.SetFComment("line 1\r\nline 2");
  Table.SetComment("line 1\r\nline 2");
  EXPECT_EQ(Log.Take(), (Lines{"change", "change", "change"}));
  EXPECT_EQ(Table.GetComment(), "line 1\r\nline 2");
  EXPECT_EQ(Table.GetRowAttrib(2), 200);
}

TEST(DataTable, ScaleTypesAndNominalIdentifiersAreSetup) {
  TDataTable Table(2, 1);
  TEventLog Log(Table);
  Table.SetMScaleType(1, mstNominal);
  Table.SetMScaleType(1, mstNominal);
  Table.SetMScaleType(1, static_cast<TMScaleType>(9));
  EXPECT_EQ(Table.GetMScaleType(1), mstNominal);
  EXPECT_STREQ(MScaleTypeNames[mstNominal], "nominal");
  EXPECT_STREQ(MScaleTypeNames[mstOrdinal], "ordinal");

  Table.SetNominalID(1, 1, "red");
  Table.SetNominalID(1, 150, "violet");
  Table.SetNominalID(1, 0, "none");
  Table.SetNominalID(1, 151, "none");
  Table.SetNominalID(1, 7, std::string(80, 'q'));
  EXPECT_EQ(Log.Take(), (Lines{"setup", "setup", "setup", "setup"}));
  EXPECT_EQ(Table.GetNominalID(1, 1), "red");
  EXPECT_EQ(Table.GetNominalID(1, 150), "violet");
  EXPECT_EQ(Table.GetNominalID(1, 2), "");
  EXPECT_EQ(Table.GetNominalID(1, 0), "");
  EXPECT_EQ(Table.GetNominalID(1, 151), "");
  EXPECT_EQ(Table.GetNominalID(1, 7), std::string(50, 'q'));
  EXPECT_EQ(Table.GetNominalID(2, 1), "");

  Table.SetNominalID(1, 150, "");
  EXPECT_EQ(Table.GetNominalID(1, 150), "");
  EXPECT_EQ(Log.Take(), (Lines{"setup"}));
}

TEST(DataTable, OrdinalOfNominalIDFindsTheLowestMatchingLevel) {
  TDataTable Table(2, 1);
  Table.SetNominalID(1, 3, "Red");
  Table.SetNominalID(1, 5, "green");
  Table.SetNominalID(1, 9, "red");
  EXPECT_EQ(Table.OrdinalOfNominalID(1, "Red", false), 3);
  EXPECT_EQ(Table.OrdinalOfNominalID(1, "red", false), 9);
  EXPECT_EQ(Table.OrdinalOfNominalID(1, "RED", false), 0);
  EXPECT_EQ(Table.OrdinalOfNominalID(1, "  RED ", true), 3);
  EXPECT_EQ(Table.OrdinalOfNominalID(1, "Green", true), 5);
  EXPECT_EQ(Table.OrdinalOfNominalID(1, "blue", true), 0);
  EXPECT_EQ(Table.OrdinalOfNominalID(1, "", true), 0);
  EXPECT_EQ(Table.OrdinalOfNominalID(1, "   ", true), 0);
  EXPECT_EQ(Table.OrdinalOfNominalID(2, "Red", true), 0);
  EXPECT_EQ(Table.OrdinalOfNominalID(3, "Red", true), -1);
  EXPECT_EQ(Table.OrdinalOfNominalID(0, "Red", true), -1);
}

TEST(DataTable, InsertPutsABlankRowOrColumnBeforeTheIndex) {
  TDataTable Table(2, 3);
  FillNumbered(Table);
  Table.SetMScaleType(2, mstOrdinal);
  TEventLog Log(Table);

  Table.InsertRow(2);
  EXPECT_EQ(Log.Take(), (Lines{"resized 2x3->2x4", "setup", "change"}));
  EXPECT_EQ(Table.GetElem(1, 1), 11.0);
  EXPECT_EQ(Table.GetElem(1, 2), 0.0);
  EXPECT_EQ(Table.GetRowName(2), "");
  EXPECT_EQ(Table.GetElem(1, 3), 12.0);
  EXPECT_EQ(Table.GetRowName(4), "R3");

  Table.InsertColumn(1);
  EXPECT_EQ(Log.Take(), (Lines{"resized 2x4->3x4", "setup", "change"}));
  EXPECT_EQ(Table.GetElem(1, 1), 0.0);
  EXPECT_EQ(Table.GetElem(2, 1), 11.0);
  EXPECT_EQ(Table.GetColName(3), "C2");
  EXPECT_EQ(Table.GetMScaleType(3), mstOrdinal);

  Table.InsertColumn(4);  // count + 1 appends
  Table.InsertRow(5);
  EXPECT_EQ(Table.NrOfColumns(), 4);
  EXPECT_EQ(Table.NrOfRows(), 5);
  EXPECT_EQ(Table.GetColName(3), "C2");
  EXPECT_EQ(Table.GetRowName(4), "R3");
  Log.Take();

  for (int Ix : {0, -1, 7, INT_MAX, INT_MIN}) {
    Table.InsertRow(Ix);
    Table.InsertColumn(Ix);
  }
  EXPECT_TRUE(Log.Take().empty());
}

TEST(DataTable, RemoveTakesOutOneRowOrColumnWithItsHeading) {
  TDataTable Table(3, 2);
  FillNumbered(Table);
  TEventLog Log(Table);

  Table.RemoveColumn(2);
  EXPECT_EQ(Log.Take(), (Lines{"resized 3x2->2x2", "setup", "change"}));
  EXPECT_EQ(Table.GetColName(2), "C3");
  EXPECT_EQ(Table.GetElem(2, 2), 32.0);

  Table.RemoveRow(1);
  EXPECT_EQ(Log.Take(), (Lines{"resized 2x2->2x1", "setup", "change"}));
  EXPECT_EQ(Table.GetRowName(1), "R2");
  EXPECT_EQ(Table.GetElem(1, 1), 12.0);

  for (int Ix : {0, 2, -1, INT_MAX}) Table.RemoveRow(Ix);
  for (int Ix : {0, 3, INT_MIN}) Table.RemoveColumn(Ix);
  EXPECT_TRUE(Log.Take().empty());

  Table.RemoveRow(1);  // the table itself may become empty; callers keep their own minimum
  EXPECT_EQ(Table.NrOfRows(), 0);
  EXPECT_EQ(Table.GetElem(1, 1), 0.0);
}

TEST(DataTable, MirrorReversesRowsOrColumnsWithTheirHeadings) {
  TDataTable Table(3, 2);
  FillNumbered(Table);
  Table.SetCellState(1, 1, dcsMarkB);
  Table.SetColAttrib(1, 4);
  TEventLog Log(Table);

  Table.MirrorColumns();
  EXPECT_EQ(Table.GetElem(1, 1), 31.0);
  EXPECT_EQ(Table.GetElem(3, 2), 12.0);
  EXPECT_EQ(Table.GetCellState(3, 1), dcsMarkB);
  EXPECT_EQ(Table.GetColName(1), "C3");
  EXPECT_EQ(Table.GetColAttrib(3), 4);

  Table.MirrorRows();
  EXPECT_EQ(Table.GetElem(1, 1), 32.0);
  EXPECT_EQ(Table.GetRowName(1), "R2");
  EXPECT_EQ(Table.GetCellState(3, 2), dcsMarkB);
  EXPECT_EQ(Log.Take(), (Lines{"change", "change"}));

  TDataTable Single(1, 1);
  TEventLog SingleLog(Single);
  Single.MirrorRows();
  Single.MirrorColumns();
  EXPECT_TRUE(SingleLog.Take().empty());
}

TEST(DataTable, MarkOperationsTouchOnlyTheirBits) {
  TDataTable Table(2, 2);
  Table.SetCellState(1, 1, dcsMarkA | dcsEmpty);
  Table.SetCellState(2, 1, dcsMarkB | 0x10);
  Table.SetCellState(1, 2, dcsMarkA | dcsMarkB);
  TEventLog Log(Table);

  Table.ExchangeMarkings();
  EXPECT_EQ(Table.GetCellState(1, 1), dcsMarkB | dcsEmpty);
  EXPECT_EQ(Table.GetCellState(2, 1), dcsMarkA | 0x10);
  EXPECT_EQ(Table.GetCellState(1, 2), dcsMarkA | dcsMarkB);
  EXPECT_EQ(Table.GetCellState(2, 2), 0);

  Table.InvertCellStates(dcsEmpty | dcsMarkA);
  EXPECT_EQ(Table.GetCellState(1, 1), dcsMarkB | dcsMarkA);
  EXPECT_EQ(Table.GetCellState(2, 1), 0x10 | dcsEmpty);
  EXPECT_EQ(Table.GetCellState(2, 2), dcsEmpty | dcsMarkA);

  Table.UnmarkAllCells();
  EXPECT_EQ(Table.GetCellState(1, 1), 0);
  EXPECT_EQ(Table.GetCellState(2, 1), 0x10 | dcsEmpty);
  EXPECT_EQ(Table.GetCellState(2, 2), dcsEmpty);
  EXPECT_EQ(Log.Take(), (Lines{"change", "change", "change"}));

  Table.UnmarkAllCells();
  Table.InvertCellStates(0);
  EXPECT_TRUE(Log.Take().empty());
}

TEST(DataTable, FillMarkedCellsWritesCellsWithAnyBitOfTheMask) {
  TDataTable Table(3, 1);
  Table.SetCellState(1, 1, dcsMarkA | dcsEmpty);
  Table.SetCellState(2, 1, dcsMarkB);
  TEventLog Log(Table);

  EXPECT_EQ(Table.FillMarkedCells(7.5, dcsMarkA), 1);
  EXPECT_EQ(Table.GetElem(1, 1), 7.5);
  EXPECT_EQ(Table.GetCellState(1, 1), dcsMarkA | dcsEmpty);
  EXPECT_EQ(Table.GetElem(2, 1), 0.0);
  EXPECT_EQ(Table.FillMarkedCells(-1.0, dcsMarkA | dcsMarkB), 2);
  EXPECT_EQ(Table.GetElem(1, 1), -1.0);
  EXPECT_EQ(Table.GetElem(2, 1), -1.0);
  EXPECT_EQ(Table.GetElem(3, 1), 0.0);
  EXPECT_EQ(Log.Take(), (Lines{"change", "change"}));

  EXPECT_EQ(Table.FillMarkedCells(-1.0, dcsMarkB), 1);  // counted, but nothing changed
  EXPECT_EQ(Table.FillMarkedCells(3.0, 0), 0);
  EXPECT_TRUE(Log.Take().empty());
}

TEST(DataTable, ClearReturnsToANewTableOfTheSameShape) {
  TDataTable Table(2, 2);
  FillNumbered(Table);
  Table.SetCellState(1, 1, dcsMarkA);
  Table.SetRowAttrib(1, 3);
  Table.SetMScaleType(2, mstNominal);
  Table.SetNominalID(2, 1, "yes");
  Table.SetComment("note");
  TEventLog Log(Table);

  Table.Clear();
  EXPECT_EQ(Log.Take(), (Lines{"setup", "change"}));
  EXPECT_EQ(Table.NrOfColumns(), 2);
  EXPECT_EQ(Table.NrOfRows(), 2);
  EXPECT_EQ(Table.GetElem(2, 2), 0.0);
  EXPECT_EQ(Table.GetCellState(1, 1), 0);
  EXPECT_EQ(Table.GetColName(1), "");
  EXPECT_EQ(Table.GetRowAttrib(1), 0);
  EXPECT_EQ(Table.GetMScaleType(2), mstUndefined);
  EXPECT_EQ(Table.GetNominalID(2, 1), "");
  EXPECT_EQ(Table.GetComment(), "");

  Table.Clear();
  EXPECT_TRUE(Log.Take().empty());
  Table.SetElem(1, 1, -0.0);  // a negative zero is a value of its own
  Log.Take();
  Table.Clear();
  EXPECT_EQ(Log.Take(), (Lines{"change"}));
}

TEST(DataTable, FillSetsEveryValueAndKeepsStates) {
  TDataTable Table(2, 2);
  Table.SetCellState(2, 2, dcsNotANumber);
  TEventLog Log(Table);
  Table.Fill(4.0);
  Table.Fill(4.0);
  EXPECT_EQ(Log.Take(), (Lines{"change"}));
  EXPECT_EQ(Table.GetElem(1, 2), 4.0);
  EXPECT_EQ(Table.GetCellState(2, 2), dcsNotANumber);
}

TEST(DataTable, AssignCopiesTheContentButNotTheHandlers) {
  TDataTable Source(3, 2);
  FillNumbered(Source);
  Source.SetCellState(3, 2, dcsMarkA);
  Source.SetMScaleType(1, mstNominal);
  Source.SetNominalID(1, 2, "two");
  Source.SetComment("source");
  int SourceEvents = 0;
  Source.SetOnChange([&](TObject*) { ++SourceEvents; });

  TDataTable Dest(1, 1);
  TEventLog Log(Dest);
  Dest.Assign(&Source);
  EXPECT_EQ(Log.Take(), (Lines{"resized 1x1->3x2", "setup", "change"}));
  EXPECT_EQ(Dest.GetElem(3, 2), 32.0);
  EXPECT_EQ(Dest.GetCellState(3, 2), dcsMarkA);
  EXPECT_EQ(Dest.GetRowName(2), "R2");
  EXPECT_EQ(Dest.GetNominalID(1, 2), "two");
  EXPECT_EQ(Dest.GetComment(), "source");

  Dest.SetElem(1, 1, 99.0);
  EXPECT_EQ(Source.GetElem(1, 1), 11.0);
  EXPECT_EQ(SourceEvents, 0);

  Dest.Assign(&Dest);
  EXPECT_EQ(Log.Take(), (Lines{"change"}));  // only the SetElem above
  TPersistent Stranger;
  EXPECT_THROW(Dest.Assign(&Stranger), EConvertError);
  EXPECT_EQ(Dest.GetElem(1, 1), 99.0);
}

TEST(DataTable, AHandlerMayReplaceItselfWhileItRuns) {
  TDataTable Table(1, 1);
  int First = 0, Second = 0;
  Table.SetOnChange([&](TObject* Sender) {
    ++First;
    EXPECT_EQ(Sender, &Table);
    Table.SetOnChange([&](TObject*) { ++Second; });
  });
  Table.SetElem(1, 1, 1.0);
  Table.SetElem(1, 1, 2.0);
  EXPECT_EQ(First, 1);
  EXPECT_EQ(Second, 1);
}

}  // namespace
}  // namespace gadrix
