#include "platform/kernel32/module_table.h"

#include <cctype>

namespace platform {

std::map<std::string, ModuleRecord>& ModuleTable() {
    static std::map<std::string, ModuleRecord> table;
    return table;
}

std::string ModuleKey(const std::string& name) {
    std::string key = name;
    for (char& c : key)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

} // namespace platform
