// The classes of the library that form files can create by name.

#include "gadrix/calendar/MiniCal.h"
#include "gadrix/displays/sevenseg.h"
#include "gadrix/meter/Meter.h"
#include "gadrix/numeric/NumIO.h"
#include "gadrix/numeric/NumLab.h"
#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/controls/Menus.h"
#include "gadrix/platform/core/ClassRegistry.h"
#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/stdctrls/Edit.h"
#include "gadrix/replist/RLData.h"
#include "gadrix/replist/ReportListView.h"

namespace gadrix::detail {

void RegisterLibraryClasses() {
  const TClassInfo* classes[] = {
      &TComponent::StaticClassInfo(),
      &TControl::StaticClassInfo(),
      &TWinControl::StaticClassInfo(),
      &TGraphicControl::StaticClassInfo(),
      &TCustomControl::StaticClassInfo(),
      &TForm::StaticClassInfo(),
      &TTimer::StaticClassInfo(),
      &TMenuItem::StaticClassInfo(),
      &TPopupMenu::StaticClassInfo(),
      &TNumIO2::StaticClassInfo(),
      &TNumLab::StaticClassInfo(),
      &TRLData::StaticClassInfo(),
      &TReportListView::StaticClassInfo(),
      &TEdit::StaticClassInfo(),
      &TDrawGrid::StaticClassInfo(),
      &TSevenSeg::StaticClassInfo(),
      &TMeter::StaticClassInfo(),
      &TMiniCal::StaticClassInfo(),
  };
  for (const TClassInfo* info : classes) RegisterClass(*info);
}

}  // namespace gadrix::detail
