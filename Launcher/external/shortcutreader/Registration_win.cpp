#include "Registration_win.h"

#include <shlwapi.h>

#include <string>

#include "ShortcutReaderId_win.h"

namespace corvella::shortcutreader {

namespace {

// The identifiers are plain ASCII.
std::wstring Wide(const char* ascii) { return std::wstring(ascii, ascii + lstrlenA(ascii)); }

std::wstring ClassKey() { return L"CLSID\\" + Wide(kClassIdText); }
std::wstring ProgIdKey() { return Wide(kProgId); }
std::wstring ServerKey() { return ClassKey() + L"\\InprocServer32"; }

constexpr wchar_t kClasses[] = L"Software\\Classes\\";
constexpr wchar_t kDisplayName[] = L"Corvella shortcut reader";

struct RegistryValue {
    std::wstring key;     // under a classes key
    const wchar_t* name;  // nullptr: the key's default value
    std::wstring data;
};

LSTATUS WriteValue(HKEY root, const RegistryValue& entry) {
    const std::wstring key = kClasses + entry.key;
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                                     &handle, nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = RegSetValueExW(handle, entry.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.data.c_str()),
                            static_cast<DWORD>((entry.data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return status;
}

HRESULT WriteAll(HKEY root, const std::wstring& modulePath) {
    const RegistryValue entries[] = {
        {ClassKey(), nullptr, kDisplayName},
        {ServerKey(), nullptr, modulePath},
        {ServerKey(), L"ThreadingModel", L"Apartment"},
        {ClassKey() + L"\\ProgID", nullptr, Wide(kProgId)},
        {ProgIdKey(), nullptr, kDisplayName},
        {ProgIdKey() + L"\\CLSID", nullptr, Wide(kClassIdText)},
    };
    for (const RegistryValue& entry : entries) {
        const LSTATUS status = WriteValue(root, entry);
        if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
    }
    return S_OK;
}

HRESULT DeleteAll(HKEY root) {
    HRESULT result = S_OK;
    for (const std::wstring& key : {ClassKey(), ProgIdKey()}) {
        const DWORD status = SHDeleteKeyW(root, (kClasses + key).c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) result = HRESULT_FROM_WIN32(status);
    }
    return result;
}

// Whether the merged class view, which the class lookup reads, names this
// DLL as the server: true on Windows as soon as the per-user entries exist.
bool ClassesRootNames(const std::wstring& modulePath) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, ServerKey().c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    wchar_t server[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof server - sizeof(wchar_t);  // room for a missing terminator
    const LSTATUS status = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(server), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ && lstrcmpiW(server, modulePath.c_str()) == 0;
}

bool ModuleFileName(HMODULE module, std::wstring& path) {
    wchar_t buffer[1024];
    const DWORD length = GetModuleFileNameW(module, buffer, ARRAYSIZE(buffer));
    if (length == 0 || length >= ARRAYSIZE(buffer)) return false;
    path.assign(buffer, length);
    return true;
}

}  // namespace

HRESULT RegisterServer(HMODULE module) {
    std::wstring modulePath;
    if (!ModuleFileName(module, modulePath)) return HRESULT_FROM_WIN32(GetLastError());
    HRESULT hr = WriteAll(HKEY_CURRENT_USER, modulePath);
    if (SUCCEEDED(hr) && !ClassesRootNames(modulePath)) hr = WriteAll(HKEY_LOCAL_MACHINE, modulePath);
    if (FAILED(hr)) (void)UnregisterServer();
    return hr;
}

HRESULT UnregisterServer() {
    const HRESULT user = DeleteAll(HKEY_CURRENT_USER);
    const HRESULT machine = DeleteAll(HKEY_LOCAL_MACHINE);
    return FAILED(user) ? user : machine;
}

}  // namespace corvella::shortcutreader
