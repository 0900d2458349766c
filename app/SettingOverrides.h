// Values given for one run in place of the stored settings (on Linux, from the command line
// of the daemon's settings application). A run given any of them stores nothing, so the
// user's own settings stay as they were.
#pragma once

#include "platform/win32.h"

// Reads of name give value from now on; name is one of the setting names of Settings.h.
// Returns false when all places are taken by other names.
bool OverrideSetting(LPCSTR name, int value);
// The value given for name, or null when the stored one counts.
const int* SettingOverride(LPCSTR name);
// Whether any value was given: then nothing may be stored.
bool SettingsOverridden();
// Back to the stored values.
void ClearSettingOverrides();
