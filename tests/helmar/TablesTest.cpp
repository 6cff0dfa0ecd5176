#include <gtest/gtest.h>

#include <set>

#include "gadrix/helmar/Colors.h"
#include "gadrix/helmar/NameTables.h"
#include "gadrix/helmar/Types.h"
#include "gadrix/helmar/Utf8.h"

using namespace gadrix;

TEST(NameTables, EveryLanguageHasTwelveMonthsAndSevenDaysWithinTheirWidths) {
  for (TLanguage language = lgEnglish; language <= lgSpanish; ++language) {
    std::set<std::string> longNames;
    for (int month = 1; month <= 12; ++month) {
      EXPECT_GE(Utf8Length(MonthShort(language, month)), 3u);
      EXPECT_LE(Utf8Length(MonthShort(language, month)), 4u);
      EXPECT_LE(Utf8Length(MonthLong(language, month)), 10u);
      longNames.insert(MonthLong(language, month));
    }
    EXPECT_EQ(longNames.size(), 12u);
    std::set<std::string> days;
    for (int day = 0; day < 7; ++day) days.insert(WeekDayShort(language, day));
    EXPECT_EQ(days.size(), 7u);
  }
}

TEST(NameTables, IndexingStartsAtJanuaryAndMonday) {
  EXPECT_EQ(MonthShort(lgEnglish, 1), "Jan");
  EXPECT_EQ(MonthLong(lgGerman, 3), "März");
  EXPECT_EQ(MonthLong(lgSpanish, 9), "Septiembre");
  EXPECT_EQ(MonthShort(lgFrench, 2), "Févr");
  EXPECT_EQ(WeekDayShort(lgEnglish, 0), "Mo");
  EXPECT_EQ(WeekDayShort(lgGerman, 6), "So");
  EXPECT_EQ(WeekDayShort(lgFrench, 2), "Me");
}

TEST(NameTables, OutOfRangeArgumentsGiveEmptyNames) {
  EXPECT_EQ(MonthShort(0, 1), "");
  EXPECT_EQ(MonthLong(5, 1), "");
  EXPECT_EQ(MonthLong(lgEnglish, 0), "");
  EXPECT_EQ(MonthLong(lgEnglish, 13), "");
  EXPECT_EQ(WeekDayShort(lgEnglish, 7), "");
  EXPECT_EQ(WeekDayShort(lgEnglish, -1), "");
}

TEST(PredefinedColors, HoldsTheBasicExtendedAndSystemColours) {
  EXPECT_EQ(PredefinedColors.size(), 47u);
  EXPECT_EQ(PredefinedColors[0], 0x000000u);
  EXPECT_EQ(PredefinedColors[9], 0x0000FFu);   // red is 0x00BBGGRR
  EXPECT_EQ(PredefinedColors[12], 0xFF0000u);  // blue
  EXPECT_EQ(PredefinedColors[15], 0xFFFFFFu);
  std::set<std::uint32_t> extended(PredefinedColors.begin(), PredefinedColors.begin() + 20);
  EXPECT_EQ(extended.size(), 20u);
  for (int k = 0; k < 20; ++k) EXPECT_EQ(PredefinedColors[k] >> 24, 0u);
  for (int k = 20; k < 47; ++k) EXPECT_EQ(PredefinedColors[k], 0xFF000000u + (k - 20));
}

TEST(MeanColor, AveragesEachChannelRoundingDown) {
  static_assert(MeanColor(0x000000, 0xFFFFFF) == 0x7F7F7F);
  EXPECT_EQ(MeanColor(0x0000FF, 0xFF0000), 0x7F007Fu);
  EXPECT_EQ(MeanColor(0x102030, 0x102030), 0x102030u);
  EXPECT_EQ(MeanColor(0x010203, 0x030201), 0x020202u);
  // Only the RGB bytes take part; the result is always a plain colour.
  EXPECT_EQ(MeanColor(0xFF000010, 0x00000010), 0x000010u);
}

TEST(SmallTypes, DelimitersAndLogicOperators) {
  EXPECT_EQ(CSVDelimiterChar(csvComma), ',');
  EXPECT_EQ(CSVDelimiterChar(csvSemicolon), ';');
  EXPECT_EQ(CSVDelimiterChar(csvTab), '\t');
  EXPECT_EQ(CSVDelimiterChar(csvSpace), ' ');
  EXPECT_EQ(CSVDelimiterChar(200), ',');
  const bool cases[4][2] = {{false, false}, {false, true}, {true, false}, {true, true}};
  const bool expected[5][4] = {{false, false, false, true},
                               {false, true, true, true},
                               {false, true, true, false},
                               {false, false, true, false},
                               {true, false, true, true}};
  for (TLogicOp op = loAnd; op <= loOrNot; ++op) {
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(ApplyLogicOp(op, cases[k][0], cases[k][1]), expected[op][k]) << int(op) << k;
  }
}
