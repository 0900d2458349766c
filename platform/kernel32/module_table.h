// The stand-in modules that LoadLibraryA can find, and the ones loaded.
#pragma once
#include <map>
#include <string>

#include "platform/include/winbase.h"

namespace platform {

struct ModuleRecord {
    std::string name; // upper case
    std::map<std::string, FARPROC> functions;
    int loadCount = 0;
    int loadAttempts = 0;
};

// Records by upper-case name; the handle of a module is the address of its record.
std::map<std::string, ModuleRecord>& ModuleTable();
std::string ModuleKey(const std::string& name);

} // namespace platform
