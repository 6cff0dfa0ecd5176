#include "DisplaysPage.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <string>

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kFirstTop = TGalleryPage::Margin + TGalleryPage::CaptionGap;
constexpr int kLabelWidth = 330;
constexpr int kLabelHeight = 28;
constexpr int kLabelPitch = 38;
constexpr int kDisplayLeft = 370;
constexpr int kDisplayWidth = 306;
constexpr int kDisplayHeight = 80;
constexpr int kDisplayPitch = 120;
constexpr int kCounterCells = 6;
// The row of displays along the bottom.
constexpr int kShelfTop = 440;
constexpr int kShelfHeight = 80;
constexpr int kShelfGap = 20;
constexpr int kCounterWrap = 1000000;  // tenths: the counter starts again after 99999.9
// The clock ticks this long after each full second, so that a late timer still shows the
// second that just began.
constexpr int kClockLag = 20;
// The signal: a sine of this mean, amplitude and period (in steps of the signal timer).
constexpr double kSignalMean = 230.0;
constexpr double kSignalAmplitude = 6.5;
constexpr int kSignalPeriod = 40;
constexpr double kPi = 3.14159265358979323846;

struct TFormatSample {
  const char* Name;
  TDisplay Display;
  double Value;
  int Precision;
  const char* Note;
};

const TFormatSample kSamples[] = {
    {"dtFloat", dtFloat, 1234.5678, 6, "of 1234.5678"},  {"dtExp", dtExp, 0.000123456, 3, "of 0.000123456"},
    {"dtEEng", dtEEng, 0.0047, 2, "farad"},              {"dtHex", dtHex, 48879, 4, "of 48879"},
    {"dtBin", dtBin, 37, 8, "of 37"},                    {"dtDegMinSec", dtDegMinSec, 48.858222, 1, "of 48.858222"},
    {"dtDateTime", dtDateTime, 45356.75, 2, "a date"},   {"dtState", dtState, 0, 2, "StateText"},
};

// The local time of day and date, to the millisecond.
TDateTime LocalNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const int millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), millisecond);
}

// Tenths of a second as the counter shows them, right-aligned in its cells: "   12.3".
std::string CounterText(int Tenths) {
  std::string text = std::to_string(Tenths / 10) + "." + std::to_string(Tenths % 10);
  const int cells = static_cast<int>(text.size()) - 1;  // the point lights the cell before it
  return std::string(static_cast<std::size_t>(std::max(kCounterCells - cells, 0)), ' ') + text;
}

}  // namespace

TDisplaysPage::TDisplaysPage(TComponent* AOwner)
    : TGalleryPage(AOwner),
      clockTimer_(new TTimer(this)),
      counterTimer_(new TTimer(this)),
      signalTimer_(new TTimer(this)),
      clockSource_(LocalNow) {
  SetName("DisplaysPage");
  AddLabels();
  AddDisplays();
  clockTimer_->SetOnTimer([this](TObject*) { ShowTime(); });
  counterTimer_->SetInterval(CounterInterval);
  counterTimer_->SetOnTimer([this](TObject*) {
    tenths_ = (tenths_ + 1) % kCounterWrap;
    ShowCount();
  });
  signalTimer_->SetInterval(SignalInterval);
  signalTimer_->SetOnTimer([this](TObject*) {
    signalStep_ = (signalStep_ + 1) % kSignalPeriod;
    MoveSignal();
  });
  ShowTime();
  ShowCount();
  MoveSignal();
  UpdateTimers();
}

void TDisplaysPage::AddLabels() {
  AddNote({Margin, Margin}, "TNumLab: one number, many formats", {});
  const auto addLabel = [this](const char* Name, int Row) {
    auto* label = AddExhibit<TNumLab>(Name, Bounds(Margin, kFirstTop + Row * kLabelPitch, kLabelWidth, kLabelHeight));
    label->SetLeftSpace(100);
    label->SetLabelWidth(130);
    return label;
  };
  signal_ = addLabel("Signal", 0);
  signal_->SetPrecision(3);
  signal_->SetLeftText("live, a timer");
  signal_->SetRightText("volts");
  signal_->SetColorLabBakG(RGB(16, 24, 16));
  signal_->SetColorLabText(RGB(90, 255, 120));
  signal_->SetFrameStyle(4);

  int row = 1;
  for (const TFormatSample& s : kSamples) {
    TNumLab* label = addLabel(s.Name, row++);
    label->SetDisplayType(s.Display);
    label->SetPrecision(s.Precision);
    label->SetValue(s.Value);
    label->SetLeftText(s.Name);
    label->SetRightText(s.Note);
    if (s.Display == dtDateTime) label->SetDTFormat("mmm-dd, yyyy hh:nn");
    if (s.Display == dtState) label->SetStateText("valve open");
  }
}

