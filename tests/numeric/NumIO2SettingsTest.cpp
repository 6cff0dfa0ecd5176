// TNumIO2: defaults, limits of the settings, the value in every format, copying.

#include <cmath>

#include "gadrix/platform/core/ClassRegistry.h"
#include "numeric/NumIO2TestSupport.h"
#include "numeric/SystemSeparator.h"

namespace gadrix {
namespace {

using testing::NumIO2Test;

TEST_F(NumIO2Test, DefaultsAreThoseOfAFreshControl) {
  EXPECT_EQ(n->GetWidth(), 160);
  EXPECT_EQ(n->GetHeight(), 28);
  EXPECT_EQ(n->GetButHeight(), 28);
  EXPECT_EQ(n->GetButWidth(), 18);
  EXPECT_EQ(n->GetButSpace(), 3);
  EXPECT_EQ(n->GetButIncrem(), 1.0);
  EXPECT_FALSE(n->GetButVisible());
  EXPECT_TRUE(n->GetBut3D());
  EXPECT_EQ(n->GetInputFormat(), itFloat);
  EXPECT_EQ(n->GetDecPlaceSep(), dpsBoth);
  EXPECT_EQ(n->GetFixPointDecPlaces(), 2);
  EXPECT_EQ(n->GetSignificantDigits(), 6);
  EXPECT_EQ(n->GetRangeLow(), 0.0);
  EXPECT_EQ(n->GetRangeHigh(), 1000.0);
  EXPECT_EQ(n->GetColorWarnBG(), 0x6088FFF0u);
  EXPECT_EQ(n->GetColorOutBG(), clBtnFace);
  EXPECT_EQ(n->GetFrameStyle(), 2);
  EXPECT_EQ(n->GetAlignment(), taCenter);
  EXPECT_EQ(n->GetLeftTextAlignment(), taRightJustify);
  EXPECT_EQ(n->GetRightTextAlignment(), taLeftJustify);
  EXPECT_EQ(n->GetGaugeWidth(), 82);
  EXPECT_EQ(n->GetGaugeLeftMargin(), 35);
  EXPECT_TRUE(n->GetHideSelection());
  EXPECT_FALSE(n->GetTabStop());
  EXPECT_EQ(n->GetText(), "");
  EXPECT_EQ(n->GetValue(), 0.0);
  EXPECT_TRUE(n->ButtonPivots.empty());
  // Form files create it by name, and its published defaults are those above.
  std::unique_ptr<TComponent> made(CreateComponent("TNumIO2", nullptr));
  ASSERT_NE(dynamic_cast<TNumIO2*>(made.get()), nullptr);
  const TPropertyInfo* warn = TNumIO2::StaticClassInfo().FindProperty("ColorWarnBG");
  ASSERT_NE(warn, nullptr);
  EXPECT_EQ(std::get<std::int64_t>(*warn->Default), 0x6088FFF0);
}

TEST_F(NumIO2Test, SettingsAreLimitedInTheirOrder) {
  n->SetHeight(10);
  EXPECT_EQ(n->GetHeight(), 18);
  EXPECT_EQ(n->GetButHeight(), 18);  // follows the height down
  n->SetHeight(40);
  n->SetButHeight(10);
  EXPECT_EQ(n->GetButHeight(), 18);
  n->SetButHeight(99);
  EXPECT_EQ(n->GetButHeight(), 40);
  n->SetButWidth(5);
  EXPECT_EQ(n->GetButWidth(), 8);
  n->SetButWidth(51);
  EXPECT_EQ(n->GetButWidth(), 50);
  n->SetButSpace(-1);
  EXPECT_EQ(n->GetButSpace(), 0);
  n->SetHeight(28);
  n->SetGaugeHeight(20);  // at most 28 - 3 - 18
  EXPECT_EQ(n->GetGaugeHeight(), 7);
  n->SetGaugeTopMargin(-4);
  EXPECT_EQ(n->GetGaugeTopMargin(), 0);
  n->SetGaugeHeight(1);
  EXPECT_EQ(n->GetGaugeHeight(), 3);
  n->SetGaugeLeftMargin(200);  // at most 160 - 82
  EXPECT_EQ(n->GetGaugeLeftMargin(), 78);
  n->SetGaugeWidth(500);
  EXPECT_EQ(n->GetGaugeWidth(), 82);
  n->SetGaugeLeftMargin(0);
  n->SetGaugeWidth(4);
  EXPECT_EQ(n->GetGaugeWidth(), 10);
  n->SetLeftSpace(-3);
  EXPECT_EQ(n->GetLeftSpace(), 35);
  n->SetLeftSpace(500);
  EXPECT_EQ(n->GetLeftSpace(), 160);
  n->SetFixPointDecPlaces(0);
  EXPECT_EQ(n->GetFixPointDecPlaces(), 2);
  n->SetSignificantDigits(40);
  EXPECT_EQ(n->GetSignificantDigits(), 15);
  n->SetFrameStyle(9);
  EXPECT_EQ(n->GetFrameStyle(), 5);
  n->SetRangeLow(2000);  // above the high end: moves it along
  EXPECT_EQ(n->GetRangeHigh(), 2000.0);
  n->SetRangeHigh(-5);
  EXPECT_EQ(n->GetRangeLow(), -5.0);
  n->SetRangeLow(std::nan(""));
  EXPECT_EQ(n->GetRangeLow(), -5.0);
}

TEST_F(NumIO2Test, TheValueIsWrittenInTheFormatAndMovesWithIt) {
  n->SetValue(12.5);
  EXPECT_EQ(n->GetText(), "12.50");
  n->SetFixPointDecPlaces(3);
  EXPECT_EQ(n->GetText(), "12.500");
  n->SetInputFormat(itExp);
  EXPECT_EQ(n->GetText(), " 1.25000E+01");
  n->SetSignificantDigits(3);
  EXPECT_EQ(n->GetText(), " 1.25E+01");
  n->SetInputFormat(itHex);  // 12.5 rounds to the even 12
  EXPECT_EQ(n->GetText(), "0000000C");
  n->SetInputFormat(itOct);
  EXPECT_EQ(n->GetText(), "00000000014");
  n->SetInputFormat(itDynamic);
  EXPECT_EQ(n->GetText(), "12");
  n->SetValue(-7.5);
  n->SetInputFormat(itBin);
  EXPECT_EQ(n->GetText(), std::string(29, '1') + "000");
  EXPECT_EQ(n->GetIntegerValue(), -8);
}

TEST_F(NumIO2Test, TextIsTakenOnlyWhenValidAndPutsCaretAndSelectionToTheStart) {
  n->SetText("12.5");
  n->SetSelBegin(1);
  n->SetSelEnd(3);
  n->SetText("7.25");
  EXPECT_EQ(n->GetText(), "7.25");
  EXPECT_EQ(n->GetSelBegin(), 0);
  EXPECT_EQ(n->GetSelEnd(), 0);
  n->SetText("1e3");  // no exponent in itFloat
  EXPECT_EQ(n->GetText(), "7.25");
  n->SetText("");
  EXPECT_EQ(n->GetText(), "");
}

TEST_F(NumIO2Test, SelectionSettersLimitAndKeepTheOrder) {
  n->SetText("12345");
  n->SetSelEnd(9);
  EXPECT_EQ(n->GetSelEnd(), 5);
  n->SetSelBegin(3);
  EXPECT_EQ(n->GetSelEnd(), 5);
  n->SetSelEnd(1);  // lowers the start with it
  EXPECT_EQ(n->GetSelBegin(), 1);
  n->SetSelBegin(4);  // raises the end with it
  EXPECT_EQ(n->GetSelEnd(), 4);
  n->SetSelBegin(-2);
  EXPECT_EQ(n->GetSelBegin(), 0);
}

TEST_F(NumIO2Test, ChangingTheSeparatorConvertsTheText) {
  n->SetText("1,5");
  n->SetDecPlaceSep(dpsPoint);
  EXPECT_EQ(n->GetText(), "1.5");
  n->SetDecPlaceSep(dpsComma);
  EXPECT_EQ(n->GetText(), "1,5");
  EXPECT_EQ(n->GetValue(), 1.5);
}

TEST_F(NumIO2Test, IntegerValueRoundsAndReportsOverflowWithTheName) {
  n->SetInputFormat(itExp);
  n->SetText("2.5");
  EXPECT_EQ(n->GetIntegerValue(), 2);
  n->SetText("3E9");
  try {
    (void)n->GetIntegerValue();
    FAIL() << "no overflow";
  } catch (const EZorvNumIO2Error& e) {
    EXPECT_STREQ(e.what(), "Component \"Num\": integer overflow");
  }
  EXPECT_TRUE(n->OutOfRange());
  n->SetText("-0.5");
  EXPECT_TRUE(n->OutOfRange());
  n->SetText("1000");
  EXPECT_FALSE(n->OutOfRange());
}

// Whatever value the control writes must read back as that value and stay editable, in every
// format and separator mode: a comma written where only the point is a separator, or the other
// way round, would leave a text that the control's own check refuses.
TEST_F(NumIO2Test, EveryWrittenValueReadsBackAndCanBeEditedInEveryFormatAndSeparatorMode) {
  n->SetBeep(true);
  for (char system : {'.', ','}) {
    SystemSeparator separator(system);
    for (TDecPSep sep : {dpsSystem, dpsPoint, dpsComma, dpsBoth}) {
      for (int f = itExp; f <= itDynamic; ++f) {
        const auto format = static_cast<TInFormat>(f);
        SCOPED_TRACE(::testing::Message() << "system '" << system << "' sep " << int(sep) << " format " << f);
        n->SetDecPlaceSep(sep);
        n->SetInputFormat(format);
        n->SetValue(37.25);
        const std::string written = n->GetText();
        EXPECT_TRUE(n->CheckValidity(written)) << written;
        const bool whole = format >= itInt;
        EXPECT_EQ(n->GetValue(), whole ? 37.0 : 37.25) << written;
        // Replace the last character by "1", then put it back.
        const int beeps = sim::BeepCount();
        const int last = static_cast<int>(written.size()) - 1;
        n->SetSelBegin(last);
        n->SetSelEnd(last + 1);
        Type("1");
        EXPECT_EQ(n->GetText(), written.substr(0, last) + "1");
        n->SetSelBegin(last);
        n->SetSelEnd(last + 1);
        Type(std::string(1, written.back()));
        EXPECT_EQ(n->GetText(), written);
        EXPECT_EQ(sim::BeepCount(), beeps);
      }
    }
  }
}

TEST_F(NumIO2Test, AssignCopiesTheTextAndLookButNotButtonsOrGauge) {
  auto* other = new TNumIO2(form.get());
  other->SetInputFormat(itFixPoint);
  other->SetFixPointDecPlaces(3);
  other->SetValue(2.5);
  other->SetLeftText("x =");
  other->SetColorScheme(1);
  other->SetRangeHigh(2);
  other->SetButVisible(true);
  other->SetGaugeVisible(true);
  n->Assign(other);
  EXPECT_EQ(n->GetText(), "2.500");
  EXPECT_EQ(n->GetInputFormat(), itFixPoint);
  EXPECT_EQ(n->GetLeftText(), "x =");
  EXPECT_EQ(n->GetColorScheme(), 1);
  EXPECT_TRUE(n->OutOfRange());
  EXPECT_FALSE(n->GetButVisible());
  EXPECT_FALSE(n->GetGaugeVisible());
  TBitmap bitmap;
  EXPECT_THROW(n->Assign(&bitmap), EConvertError);
  EXPECT_THROW(bitmap.Assign(n), EConvertError);
}

TEST_F(NumIO2Test, AutoSizeFitsTheHeightToTheFont) {
  TBitmap probe;
  probe.GetCanvas()->GetFont()->Assign(n->GetFont());
  n->GetFont()->SetSize(20);
  n->SetAutoSize(true);
  probe.GetCanvas()->GetFont()->SetSize(20);
  EXPECT_EQ(n->GetHeight(), probe.GetCanvas()->TextHeight("E0") + 6);
  n->GetFont()->SetSize(6);
  EXPECT_EQ(n->GetHeight(), 18);  // never below the least height
}

TEST(NumIO2, NoTimerAvailableIsReportedWithTheName) {
  TForm form(nullptr);
  form.Show();
  {
    testing::NoTimers none;
    EXPECT_THROW(new TNumIO2(&form), EZorvNumIO2Error);
  }
  auto* n = new TNumIO2(&form);
  n->SetName("Field");
  n->SetParent(&form);
  n->SetReadOnly(true);
  testing::NoTimers none;
  try {
    n->SetReadOnly(false);
    FAIL() << "no error";
  } catch (const EZorvNumIO2Error& e) {
    EXPECT_STREQ(e.what(), "Component \"Field\": no timer available");
  }
  EXPECT_THROW(n->SetFocus(), EZorvNumIO2Error);
}

}  // namespace
}  // namespace gadrix
