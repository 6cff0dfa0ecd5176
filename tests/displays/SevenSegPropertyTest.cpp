#include <gtest/gtest.h>

#include "displays/SevenSegTestSupport.h"

namespace gadrix {
namespace {

using testing::LitSegments;
using testing::Snapshot;

// Counts the rebuilds of its glyph cache.
class TCountingSevenSeg : public TSevenSeg {
public:
  using TSevenSeg::TSevenSeg;
  int Rebuilds = 0;

protected:
  void CreateImageCache() override {
    ++Rebuilds;
    TSevenSeg::CreateImageCache();
  }
};

bool SamePixels(const TBitmap& A, const TBitmap& B) { return A.Pixels() == B.Pixels(); }

TEST(SevenSegProperties, TheConstructorSetsTheDefaults) {
  TForm form(nullptr);
  auto* display = new TSevenSeg(&form);
  EXPECT_EQ(display->GetWidth(), 216);
  EXPECT_EQ(display->GetHeight(), 76);
  EXPECT_EQ(display->GetCaption(), "8.8.8.8.");
  EXPECT_EQ(display->GetColorBackGnd(), 0x333333u);
  EXPECT_EQ(display->GetColorText(), 0x0000FFu);
  EXPECT_EQ(display->GetColorScheme(), 0);
  EXPECT_EQ(display->GetFrameStyle(), 2);
  EXPECT_EQ(display->GetMargin(), 8);
  EXPECT_EQ(display->GetInterDigDist(), 2);
  EXPECT_EQ(display->GetNumDigits(), 4);
  EXPECT_EQ(SevenSegCharList, "0123456789-+:\xC2\xB0" "ABCDEF.");
  EXPECT_TRUE(display->GetOnResize());
  // The class is known to form files by name, with its published defaults.
  const TClassInfo* info = FindClass("TSevenSeg");
  ASSERT_NE(info, nullptr);
  ASSERT_NE(info->FindProperty("InterDigDist"), nullptr);
  EXPECT_EQ(std::get<std::int64_t>(*info->FindProperty("InterDigDist")->Default), 2);
}

TEST(SevenSegProperties, OutOfRangeValuesAreClampedOrIgnored) {
  TForm form(nullptr);
  auto* display = new TSevenSeg(&form);
  display->SetNumDigits(0);
  EXPECT_EQ(display->GetNumDigits(), 4);
  display->SetNumDigits(33);
  EXPECT_EQ(display->GetNumDigits(), 4);
  display->SetNumDigits(32);
  EXPECT_EQ(display->GetNumDigits(), 32);
  display->SetNumDigits(1);
  EXPECT_EQ(display->GetNumDigits(), 1);

  display->SetInterDigDist(1000);
  EXPECT_EQ(display->GetInterDigDist(), 255);
  display->SetInterDigDist(-7);
  EXPECT_EQ(display->GetInterDigDist(), -7);

  display->SetMargin(100);  // Height 76: at most 37
  EXPECT_EQ(display->GetMargin(), 37);
  display->SetHeight(75);  // 75 div 2 - 1 = 36
  display->SetMargin(100);
  EXPECT_EQ(display->GetMargin(), 36);
  display->SetMargin(-3);
  EXPECT_EQ(display->GetMargin(), -3);
}

TEST(SevenSegProperties, TheColorSchemeSetsTheLineColours) {
  TForm form(nullptr);
  auto* display = new TSevenSeg(&form);
  EXPECT_EQ(display->GetGrayLineColor(), 0x808080u);
  EXPECT_EQ(display->GetWhiteLineColor(), 0xFFFFFFu);
  display->SetColorScheme(1);
  EXPECT_EQ(display->GetGrayLineColor(), 0xFF000010u);
  EXPECT_EQ(display->GetWhiteLineColor(), 0xFF000014u);
  EXPECT_EQ(display->GetBlackLineColor(), clBlack);
  display->SetColorScheme(0);
  EXPECT_EQ(display->GetGrayLineColor(), 0x808080u);
}

TEST(SevenSegProperties, TheCacheIsRebuiltForLayoutAndColoursButNotForTheCaption) {
  TForm form(nullptr);
  auto* display = new TCountingSevenSeg(&form);
  display->SetParent(&form);
  auto rebuildsAfter = [&](auto Change) {
    display->Rebuilds = 0;
    Change();
    return display->Rebuilds;
  };
  EXPECT_EQ(rebuildsAfter([&] { display->SetCaption("12:34"); }), 0);
  EXPECT_EQ(rebuildsAfter([&] { display->SetFrameStyle(1); }), 0);
  EXPECT_EQ(rebuildsAfter([&] { display->SetColorScheme(1); }), 0);
  EXPECT_EQ(rebuildsAfter([&] { display->SetColorText(clLime); }), 1);
  EXPECT_EQ(rebuildsAfter([&] { display->SetColorText(clLime); }), 0);
  EXPECT_EQ(rebuildsAfter([&] { display->SetColorBackGnd(clBlack); }), 1);
  EXPECT_EQ(rebuildsAfter([&] { display->SetMargin(4); }), 1);
  EXPECT_EQ(rebuildsAfter([&] { display->SetMargin(4); }), 0);
  EXPECT_EQ(rebuildsAfter([&] { display->SetInterDigDist(3); }), 1);
  EXPECT_EQ(rebuildsAfter([&] { display->SetInterDigDist(3); }), 0);
  EXPECT_EQ(rebuildsAfter([&] { display->SetNumDigits(6); }), 1);
  EXPECT_EQ(rebuildsAfter([&] { display->SetNumDigits(40); }), 0);
  EXPECT_EQ(rebuildsAfter([&] { display->SetWidth(300); }), 1);
  EXPECT_EQ(rebuildsAfter([&] { display->SetLeft(30); }), 0);  // moved, not resized
  // Painting an up-to-date display only copies cells.
  EXPECT_EQ(rebuildsAfter([&] { Snapshot(display); }), 0);
}

TEST(SevenSegProperties, AFormFileBuildsTheCacheOnceWhenLoaded) {
  TForm form(nullptr);
  auto* display = new TCountingSevenSeg(&form);
  display->BeginLoading();
  display->Rebuilds = 0;
  display->SetBounds(0, 0, 300, 90);
  display->SetNumDigits(6);
  display->SetColorText(clYellow);
  display->SetInterDigDist(4);
  EXPECT_EQ(display->Rebuilds, 0);
  display->Loaded();
  EXPECT_EQ(display->Rebuilds, 1);
  EXPECT_EQ(display->CellWidth(), (300 - 16) / 6 - 4);
}

TEST(SevenSegProperties, AssignCopiesTheSettingsAndKeepsBitmapsApart) {
  TForm form(nullptr);
  auto* source = new TSevenSeg(&form);
  source->SetParent(&form);
  source->SetColorBackGnd(clNavy);
  source->SetColorText(clYellow);
  source->SetNumDigits(5);
  source->SetCaption("-12.5");
  source->SetFrameStyle(3);
  source->SetColorScheme(2);
  source->SetMargin(5);
  source->SetInterDigDist(6);
  auto* target = new TSevenSeg(&form);
  target->SetParent(&form);
  target->Assign(source);
  EXPECT_EQ(target->GetColorBackGnd(), clNavy);
  EXPECT_EQ(target->GetColorText(), clYellow);
  EXPECT_EQ(target->GetNumDigits(), 5);
  EXPECT_EQ(target->GetCaption(), "-12.5");
  EXPECT_EQ(target->GetFrameStyle(), 3);
  EXPECT_EQ(target->GetColorScheme(), 2);
  EXPECT_EQ(target->GetGrayLineColor(), clBtnShadow);
  EXPECT_EQ(target->GetMargin(), 5);
  EXPECT_EQ(target->GetInterDigDist(), 6);
  const auto copied = Snapshot(target);
  EXPECT_TRUE(SamePixels(*copied, *Snapshot(source)));
  // Recolouring the source leaves the target's glyphs alone.
  source->SetColorText(clLime);
  EXPECT_TRUE(SamePixels(*copied, *Snapshot(target)));
  EXPECT_FALSE(SamePixels(*copied, *Snapshot(source)));
}

TEST(SevenSegProperties, AssignRefusesOtherClassesAndNeverLoops) {
  TForm form(nullptr);
  auto* display = new TSevenSeg(&form);
  auto* other = new TGraphicControl(&form);
  EXPECT_THROW(display->Assign(other), EConvertError);
  // A base-class target asks the display to copy itself, which it does only into a TSevenSeg.
  EXPECT_THROW(other->Assign(display), EConvertError);
  EXPECT_THROW(display->Assign(nullptr), EConvertError);
}

TEST(SevenSegProperties, ResizingWithoutTheHandlerKeepsTheOldCacheUntilPainted) {
  TForm form(nullptr);
  auto* display = new TCountingSevenSeg(&form);
  display->SetParent(&form);
  display->SetOnResize(nullptr);
  display->Rebuilds = 0;
  display->SetWidth(400);
  EXPECT_EQ(display->Rebuilds, 0);
  const auto picture = Snapshot(display);
  EXPECT_EQ(display->Rebuilds, 1);
  EXPECT_EQ(LitSegments(*display, *picture, 4), "1234567");
}

}  // namespace
}  // namespace gadrix