void TDisplaysPage::AddDisplays() {
  clock_ = AddExhibit<TSevenSeg>("Clock", Bounds(kDisplayLeft, kFirstTop, kDisplayWidth, kDisplayHeight),
                                 "TSevenSeg: a live clock");
  clock_->SetNumDigits(8);
  clock_->SetColorText(RGB(60, 255, 90));
  clock_->SetColorBackGnd(RGB(8, 20, 10));

  counter_ = AddExhibit<TSevenSeg>(
      "Counter", Bounds(kDisplayLeft, kFirstTop + kDisplayPitch, kDisplayWidth, kDisplayHeight),
      "Counting tenths of a second");
  counter_->SetNumDigits(kCounterCells);
  counter_->SetColorText(RGB(255, 176, 0));
  counter_->SetColorBackGnd(RGB(24, 16, 8));
  counter_->SetOnClick([this](TObject*) { SetCounting(!counting_); });

  AddNote({kDisplayLeft, kFirstTop + 2 * kDisplayPitch - CaptionGap}, "About",
          {"Timers write the captions of the clock and the", "counter: each character takes a cell, a point",
           "lights the cell before it. Click the counter to", "stop it, and again to let it go on."});

  // A row of fixed captions in other looks.
  struct TLook {
    const char* Name;
    const char* Caption;
    int Digits, Width;
    TColor Text, Ground;
    TFrameStyle Frame;
    const char* Title;
  };
  const TLook looks[] = {
      {"Temperature", "-12.5\xC2\xB0" "C", 6, 200, RGB(34, 44, 34), RGB(150, 172, 122), 3, "LCD look, raised frame"},
      {"Hex", "C0FFEE", 6, 200, RGB(0, 220, 255), RGB(8, 16, 32), 2, "Letters A to F"},
      {"Reading", "+3.14", 4, 220, RGB(255, 60, 40), RGB(40, 16, 16), 5, "Signs and points"},
  };
  int left = Margin;
  for (const TLook& look : looks) {
    auto* display = AddExhibit<TSevenSeg>(look.Name, Bounds(left, kShelfTop, look.Width, kShelfHeight), look.Title);
    display->SetNumDigits(look.Digits);
    display->SetColorText(look.Text);
    display->SetColorBackGnd(look.Ground);
    display->SetFrameStyle(look.Frame);
    display->SetCaption(look.Caption);
    left += look.Width + kShelfGap;
  }
}

void TDisplaysPage::SetClockSource(TClockSource Value) {
  clockSource_ = Value ? std::move(Value) : TClockSource(LocalNow);
  ShowTime();
}

void TDisplaysPage::SetCounting(bool Value) {
  if (Value == counting_) return;
  counting_ = Value;
  UpdateTimers();
}

void TDisplaysPage::ShowTime() {
  const TDateTime now = clockSource_();
  TDateTimeParts parts;
  if (!TryDecodeDateTime(now, parts)) return;
  clock_->SetCaption(FormatDateTime("hh:nn:ss", now));
  // Aim the next tick just past the next full second.
  clockTimer_->SetInterval(static_cast<unsigned>(1000 - parts.MilliSecond + kClockLag));
  ExhibitChanged(clock_);
}

void TDisplaysPage::ShowCount() {
  counter_->SetCaption(CounterText(tenths_));
  ExhibitChanged(counter_);
}

void TDisplaysPage::MoveSignal() {
  signal_->SetValue(kSignalMean + kSignalAmplitude * std::sin(2 * kPi * signalStep_ / kSignalPeriod));
  ExhibitChanged(signal_);
}

void TDisplaysPage::VisibleChanged() {
  TGalleryPage::VisibleChanged();
  if (GetVisible()) ShowTime();  // the clock may have stood still while hidden
  UpdateTimers();
}

void TDisplaysPage::UpdateTimers() {
  clockTimer_->SetEnabled(GetVisible());
  signalTimer_->SetEnabled(GetVisible());
  counterTimer_->SetEnabled(GetVisible() && counting_);
}

}  // namespace gallery
