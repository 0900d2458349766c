// Win32's way of handing a string out: at most size - 1 characters and a NUL.
#pragma once
#include <string>

#include "platform/win32.h"

namespace platform {

// Returns the characters copied; 0 (and nothing written) for a null buffer or size <= 0.
int CopyStringOut(const std::string& text, LPSTR buffer, int size);

} // namespace platform
