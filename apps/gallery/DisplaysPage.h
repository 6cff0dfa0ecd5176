#pragma once
// The "Labels and displays" page: numeric labels in several display formats, one of them
// following a signal that a timer moves; seven-segment displays showing a live clock (HH:MM:SS)
// and a counter of tenths of a second, which a click pauses, over a row of fixed captions in
// other looks. The page's timers run only while the page is showing.

#include <functional>

#include "GalleryPage.h"
#include "gadrix/displays/sevenseg.h"
#include "gadrix/numeric/NumLab.h"
#include "gadrix/platform/core/DateTime.h"

namespace gallery {

class TDisplaysPage : public TGalleryPage {
public:
  using TClockSource = std::function<gadrix::TDateTime()>;

  explicit TDisplaysPage(gadrix::TComponent* AOwner);

  gadrix::TSevenSeg* Clock() const { return clock_; }
  gadrix::TSevenSeg* Counter() const { return counter_; }
  // The label that the signal timer drives.
  gadrix::TNumLab* Signal() const { return signal_; }
  // Where the clock reads the time; default (and null) the local time of the system clock.
  // Setting it shows its time at once.
  void SetClockSource(TClockSource Value);
  // Whether the counter counts (a click on it stops and restarts it). Default true.
  bool GetCounting() const { return counting_; }
  void SetCounting(bool Value);

  // The counter's step and the signal's update period, in milliseconds.
  static constexpr unsigned CounterInterval = 100;
  static constexpr unsigned SignalInterval = 200;

protected:
  void VisibleChanged() override;

private:
  void AddLabels();
  void AddDisplays();
  void ShowTime();
  void ShowCount();
  void MoveSignal();
  // Runs each timer while the page shows and it has work.
  void UpdateTimers();

  gadrix::TSevenSeg* clock_ = nullptr;
  gadrix::TSevenSeg* counter_ = nullptr;
  gadrix::TNumLab* signal_ = nullptr;
  gadrix::TTimer* clockTimer_;
  gadrix::TTimer* counterTimer_;
  gadrix::TTimer* signalTimer_;
  TClockSource clockSource_;
  bool counting_ = true;
  int tenths_ = 0;
  int signalStep_ = 0;
};

}  // namespace gallery
