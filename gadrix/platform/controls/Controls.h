#pragma once
// The control framework in one include.

#include "gadrix/platform/backends/Backend.h"
#include "gadrix/platform/backends/headless/Simulation.h"
#include "gadrix/platform/controls/Alignment.h"
#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/controls/Control.h"
#include "gadrix/platform/controls/Form.h"
#include "gadrix/platform/controls/Input.h"
#include "gadrix/platform/controls/Menus.h"
#include "gadrix/platform/controls/Messages.h"
#include "gadrix/platform/controls/NonClient.h"
#include "gadrix/platform/controls/Timers.h"
#include "gadrix/platform/controls/WinControl.h"
#include "gadrix/platform/core/ClassRegistry.h"
#include "gadrix/platform/core/Component.h"
#include "gadrix/platform/core/FormFile.h"
#include "gadrix/platform/core/Properties.h"
