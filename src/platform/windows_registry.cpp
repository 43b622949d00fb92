// The codec's settings in the Windows registry (built on Windows only).
#ifdef _WIN32

// The program's own headers come first: <windows.h> defines macros such as MessageBox that
// would otherwise rename the program's declarations in this file.
#include "platform/codec_settings.h"
#include "platform/registry_file.h"

#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

namespace platform {

namespace {

// Reads one value of an open key; missing on any failure or for a type other than text or a
// 32-bit number.
std::optional<RegValue> query(HKEY key, const std::wstring& name) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    RegValue v;
    if (type == REG_DWORD) {
        DWORD d = 0, n = sizeof d;
        if (size != sizeof d ||
            RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&d), &n) !=
                ERROR_SUCCESS ||
            type != REG_DWORD || n != sizeof d)
            return std::nullopt;
        v.type = RegValue::Dword;
        v.dword = d;
        return v;
    }
    if (type != REG_SZ) return std::nullopt;
    // One spare character: the stored text need not end in a NUL.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD n = DWORD(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &n) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    v.type = RegValue::Text;
    v.text = QString::fromWCharArray(buffer.data(), int(n / sizeof(wchar_t)));
    return v;
}

}  // namespace

std::optional<RegValue> WindowsRegistry::value(const QString& name) const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(kCodecKey.utf16()), 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const std::optional<RegValue> v = query(key, name.toStdWString());
    RegCloseKey(key);
    return v;
}

}  // namespace platform

#endif
