// Win32 subset: the registry (advapi32). Keys and values persist across runs in one text
// file per user; every call reads or replaces that file, so no state is cached between calls.
#pragma once
#include "platform/include/windef.h"

typedef HKEY* PHKEY;
typedef DWORD REGSAM;
typedef LONG LSTATUS;

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

// Predefined roots, sign-extended like Win32 so they never collide with an opened key.
#define HKEY_CLASSES_ROOT ((HKEY)(intptr_t)(LONG)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(intptr_t)(LONG)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(intptr_t)(LONG)0x80000002)
#define HKEY_USERS ((HKEY)(intptr_t)(LONG)0x80000003)

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_WRITE_FAULT 29L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_BAD_PATHNAME 161L
#define ERROR_MORE_DATA 234L

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7

#define REG_OPTION_NON_VOLATILE 0x00000000L
#define REG_CREATED_NEW_KEY 0x00000001L
#define REG_OPENED_EXISTING_KEY 0x00000002L

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F
#define MAXIMUM_ALLOWED 0x02000000L

// Opens subKey below hKey, creating it and its missing parents. The class string is accepted
// and not kept. A null or empty subKey opens hKey itself again.
LONG WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass,
                            DWORD dwOptions, REGSAM samDesired,
                            LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                            LPDWORD lpdwDisposition);
// ERROR_FILE_NOT_FOUND when the key does not exist; opens with all access.
LONG WINAPI RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult);
LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                          PHKEY phkResult);
// Null data asks only for type and size. A buffer smaller than the value gives
// ERROR_MORE_DATA, leaves the buffer untouched and stores the size needed.
LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                             LPBYTE lpData, LPDWORD lpcbData);
// Stores cbData bytes as given, of any type; the key must have been opened for setting values.
LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                           const BYTE* lpData, DWORD cbData);
LONG WINAPI RegCloseKey(HKEY hKey);
