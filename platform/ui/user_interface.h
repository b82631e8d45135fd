#pragma once

// The user-interface library: everything the window builders and the shell call.
#include "platform/ui/attr_value.h"
#include "platform/ui/bitmaps.h"
#include "platform/ui/canvas.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/controls.h"
#include "platform/ui/event_loop.h"
#include "platform/ui/graph.h"
#include "platform/ui/menus.h"
#include "platform/ui/panels.h"
#include "platform/ui/popups.h"
#include "platform/ui/tables.h"
#include "platform/ui/ui_constants.h"
