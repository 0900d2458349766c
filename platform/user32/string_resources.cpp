// LoadStringA over the program's resource store. The program is the only module: a null
// instance means it too.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/kernel32/resource_entries.h"
#include "platform/kernel32/resource_store.h"
#include "platform/win32.h"

int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax <= 0) return 0;
    lpBuffer[0] = '\0';
    const std::string* text =
        platform::IsProgramModule(hInstance) ? platform::FindStringEntry(uID) : nullptr;
    if (!text) return 0;
    size_t copied = std::min(text->size(), static_cast<size_t>(cchBufferMax - 1));
    std::memcpy(lpBuffer, text->data(), copied);
    lpBuffer[copied] = '\0';
    return static_cast<int>(copied);
}
