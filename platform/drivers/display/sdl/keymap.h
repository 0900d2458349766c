// SDL keys as Windows virtual-key codes.
#pragma once
#include <SDL.h>

#include "platform/win32.h"

namespace platform {

// 0 for a key Windows has no code for.
UINT VirtualKeyOf(SDL_Keycode key);

// Alt held, F10 or Alt itself make the system-key messages, as on Windows.
bool IsSystemKey(SDL_Keycode key, Uint16 modifiers);

} // namespace platform
