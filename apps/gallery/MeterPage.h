#pragma once
// The "Meter" page: a moving-coil voltmeter whose needle swings towards a target that a timer
// moves on every three seconds (a grey needle marks the target); a level meter whose needle follows
// the pointer while the left button is held over it, coupled both ways with a numeric field; and
// three smaller meters in other layouts. The swing runs only while the page is showing.

#include <string>

#include "GalleryPage.h"
#include "gadrix/meter/Meter.h"
#include "gadrix/numeric/NumIO.h"

namespace gallery {

class TMeterPage : public TGalleryPage {
public:
  explicit TMeterPage(gadrix::TComponent* AOwner);

  gadrix::TMeter* Voltmeter() const { return voltmeter_; }
  gadrix::TMeter* Level() const { return level_; }
  gadrix::TNumIO2* Setting() const { return setting_; }
  // The note's lines about the level meter's events.
  const std::string& PointerText() const { return pointerText_; }
  const std::string& ValueEventText() const { return valueEventText_; }

  // The swing's time step, and how long each target holds.
  static constexpr unsigned FrameInterval = 40;
  static constexpr unsigned TargetPeriod = 3000;

protected:
  void VisibleChanged() override;

private:
  void AddVoltmeter();
  void AddLevel();
  void AddSmallMeters();
  void Swing();
  // Moves the level meter and the field together, from either side.
  void SetLevel(double Value);
  void Report();

  gadrix::TMeter* voltmeter_ = nullptr;
  gadrix::TMeter* level_ = nullptr;
  gadrix::TNumIO2* setting_ = nullptr;
  gadrix::TTimer* swingTimer_;
  double position_ = 0;  // the needle's value and speed (per second)
  double speed_ = 0;
  unsigned elapsed_ = 0;  // since the target last moved, in milliseconds
  std::size_t target_ = 0;
  std::string pointerText_ = "(move the pointer over the meter)";
  std::string valueEventText_;
  int eventNote_ = -1;
};

}  // namespace gallery
