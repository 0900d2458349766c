// The settings store: 32-bit integers under one registry key of the current user. No cache:
// every read and write goes to the registry. Readers supply the default; callers clamp.
#pragma once

#include "platform/win32.h"

inline constexpr char kSettingsKeyPath[] = "Software\\Orvantis\\Lumaris";

inline constexpr char kBigCountSetting[] = "sprite 1 count";
inline constexpr char kSmallCountSetting[] = "sprite 2 count";
inline constexpr char kSpeedSetting[] = "speed";
inline constexpr char kAnimateColourSetting[] = "animate color";
inline constexpr char kShiftColourSetting[] = "shift color";
inline constexpr char kHueSetting[] = "hue";

// Makes path the current key (below HKEY_CURRENT_USER) and the class name of window the
// class given to the key if it has to be created. Until a path is selected, reads give
// their defaults and writes fail.
void SelectSettingsKey(HWND window, LPCSTR path);

// The value's bytes over those of defaultValue, whatever its type; the default when the key
// cannot be opened or created, or the value is missing or longer than 4 bytes.
int ReadSetting(LPCSTR name, int defaultValue);
// Stores value as a REG_DWORD; true only when the key opened and the value was stored.
bool WriteSetting(LPCSTR name, int value);
