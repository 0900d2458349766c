// Test controls of the module loader and the version query: stand-in modules that
// LoadLibraryA finds by name, and the platform family GetVersionExA reports.
#pragma once
#include <map>
#include <string>

#include "platform/include/winbase.h"

namespace platform::testing {

// From now on LoadLibraryA(name) (case-insensitive) loads a module with these exports.
void RegisterModule(const std::string& name, std::map<std::string, FARPROC> functions);
// Forgets every stand-in and every loaded module.
void ResetModules();
// How many loads of the module are outstanding, and how many LoadLibraryA calls named it.
int ModuleLoadCount(const std::string& name);
int ModuleLoadAttempts(const std::string& name);

// The platform identifier GetVersionExA reports (VER_PLATFORM_WIN32_NT unless told).
void SetPlatformFamily(DWORD platformId);

// The flag SPI_SETSCREENSAVERRUNNING last set.
bool SaverRunningFlag();

} // namespace platform::testing
