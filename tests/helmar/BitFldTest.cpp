#include <gtest/gtest.h>

#include "gadrix/helmar/BitFld.h"
#include "gadrix/helmar/Types.h"

using namespace gadrix;

TEST(BitFld, SetsReadsAndCountsBitsAcrossWordBoundaries) {
  TBitFld bits;
  EXPECT_EQ(bits.GetSize(), 0);
  EXPECT_EQ(bits.FirstTrueBit(), -1);
  bits.SetSize(130);
  for (int ix : {129, 64, 63, 5}) bits.SetBit(ix, true);
  EXPECT_EQ(bits.CountTrueBits(), 4);
  EXPECT_EQ(bits.FirstTrueBit(), 5);
  EXPECT_TRUE(bits.GetBit(63));
  EXPECT_FALSE(bits.GetBit(62));
  bits.SetBit(5, false);
  EXPECT_EQ(bits.FirstTrueBit(), 63);
  bits.Clear();
  EXPECT_EQ(bits.GetSize(), 130);
  EXPECT_EQ(bits.CountTrueBits(), 0);
  EXPECT_EQ(bits.FirstTrueBit(), -1);
}

TEST(BitFld, OutOfRangeIndicesAreIgnoredAndReadFalse) {
  TBitFld bits;
  bits.SetSize(10);
  bits.SetBit(-1, true);
  bits.SetBit(10, true);
  EXPECT_EQ(bits.CountTrueBits(), 0);
  EXPECT_FALSE(bits.GetBit(-1));
  EXPECT_FALSE(bits.GetBit(10));
  bits.SetSize(-5);
  EXPECT_EQ(bits.GetSize(), 0);
}

TEST(BitFld, ResizingKeepsBitsBelowTheSizeAndForgetsTheRest) {
  TBitFld bits;
  bits.SetSize(100);
  bits.SetBit(3, true);
  bits.SetBit(70, true);
  bits.SetBit(99, true);
  bits.SetSize(71);
  EXPECT_EQ(bits.CountTrueBits(), 2);
  bits.SetSize(200);  // the cut-off bit 99 must not come back
  EXPECT_EQ(bits.CountTrueBits(), 2);
  EXPECT_FALSE(bits.GetBit(99));
  bits.SetSize(70);
  bits.SetSize(71);
  EXPECT_FALSE(bits.GetBit(70));
  EXPECT_TRUE(bits.GetBit(3));
}
