// The Win32 resource calls over the program's resource store. The program is the only
// module: a null module handle means it too.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/resource_entries.h"
#include "platform/resource_store.h"
#include "platform/win32.h"

namespace {

bool IsProgramModule(HMODULE module) {
    return !module || module == platform::ProgramModule();
}

const platform::ResourceEntry* EntryOf(HMODULE module, HRSRC resource) {
    if (!IsProgramModule(module) || !platform::IsResourceEntry(resource)) return nullptr;
    return reinterpret_cast<const platform::ResourceEntry*>(resource);
}

// Where an empty resource "is": the handle of a found resource is never null.
const BYTE emptyResource[1] = {0};

} // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    return lpModuleName ? nullptr : platform::ProgramModule();
}

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    if (!IsProgramModule(hModule) || !lpName || !lpType) return nullptr;
    const platform::ResourceEntry* entry = platform::FindResourceEntry(lpType, lpName);
    return reinterpret_cast<HRSRC>(const_cast<platform::ResourceEntry*>(entry));
}

HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
    const platform::ResourceEntry* entry = EntryOf(hModule, hResInfo);
    if (!entry) return nullptr;
    const BYTE* bytes = entry->data ? entry->data : emptyResource;
    return const_cast<BYTE*>(bytes);
}

DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    const platform::ResourceEntry* entry = EntryOf(hModule, hResInfo);
    return entry ? entry->size : 0;
}

LPVOID WINAPI LockResource(HGLOBAL hResData) {
    return hResData;
}

BOOL WINAPI FreeResource(HGLOBAL) {
    return FALSE;
}

int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax <= 0) return 0;
    lpBuffer[0] = '\0';
    const std::string* text = IsProgramModule(hInstance) ? platform::FindStringEntry(uID) : nullptr;
    if (!text) return 0;
    size_t copied = std::min(text->size(), static_cast<size_t>(cchBufferMax - 1));
    std::memcpy(lpBuffer, text->data(), copied);
    lpBuffer[copied] = '\0';
    return static_cast<int>(copied);
}
