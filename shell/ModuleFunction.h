// A function looked up by name in a loaded module, as the type it really has.
#pragma once

#include "platform/win32.h"

template <typename Function> Function ModuleFunction(HMODULE module, LPCSTR name) {
    // Through the generic function type: GetProcAddress's own type says nothing of the real one.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
