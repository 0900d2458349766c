// The test controls of platform/testing/resources.h.
#include "platform/kernel32/resource_store.h"
#include "platform/testing/resources.h"

namespace platform::testing {

void AddResource(LPCSTR type, LPCSTR name, std::vector<BYTE> bytes) {
    RegisterResourceCopy(type, name, std::move(bytes));
}

bool RemoveResource(LPCSTR type, LPCSTR name) {
    return UnregisterResource(type, name);
}

void AddString(UINT id, LPCSTR text) {
    RegisterString(id, text);
}

bool RemoveString(UINT id) {
    return UnregisterString(id);
}

} // namespace platform::testing
