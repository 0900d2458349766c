// The test controls of platform/testing/modules.h.
#include "platform/kernel32/module_table.h"
#include "platform/kernel32/version.h"
#include "platform/testing/modules.h"
#include "platform/user32/system_parameters.h"

namespace platform::testing {

void RegisterModule(const std::string& name, std::map<std::string, FARPROC> functions) {
    ModuleRecord& record = ModuleTable()[ModuleKey(name)];
    record.name = ModuleKey(name);
    record.functions = std::move(functions);
}

void ResetModules() {
    ModuleTable().clear();
}

namespace {

const ModuleRecord* Find(const std::string& name) {
    auto found = ModuleTable().find(ModuleKey(name));
    return found == ModuleTable().end() ? nullptr : &found->second;
}

} // namespace

int ModuleLoadCount(const std::string& name) {
    const ModuleRecord* record = Find(name);
    return record ? record->loadCount : 0;
}

int ModuleLoadAttempts(const std::string& name) {
    const ModuleRecord* record = Find(name);
    return record ? record->loadAttempts : 0;
}

void SetPlatformFamily(DWORD platformId) {
    SetReportedPlatformFamily(platformId);
}

bool SaverRunningFlag() {
    return platform::SaverRunningFlag();
}

} // namespace platform::testing
