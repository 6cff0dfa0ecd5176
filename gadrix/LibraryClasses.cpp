// The classes of the library that form files can create by name.

#include "gadrix/meter/Meter.h"
#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/controls/Menus.h"
#include "gadrix/platform/core/ClassRegistry.h"

namespace gadrix::detail {

void RegisterLibraryClasses() {
  for (const TClassInfo* info :
       {&TComponent::StaticClassInfo(), &TControl::StaticClassInfo(), &TWinControl::StaticClassInfo(),
        &TGraphicControl::StaticClassInfo(), &TCustomControl::StaticClassInfo(), &TForm::StaticClassInfo(),
        &TTimer::StaticClassInfo(), &TMenuItem::StaticClassInfo(), &TPopupMenu::StaticClassInfo(),
        &TMeter::StaticClassInfo()})
    RegisterClass(*info);
}

}  // namespace gadrix::detail
