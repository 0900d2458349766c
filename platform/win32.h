// The one header through which the application, the shell and the engine reach the
// operating system. On Windows it is the real Win32 API; elsewhere it is our own
// provision of the subset the program uses, with the same names, types and layouts.
#pragma once

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types they use.
#include <mmsystem.h>
#include <vfw.h>
#else
#include "platform/api/clock.h"
#include "platform/api/gdi.h"
#include "platform/api/memory.h"
#include "platform/api/message_box.h"
#include "platform/api/mmio.h"
#include "platform/api/module.h"
#include "platform/api/process.h"
#include "platform/api/registry.h"
#include "platform/api/resources.h"
#include "platform/api/system_parameters.h"
#include "platform/api/types.h"
#include "platform/api/version.h"
#include "platform/api/window.h"
#endif
