#include "platform/advapi32/key_handles.h"

#include <map>
#include <memory>

namespace platform::registry {
namespace {

std::map<HKEY, std::unique_ptr<OpenKey>>& OpenKeys() {
    static std::map<HKEY, std::unique_ptr<OpenKey>> keys;
    return keys;
}

const OpenKey* RootKey(HKEY key) {
    static const OpenKey roots[] = {{"HKEY_CLASSES_ROOT", KEY_ALL_ACCESS},
                                    {"HKEY_CURRENT_USER", KEY_ALL_ACCESS},
                                    {"HKEY_LOCAL_MACHINE", KEY_ALL_ACCESS},
                                    {"HKEY_USERS", KEY_ALL_ACCESS}};
    const HKEY handles[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS};
    for (size_t i = 0; i < sizeof handles / sizeof handles[0]; ++i)
        if (key == handles[i]) return &roots[i];
    return nullptr;
}

} // namespace

const OpenKey* LookUpKey(HKEY key) {
    if (const OpenKey* root = RootKey(key)) return root;
    auto found = OpenKeys().find(key);
    return found == OpenKeys().end() ? nullptr : found->second.get();
}

HKEY OpenHandle(std::string path, REGSAM access) {
    if (access & MAXIMUM_ALLOWED) access = KEY_ALL_ACCESS;
    auto key = std::make_unique<OpenKey>(OpenKey{std::move(path), access});
    const HKEY handle = reinterpret_cast<HKEY>(key.get());
    OpenKeys().emplace(handle, std::move(key));
    return handle;
}

bool CloseKeyHandle(HKEY key) {
    if (RootKey(key)) return true;
    return OpenKeys().erase(key) == 1;
}

} // namespace platform::registry
