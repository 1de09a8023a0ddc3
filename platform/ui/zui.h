// The screen toolkit, all of it.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"
#include "zui_grid.h"
#include "zui_guard.h"
#include "zui_msg.h"
#include "zui_screens.h"
#include "zui_style.h"
