// Construction, size, clearing and the published properties of the report data store.

#include <gtest/gtest.h>

#include "gadrix/platform/core/Properties.h"
#include "gadrix/replist/replist.h"
#include "replist/RLDataTestSupport.h"

using namespace gadrix;
using namespace gadrix::test;

TEST(RLDataSize, NewStoreHasOneColumnNamedC1NoRowsAndTheDefaultHeader) {
  TRLData store(nullptr);
  EXPECT_EQ(store.GetNrOfColumns(), 1);
  EXPECT_EQ(store.GetNrOfRows(), 0);
  EXPECT_EQ(store.GetColName(1), "C-1");
  EXPECT_EQ(store.GetColumnFormat(1), "");
  EXPECT_EQ(store.GetColCheckMode(1), cmNone);
  EXPECT_EQ(store.GetCommonHeader(), "Zorv Report Listview");
  EXPECT_EQ(store.GetComment(), "");
  EXPECT_EQ(store.GetDataID(), "");
  EXPECT_EQ(store.GetLastSortColumn(), -1);
  EXPECT_EQ(store.GetSortColumnSec(), -1);
  EXPECT_TRUE(store.GetLastSortOrder());
  EXPECT_TRUE(store.GetSortToggle());
  EXPECT_EQ(store.GetFeedbkNumCells(), 1);
  EXPECT_EQ(store.GetFeedbkStep(), 1);
  // The cell table: columns 0..1, one empty physical row, growing by 10 rows.
  EXPECT_EQ(store.GetStrings()->GetNrOfColumns(), 1);
  EXPECT_EQ(store.GetStrings()->GetNrOfRows(), 1);
  EXPECT_EQ(store.GetStrings()->GetAllocRowsBy(), 10);
}

TEST(RLDataSize, OwnedStoreGoesWithItsOwner) {
  TComponent owner(nullptr);
  auto* store = new TRLData(&owner);
  store->SetName("RLData1");
  EXPECT_EQ(owner.FindComponent("RLData1"), store);
}

TEST(RLDataSize, CountsAreClampedAndNewColumnsAreNamedByNumber) {
  TRLData store;
  store.SetNrRows(-5);
  EXPECT_EQ(store.GetNrOfRows(), 0);
  store.SetNrCols(0);
  EXPECT_EQ(store.GetNrOfColumns(), 1);
  store.SetNrCols(2);
  store.SetColName(1, "Name");
  store.SetColName(2, "Price");
  store.SetColumnFormat(2, "[f]");
  store.SetColCheckMode(2, cmBox);
  store.SetNrCols(4);
  EXPECT_EQ(store.GetColName(1), "Name");
  EXPECT_EQ(store.GetColName(2), "Price");
  EXPECT_EQ(store.GetColName(3), "C-3");
  EXPECT_EQ(store.GetColName(4), "C-4");
  EXPECT_EQ(store.GetColumnFormat(2), "[f]");
  EXPECT_EQ(store.GetColCheckMode(2), cmBox);
  EXPECT_EQ(store.GetColCheckMode(4), cmNone);
  // Cutting drops the columns' settings; growing again starts them afresh.
  store.SetNrCols(1);
  store.SetNrCols(2);
  EXPECT_EQ(store.GetColName(2), "C-2");
  EXPECT_EQ(store.GetColCheckMode(2), cmNone);
}

TEST(RLDataSize, CellsSurviveResizingWithinTheirRange) {
  TRLData store;
  store.SetNrCols(3);
  PutColumn(store, 3, {"a", "b", "c"});
  store.SetElem(0, 2, "zero");
  store.SetNrRows(2);
  store.SetNrCols(4);
  EXPECT_EQ(ElemColumn(store, 3), (Texts{"a", "b"}));
  EXPECT_EQ(store.GetElem(0, 2), "zero");
  store.SetNrRows(3);
  EXPECT_EQ(store.GetElem(3, 3), "");
}

TEST(RLDataSize, TableKeepsOnePhysicalRowExceptAfterSetNrRowsZero) {
  TRLData store;
  store.SetNrRows(0);
  EXPECT_EQ(store.GetStrings()->GetNrOfRows(), 0);
  store.SetNrCols(3);
  EXPECT_EQ(store.GetStrings()->GetNrOfRows(), 1);
  EXPECT_EQ(store.GetStrings()->GetNrOfColumns(), 3);
  store.SetNrRows(7);
  EXPECT_EQ(store.GetStrings()->GetNrOfRows(), 7);
}

