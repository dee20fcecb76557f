// The registry, as far as the module reads it: keys under HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE, and their values. The host keeps it in one file (zrxhost/registry.h).
#pragma once

#include "win_types.h"

#define HKEY_CLASSES_ROOT  (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000000u)))
#define HKEY_CURRENT_USER  (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000002u)))
#define HKEY_USERS         (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000003u)))

#define REG_NONE      0
#define REG_SZ        1
#define REG_EXPAND_SZ 2
#define REG_BINARY    3
#define REG_DWORD     4
#define REG_MULTI_SZ  7
#define REG_QWORD     11

#define REG_OPTION_NON_VOLATILE 0x00000000L
#define REG_CREATED_NEW_KEY     0x00000001L
#define REG_OPENED_EXISTING_KEY 0x00000002L

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE   0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_READ        0x20019
#define KEY_WRITE       0x20006
#define KEY_ALL_ACCESS  0xF003F

// Type restrictions of RegGetValueA: a value of another type is refused with
// ERROR_UNSUPPORTED_TYPE.
#define RRF_RT_REG_NONE   0x00000001
#define RRF_RT_REG_SZ     0x00000002
#define RRF_RT_REG_EXPAND_SZ 0x00000004
#define RRF_RT_REG_BINARY 0x00000008
#define RRF_RT_REG_DWORD  0x00000010
#define RRF_RT_REG_MULTI_SZ 0x00000020
#define RRF_RT_REG_QWORD  0x00000040
#define RRF_RT_ANY        0x0000ffff
// Without it a REG_EXPAND_SZ value comes back expanded, as REG_SZ.
#define RRF_NOEXPAND      0x10000000

struct SECURITY_ATTRIBUTES;

// Key names and value names are matched without regard to case. Every function gives
// ERROR_SUCCESS or a Windows error code.
ZRX_API LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                                const SECURITY_ATTRIBUTES* security, PHKEY result, LPDWORD disposition);
ZRX_API LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
ZRX_API LSTATUS RegCloseKey(HKEY key);
// A null data pointer asks for the type and size only; a buffer too small gives
// ERROR_MORE_DATA and the size needed. A string's size counts its terminating zero.
ZRX_API LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                 LPDWORD size);
ZRX_API LSTATUS RegGetValueA(HKEY key, LPCSTR subKey, LPCSTR valueName, DWORD flags, LPDWORD type, LPVOID data,
                             LPDWORD size);
ZRX_API LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
ZRX_API LSTATUS RegDeleteValueA(HKEY key, LPCSTR valueName);

#define RegCreateKeyEx RegCreateKeyExA
#define RegOpenKeyEx RegOpenKeyExA
#define RegQueryValueEx RegQueryValueExA
#define RegGetValue RegGetValueA
#define RegSetValueEx RegSetValueExA
#define RegDeleteValue RegDeleteValueA
