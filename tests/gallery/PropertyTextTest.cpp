#include <gtest/gtest.h>

#include "PropertyText.h"
#include "Swatch.h"
#include "gadrix/platform/core/Exception.h"

namespace gallery {
namespace {

using namespace gadrix;

const TPropertyInfo& Property(const TPersistent& Object, const std::string& Name) {
  const TPropertyInfo* info = Object.ClassInfo().FindProperty(Name);
  if (info == nullptr) throw std::logic_error("no property " + Name);
  return *info;
}

TEST(PropertyText, ValuesAsTheInspectorShowsThem) {
  TSwatch swatch(nullptr);
  swatch.SetName("Patch");
  swatch.SetLeft(-12);
  swatch.SetColor(clRed);
  EXPECT_EQ(PropertyValueText(Property(swatch, "Name"), swatch), "Patch");
  EXPECT_EQ(PropertyValueText(Property(swatch, "Left"), swatch), "-12");
  EXPECT_EQ(PropertyValueText(Property(swatch, "Visible"), swatch), "True");
  EXPECT_EQ(PropertyValueText(Property(swatch, "Color"), swatch), "clRed");
  swatch.SetColor(RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(PropertyValueText(Property(swatch, "Color"), swatch), "$00563412");
  EXPECT_EQ(PropertyValueText(Property(swatch, "Shape"), swatch), "wsRoundRect");
  EXPECT_EQ(PropertyValueText(Property(swatch, "Font"), swatch), "(TFont)");
  EXPECT_EQ(PropertyValueText(Property(swatch, "PopupMenu"), swatch), "(none)");
  swatch.GetFont()->SetStyle(fsBold | fsUnderline);
  EXPECT_EQ(PropertyValueText(Property(*swatch.GetFont(), "Style"), *swatch.GetFont()), "[fsBold,fsUnderline]");
  swatch.GetFont()->SetStyle(0);
  EXPECT_EQ(PropertyValueText(Property(*swatch.GetFont(), "Style"), *swatch.GetFont()), "[]");
}

TEST(PropertyText, IntegersTakeASignAndBlanksAndNothingElse) {
  TSwatch swatch(nullptr);
  const TPropertyInfo& left = Property(swatch, "Left");
  EXPECT_EQ(std::get<std::int64_t>(ParsePropertyValue(left, "42")), 42);
  EXPECT_EQ(std::get<std::int64_t>(ParsePropertyValue(left, " -7 ")), -7);
  EXPECT_EQ(std::get<std::int64_t>(ParsePropertyValue(left, "+5")), 5);
  EXPECT_EQ(std::get<std::int64_t>(ParsePropertyValue(left, "-2147483648")), -2147483648LL);
  for (const char* bad : {"", " ", "4x", "x4", "1.5", "+", "-", "+-3", "2147483648", "99999999999999999999", "1 2"})
    EXPECT_THROW(ParsePropertyValue(left, bad), EConvertError) << bad;
  try {
    ParsePropertyValue(left, "4x");
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'4x' is not a valid integer value");
  }
}

TEST(PropertyText, ColoursTakeNamesAndHexadecimal) {
  TSwatch swatch(nullptr);
  const TPropertyInfo& color = Property(swatch, "Color");
  EXPECT_EQ(std::get<std::int64_t>(ParsePropertyValue(color, "clRed")), clRed);
  EXPECT_EQ(std::get<std::int64_t>(ParsePropertyValue(color, " $00FF8000 ")), 0x00FF8000);
  EXPECT_EQ(std::get<std::int64_t>(ParsePropertyValue(color, "clBtnFace")), static_cast<std::int64_t>(clBtnFace));
  EXPECT_THROW(ParsePropertyValue(color, "reddish"), EConvertError);
}

TEST(PropertyText, StringsAreTakenAsTyped) {
  TSwatch swatch(nullptr);
  SetPropertyText(Property(swatch, "Caption"), swatch, "  spaced \xC3\xA9 ");
  EXPECT_EQ(swatch.GetCaption(), "  spaced \xC3\xA9 ");
}

TEST(PropertyText, SettingFromTextLeavesTheValueAloneWhenTheTextIsBad) {
  TSwatch swatch(nullptr);
  swatch.SetLeft(3);
  const TPropertyInfo& left = Property(swatch, "Left");
  SetPropertyText(left, swatch, "120");
  EXPECT_EQ(swatch.GetLeft(), 120);
  EXPECT_THROW(SetPropertyText(left, swatch, "12o"), EConvertError);
  EXPECT_EQ(swatch.GetLeft(), 120);
  // Booleans and enumerations are not typed: they are clicked through.
  EXPECT_THROW(SetPropertyText(Property(swatch, "Visible"), swatch, "False"), EConvertError);
  EXPECT_TRUE(swatch.GetVisible());
}

TEST(PropertyText, BooleansAndEnumerationsCycleAndWrap) {
  TSwatch swatch(nullptr);
  const TPropertyInfo& visible = Property(swatch, "Visible");
  const TPropertyInfo& shape = Property(swatch, "Shape");
  EXPECT_TRUE(IsCycled(visible));
  EXPECT_TRUE(IsCycled(shape));
  EXPECT_FALSE(IsCycled(Property(swatch, "Left")));
  EXPECT_TRUE(IsTyped(Property(swatch, "Left")));
  EXPECT_FALSE(IsTyped(shape));
  CyclePropertyValue(visible, swatch);
  EXPECT_FALSE(swatch.GetVisible());
  CyclePropertyValue(visible, swatch);
  EXPECT_TRUE(swatch.GetVisible());
  CyclePropertyValue(shape, swatch);
  EXPECT_EQ(swatch.GetShape(), wsEllipse);
  CyclePropertyValue(shape, swatch);
  EXPECT_EQ(swatch.GetShape(), wsRectangle);
}

TEST(PropertyText, SetBitsTurnOverOneByOne) {
  TFont font;
  const TPropertyInfo& style = Property(font, "Style");
  EXPECT_FALSE(SetBitOf(style, font, 0));
  ToggleSetBit(style, font, 0);
  ToggleSetBit(style, font, 3);
  EXPECT_EQ(font.GetStyle(), fsBold | fsStrikeOut);
  EXPECT_TRUE(SetBitOf(style, font, 3));
  ToggleSetBit(style, font, 0);
  EXPECT_EQ(font.GetStyle(), fsStrikeOut);
}

}  // namespace
}  // namespace gallery