TEST(RLDataSize, ProgressCountFollowsEveryResize) {
  TRLData store;
  store.SetNrCols(4);
  EXPECT_EQ(store.GetFeedbkNumCells(), 1);  // no rows yet
  store.SetNrRows(1000);
  EXPECT_EQ(store.GetFeedbkNumCells(), 5000);
  EXPECT_EQ(store.GetFeedbkStep(), 51);
  store.SetNrCols(1);
  EXPECT_EQ(store.GetFeedbkNumCells(), 2000);
  EXPECT_EQ(store.GetFeedbkStep(), 21);
  store.SetNrRows(0);
  EXPECT_EQ(store.GetFeedbkNumCells(), 1);
  EXPECT_EQ(store.GetFeedbkStep(), 1);
}

TEST(RLDataSize, ATableThatCannotGrowLeavesTheCountsAndRaisesAnInstanceError) {
  TRLData store;
  store.SetName("Store1");
  store.SetNrCols(3);
  store.SetNrRows(2);
  store.SetElem(3, 2, "kept");
  try {
    store.SetNrCols(TStringArray::kMaxColumns + 1);
    FAIL() << "no error";
  } catch (const EZorvRLDataError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Component \"Store1\": ", 0), 0u) << e.what();
  }
  EXPECT_EQ(store.GetNrOfColumns(), 3);
  EXPECT_EQ(store.GetColName(3), "C-3");
  EXPECT_THROW(store.SetNrRows(TStringArray::kMaxRows + 1), EZorvError);
  EXPECT_EQ(store.GetNrOfRows(), 2);
  EXPECT_EQ(store.GetElem(3, 2), "kept");
}

TEST(RLDataSize, ClearEmptiesCellsAndResetsColumnsButKeepsEverythingElse) {
  TRLData store;
  store.SetNrCols(2);
  PutColumn(store, 2, {"x", "y"});
  store.SetElem(0, 1, "hidden");
  store.SetColName(1, "Name");
  store.SetColumnFormat(1, "[s]");
  store.SetColCheckMode(2, cmRadio);
  store.GetStrings()->SetRowAttrib(2, kAttribSelected);
  store.SetComment("note");
  store.SetDataID("sales");
  store.SetCommonHeader("Top");
  store.Clear();
  EXPECT_EQ(store.GetNrOfColumns(), 2);
  EXPECT_EQ(store.GetNrOfRows(), 2);
  EXPECT_EQ(StoredColumn(store, 2), (Texts{"", ""}));
  EXPECT_EQ(store.GetElem(0, 1), "");
  EXPECT_EQ(store.GetColName(1), "C-1");
  EXPECT_EQ(store.GetColumnFormat(1), "");
  EXPECT_EQ(store.GetColCheckMode(2), cmNone);
  EXPECT_EQ(store.GetStrings()->GetRowAttrib(2), kAttribSelected);
  EXPECT_EQ(store.GetComment(), "note");
  EXPECT_EQ(store.GetDataID(), "sales");
  EXPECT_EQ(store.GetCommonHeader(), "Top");
}

TEST(RLDataSize, PublishesItsCountsAndCommonHeaderWithTheirDefaults) {
  const TClassInfo& info = TRLData::StaticClassInfo();
  EXPECT_TRUE(info.InheritsFrom(TComponent::StaticClassInfo()));
  TRLData store;
  const TPropertyInfo* cols = info.FindProperty("NrOfColumns");
  const TPropertyInfo* rows = info.FindProperty("NrOfRows");
  const TPropertyInfo* header = info.FindProperty("CommonHeader");
  ASSERT_TRUE(cols && rows && header);
  EXPECT_EQ(std::get<std::int64_t>(*cols->Default), 1);
  EXPECT_EQ(std::get<std::int64_t>(*rows->Default), 0);
  EXPECT_EQ(std::get<std::string>(*header->Default), "Zorv Report Listview");
  cols->Set(store, std::int64_t{3});
  rows->Set(store, std::int64_t{4});
  header->Set(store, std::string("Line 1\nLine 2"));
  EXPECT_EQ(store.GetNrOfColumns(), 3);
  EXPECT_EQ(store.GetNrOfRows(), 4);
  EXPECT_EQ(std::get<std::string>(header->Get(store)), "Line 1\nLine 2");
}
