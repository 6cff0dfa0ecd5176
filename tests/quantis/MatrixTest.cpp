#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "gadrix/quantis/IntMatrix.h"
#include "gadrix/quantis/Matrix.h"
#include "gadrix/quantis/NumUtils.h"

namespace gadrix {
namespace {

TEST(Matrix, ResizeKeepsValuesAndFillSetsEveryCell) {
  TMatrix M(2, 3);
  EXPECT_EQ(M.GetNCols(), 2);
  EXPECT_EQ(M.GetNRows(), 3);
  M.SetElem(2, 3, 1.5);
  M.Resize(4, 4);
  EXPECT_EQ(M.GetElem(2, 3), 1.5);
  EXPECT_EQ(M.GetElem(4, 4), 0.0);
  M.Fill(-2.0);
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(M.GetElem(c, r), -2.0);
  M.SetElem(0, 1, 9.0);
  M.SetElem(5, 1, 9.0);
  EXPECT_EQ(M.GetElem(0, 1), 0.0);
  EXPECT_EQ(M.GetElem(5, 1), 0.0);
  EXPECT_THROW(M.Resize(INT_MAX, INT_MAX), EZorvError);
  EXPECT_THROW(M.Resize(-1, 0), EZorvError);
  EXPECT_EQ(M.GetNCols(), 4);
  EXPECT_EQ(TMatrix().GetNRows(), 0);
}

// The use of a holiday list: three columns (day, month, year), one row per holiday, grown one
// row at a time and emptied again.
TEST(IntMatrix, GrowsAndShrinksByRowsKeepingTheRowsBefore) {
  TIntMatrix List(3, 0);
  const int Holidays[][3] = {{1, 1, -99999}, {25, 12, -99999}, {3, 10, 1990}};
  for (const auto& Day : Holidays) {
    List.SetNRows(List.GetNRows() + 1);
    for (int c = 1; c <= 3; ++c) List.SetVal(c, List.GetNRows(), Day[c - 1]);
  }
  EXPECT_EQ(List.GetNRows(), 3);
  EXPECT_EQ(List.GetNCols(), 3);
  EXPECT_EQ(List.GetVal(1, 2), 25);
  EXPECT_EQ(List.GetVal(3, 1), -99999);
  EXPECT_EQ(List.GetVal(3, 3), 1990);
  EXPECT_EQ(List.GetVal(4, 1), 0);
  EXPECT_EQ(List.GetVal(1, 4), 0);
  List.SetVal(1, 4, 7);
  List.SetVal(0, 0, 7);

  List.SetNRows(1);
  EXPECT_EQ(List.GetVal(2, 1), 1);
  EXPECT_EQ(List.GetVal(1, 2), 0);
  List.SetNRows(0);
  EXPECT_EQ(List.GetNRows(), 0);
  EXPECT_EQ(List.GetVal(1, 1), 0);

  List.Resize(2, 2);
  List.SetVal(2, 2, 5);
  EXPECT_EQ(List.GetVal(2, 2), 5);
  EXPECT_THROW(List.SetNRows(-1), EZorvDStructError);
  EXPECT_THROW(List.Resize(INT_MAX, INT_MAX), EZorvDStructError);
  EXPECT_EQ(List.GetNRows(), 2);
}

TEST(NumUtils, IsValidDecIntAcceptsOnlyWholeDecimalNumbersThatFitAnInt) {
  for (const char* Valid : {"0", "7", "-12", "+12", "  42 ", "\t-3", "007", "2147483647",
                            "-2147483648"})
    EXPECT_TRUE(IsValidDecInt(Valid)) << Valid;
  for (const char* Invalid : {"", " ", "-", "+", "1.0", "1,0", "1e3", "0x1F", "12a", "a12",
                              "1 2", "--1", "+-1", "2147483648", "-2147483649",
                              "99999999999999999999999"})
    EXPECT_FALSE(IsValidDecInt(Invalid)) << Invalid;

  int Value = 99;
  EXPECT_TRUE(IsValidDecInt(" -2147483648", Value));
  EXPECT_EQ(Value, INT_MIN);
  EXPECT_TRUE(IsValidDecInt("+15", Value));
  EXPECT_EQ(Value, 15);
  EXPECT_FALSE(IsValidDecInt("15x", Value));
  EXPECT_EQ(Value, 15);
}

TEST(NumUtils, IntNegIsTheIntegerNotAboveX) {
  EXPECT_EQ(IntNeg(2.7), 2);
  EXPECT_EQ(IntNeg(2.0), 2);
  EXPECT_EQ(IntNeg(0.0), 0);
  EXPECT_EQ(IntNeg(-0.0), 0);
  EXPECT_EQ(IntNeg(-0.1), -1);
  EXPECT_EQ(IntNeg(-3.0), -3);
  EXPECT_EQ(IntNeg(-2.1), -3);
  EXPECT_EQ(IntNeg(std::log10(0.999999999 * 0.05)), -2);
  EXPECT_EQ(IntNeg(1e300), INT_MAX);
  EXPECT_EQ(IntNeg(-std::numeric_limits<double>::infinity()), INT_MIN);
  EXPECT_EQ(IntNeg(std::nan("")), 0);
}

}  // namespace
}  // namespace gadrix
