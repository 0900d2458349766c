// LoadLibraryA, GetProcAddress and FreeLibrary over the stand-in module table. Handles are
// checked against the table, so a stale or foreign handle is refused rather than followed.
#include "platform/kernel32/module_table.h"

namespace platform {
namespace {

ModuleRecord* LoadedRecord(HMODULE module) {
    for (auto& [key, record] : ModuleTable())
        if (reinterpret_cast<HMODULE>(&record) == module && record.loadCount > 0) return &record;
    return nullptr;
}

} // namespace
} // namespace platform

using namespace platform;

HMODULE WINAPI LoadLibraryA(LPCSTR fileName) {
    if (!fileName) return nullptr;
    auto found = ModuleTable().find(ModuleKey(fileName));
    if (found == ModuleTable().end()) return nullptr;
    ModuleRecord& record = found->second;
    ++record.loadAttempts;
    ++record.loadCount;
    return reinterpret_cast<HMODULE>(&record);
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName) {
    ModuleRecord* record = LoadedRecord(module);
    if (!record || !procName || IS_INTRESOURCE(procName)) return nullptr;
    auto function = record->functions.find(procName);
    return function == record->functions.end() ? nullptr : function->second;
}

BOOL WINAPI FreeLibrary(HMODULE module) {
    ModuleRecord* record = LoadedRecord(module);
    if (!record) return FALSE;
    --record->loadCount;
    return TRUE;
}
