// The Win32 resource calls over the program's resource store. The program is the only
// module: a null module handle means it too.
#include "platform/kernel32/resource_entries.h"
#include "platform/kernel32/resource_store.h"
#include "platform/win32.h"

namespace {

const platform::ResourceEntry* EntryOf(HMODULE module, HRSRC resource) {
    if (!platform::IsProgramModule(module) || !platform::IsResourceEntry(resource)) return nullptr;
    return reinterpret_cast<const platform::ResourceEntry*>(resource);
}

// Where an empty resource "is": the handle of a found resource is never null.
const BYTE emptyResource[1] = {0};

} // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    return lpModuleName ? nullptr : platform::ProgramModule();
}

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    if (!platform::IsProgramModule(hModule) || !lpName || !lpType) return nullptr;
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
