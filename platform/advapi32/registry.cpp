// The registry calls over the registry file. Each call goes to the file, so values written
// by another process are seen at once and nothing is lost between processes.
#include <cstring>
#include <optional>

#include "platform/advapi32/file_queries.h"
#include "platform/advapi32/key_handles.h"
#include "platform/advapi32/key_paths.h"
#include "platform/host/posix/registry_file.h"
#include "platform/include/winreg.h"

using namespace platform::registry;

namespace {

// The full path of subKey below the open key, or nothing when subKey is malformed.
std::optional<std::string> SubKeyPath(const OpenKey& parent, LPCSTR subKey) {
    if (!subKey || !*subKey) return parent.path;
    if (!ValidSubPath(subKey)) return std::nullopt;
    return parent.path + '\\' + subKey;
}

// Shared front of the open and create calls: the parent and the new key's path.
LONG ResolveSubKey(HKEY parentKey, LPCSTR subKey, PHKEY result, std::string& path) {
    const OpenKey* parent = LookUpKey(parentKey);
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (!parent) return ERROR_INVALID_HANDLE;
    std::optional<std::string> full = SubKeyPath(*parent, subKey);
    if (!full) return ERROR_BAD_PATHNAME;
    path = std::move(*full);
    return ERROR_SUCCESS;
}

LONG CreateKeyIfMissing(const std::string& path, DWORD& disposition) {
    disposition = REG_OPENED_EXISTING_KEY;
    if (KeyInFile(path)) return ERROR_SUCCESS;
    return UpdateRegistry([&](Tree& tree) {
        if (tree.Find(path)) return false;
        tree.Ensure(path);
        disposition = REG_CREATED_NEW_KEY;
        return true;
    });
}

const OpenKey* KeyWithAccess(HKEY key, REGSAM needed, LONG& status) {
    const OpenKey* open = LookUpKey(key);
    status = !open                               ? ERROR_INVALID_HANDLE
             : (open->access & needed) != needed ? ERROR_ACCESS_DENIED
                                                 : ERROR_SUCCESS;
    return status == ERROR_SUCCESS ? open : nullptr;
}

LONG CopyOut(const Value& value, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    if (type) *type = value.type;
    if (!dataSize) return ERROR_SUCCESS;
    const DWORD size = DWORD(value.data.size());
    const bool fits = *dataSize >= size;
    *dataSize = size;
    if (!data) return ERROR_SUCCESS;
    if (!fits) return ERROR_MORE_DATA;
    if (size) std::memcpy(data, value.data.data(), size);
    return ERROR_SUCCESS;
}

} // namespace

LONG WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                            LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    std::string path;
    LONG status = ResolveSubKey(hKey, lpSubKey, phkResult, path);
    DWORD disposition = 0;
    if (status == ERROR_SUCCESS) status = CreateKeyIfMissing(path, disposition);
    if (status != ERROR_SUCCESS) return status;
    *phkResult = OpenHandle(std::move(path), samDesired);
    if (lpdwDisposition) *lpdwDisposition = disposition;
    return ERROR_SUCCESS;
}

LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    std::string path;
    const LONG status = ResolveSubKey(hKey, lpSubKey, phkResult, path);
    if (status != ERROR_SUCCESS) return status;
    if (!KeyInFile(path)) return ERROR_FILE_NOT_FOUND;
    *phkResult = OpenHandle(std::move(path), samDesired);
    return ERROR_SUCCESS;
}

LONG WINAPI RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
    return RegOpenKeyExA(hKey, lpSubKey, 0, MAXIMUM_ALLOWED, phkResult);
}

LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                             LPDWORD lpcbData) {
    LONG status = ERROR_SUCCESS;
    const OpenKey* open = KeyWithAccess(hKey, KEY_QUERY_VALUE, status);
    if (!open) return status;
    if (lpData && !lpcbData) return ERROR_INVALID_PARAMETER;
    const std::optional<Value> value = ValueInFile(open->path, lpValueName ? lpValueName : "");
    return value ? CopyOut(*value, lpType, lpData, lpcbData) : ERROR_FILE_NOT_FOUND;
}

LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                           DWORD cbData) {
    LONG status = ERROR_SUCCESS;
    const OpenKey* open = KeyWithAccess(hKey, KEY_SET_VALUE, status);
    if (!open) return status;
    const std::string name = lpValueName ? lpValueName : "";
    if ((!lpData && cbData) || name.find_first_of("\r\n") != std::string::npos)
        return ERROR_INVALID_PARAMETER;
    Value value{name, dwType, std::vector<BYTE>(lpData, lpData + (lpData ? cbData : 0))};
    return UpdateRegistry([&](Tree& tree) {
        SetValue(tree.Ensure(open->path), std::move(value));
        return true;
    });
}

LONG WINAPI RegCloseKey(HKEY hKey) {
    return CloseKeyHandle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
