#include "app/Settings.h"

#include <cstring>
#include <string>

#include "app/SettingOverrides.h"

namespace {

std::string selectedPath;
bool pathSelected = false;
char keyClass[40] = "";

bool OpenSettingsKey(HKEY& key) {
    if (!pathSelected) return false;
    return RegCreateKeyExA(HKEY_CURRENT_USER, selectedPath.c_str(), 0, keyClass,
                           REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                           nullptr) == ERROR_SUCCESS;
}

} // namespace

void SelectSettingsKey(HWND window, LPCSTR path) {
    pathSelected = path != nullptr;
    selectedPath = path ? path : "";
    keyClass[0] = '\0';
    if (window && GetClassNameA(window, keyClass, sizeof keyClass) <= 0) keyClass[0] = '\0';
}

int ReadSetting(LPCSTR name, int defaultValue) {
    if (const int* given = SettingOverride(name)) return *given;
    HKEY key = nullptr;
    if (!OpenSettingsKey(key)) return defaultValue;
    BYTE buffer[sizeof(int)];
    std::memcpy(buffer, &defaultValue, sizeof buffer);
    DWORD size = sizeof buffer;
    const LONG status = RegQueryValueExA(key, name, nullptr, nullptr, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return defaultValue;
    int value = 0;
    std::memcpy(&value, buffer, sizeof value);
    return value;
}

bool WriteSetting(LPCSTR name, int value) {
    if (SettingsOverridden()) return false; // the user's own settings stay as they were
    HKEY key = nullptr;
    if (!OpenSettingsKey(key)) return false;
    BYTE bytes[sizeof(int)];
    std::memcpy(bytes, &value, sizeof bytes);
    const LONG status = RegSetValueExA(key, name, 0, REG_DWORD, bytes, sizeof bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
