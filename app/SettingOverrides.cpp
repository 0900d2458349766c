#include "app/SettingOverrides.h"

#include <cstring>

namespace {

// One place for each of the six settings.
struct Override {
    LPCSTR name = nullptr;
    int value = 0;
};
Override overrides[6];

Override* Find(LPCSTR name) {
    for (Override& given : overrides)
        if (given.name && std::strcmp(given.name, name) == 0) return &given;
    return nullptr;
}

} // namespace

bool OverrideSetting(LPCSTR name, int value) {
    Override* place = Find(name);
    for (Override& given : overrides)
        if (!place && !given.name) place = &given;
    if (!place) return false;
    *place = {name, value};
    return true;
}

const int* SettingOverride(LPCSTR name) {
    const Override* given = Find(name);
    return given ? &given->value : nullptr;
}

bool SettingsOverridden() {
    for (const Override& given : overrides)
        if (given.name) return true;
    return false;
}

void ClearSettingOverrides() {
    for (Override& given : overrides)
        given = {};
}
