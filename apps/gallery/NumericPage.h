#pragma once
// The "Numeric input" page: live TNumIO2 fields in several input formats, with up/down buttons,
// gauges, a field stepping through pivots and one showing the warning colours of a value out of
// range. A note reports the last change event of any field.

#include <string>

#include "GalleryPage.h"
#include "gadrix/numeric/NumIO.h"

namespace gallery {

class TNumericPage : public TGalleryPage {
public:
  explicit TNumericPage(gadrix::TComponent* AOwner);

  // A field by its component name ("Length", "Delay", ...), null when none.
  gadrix::TNumIO2* Field(const std::string& Name) const;
  // The note's line about the last change event (empty before the first).
  const std::string& LastEvent() const { return lastEvent_; }

private:
  // A field at a place in the two columns, laid out for the page.
  gadrix::TNumIO2* AddField(const char* Name, int Column, int Row, const std::string& Caption);
  void Report(const std::string& Line);

  std::string lastEvent_;
  int eventNote_ = -1;
};

}  // namespace gallery
