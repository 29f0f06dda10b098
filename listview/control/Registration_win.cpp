#include "Registration_win.h"

#include <olectl.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "PanorellIds_win.h"

namespace panorell {

namespace {

constexpr char kClasses[] = "Software\\Classes\\";

struct RegistryValue {
    std::string key;    // under a classes key
    const char* name;   // nullptr: the key's default value
    std::string data;
};

struct ClassRecord {
    const char* classId;
    const char* progId;
    UINT typeNameString;
};

const ClassRecord kClassRecords[] = {
    {kControlClassText, kControlProgId, kControlTypeNameString},
    {kGeneralPageText, kGeneralPageProgId, kGeneralPageNameString},
    {kFiltersPageText, kFiltersPageProgId, kFiltersPageNameString},
    {kColumnsPageText, kColumnsPageProgId, kColumnsPageNameString},
};

std::string ResourceString(HMODULE module, UINT id) {
    char text[256] = {};
    const int length = LoadStringA(module, id, text, static_cast<int>(sizeof text));
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

// Every value one class needs; the control adds what containers look for.
void AddClass(std::vector<RegistryValue>& out, const ClassRecord& record, const std::string& typeName,
              const std::string& modulePath) {
    const std::string classKey = std::string("CLSID\\") + record.classId;
    out.push_back({classKey, nullptr, typeName});
    out.push_back({classKey + "\\InprocServer32", nullptr, modulePath});
    out.push_back({classKey + "\\InprocServer32", "ThreadingModel", "Apartment"});
    out.push_back({classKey + "\\ProgID", nullptr, record.progId});
    out.push_back({record.progId, nullptr, typeName});
    out.push_back({std::string(record.progId) + "\\CLSID", nullptr, record.classId});
    if (record.classId != kControlClassText) return;
    out.push_back({classKey + "\\Control", nullptr, ""});
    out.push_back({classKey + "\\MiscStatus", nullptr, "0"});
    out.push_back({classKey + "\\MiscStatus\\1", nullptr, std::to_string(kMiscStatus)});
    out.push_back({classKey + "\\ToolboxBitmap32", nullptr, modulePath + ", " + std::to_string(kToolboxBitmap)});
    out.push_back({classKey + "\\TypeLib", nullptr, kTypeLibText});
    out.push_back({classKey + "\\Version", nullptr, "1.0"});
}

std::vector<RegistryValue> ClassValues(HMODULE module, const std::string& modulePath) {
    std::vector<RegistryValue> values;
    for (const ClassRecord& record : kClassRecords)
        AddClass(values, record, ResourceString(module, record.typeNameString), modulePath);
    return values;
}

LSTATUS WriteValue(HKEY root, const RegistryValue& entry) {
    const std::string key = kClasses + entry.key;
    HKEY handle = nullptr;
    LSTATUS status =
        RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = RegSetValueExA(handle, entry.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.data.c_str()),
                            static_cast<DWORD>(entry.data.size() + 1));
    RegCloseKey(handle);
    return status;
}

bool WriteAll(HKEY root, const std::vector<RegistryValue>& values) {
    for (const RegistryValue& entry : values)
        if (WriteValue(root, entry) != ERROR_SUCCESS) return false;
    return true;
}

bool DeleteClasses(HKEY root) {
    bool done = true;
    for (const ClassRecord& record : kClassRecords) {
        for (const std::string& key : {std::string("CLSID\\") + record.classId, std::string(record.progId)}) {
            const DWORD status = SHDeleteKeyA(root, (kClasses + key).c_str());
            if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) done = false;
        }
    }
    return done;
}

// Whether the merged class view, which the class lookup reads, names this
// module as the control's server: true on Windows once the per-user
// entries exist, not on every emulation of it.
bool ClassesRootNames(const std::string& modulePath) {
    const std::string key = std::string("CLSID\\") + kControlClassText + "\\InprocServer32";
    char server[1024] = {};
    DWORD size = sizeof server - 1;
    DWORD type = 0;
    if (SHGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, &type, server, &size) != ERROR_SUCCESS) return false;
    return type == REG_SZ && lstrcmpiA(server, modulePath.c_str()) == 0;
}

bool ModuleFileName(HMODULE module, std::string& path) {
    char buffer[1024];
    const DWORD length = GetModuleFileNameA(module, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return false;
    path.assign(buffer, length);
    return true;
}

std::wstring Wide(const std::string& ansi) {
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

// Per-user type library registration where the system has it.
using TypeLibRegistrar = HRESULT(WINAPI*)(ITypeLib*, LPOLESTR, LPOLESTR);
using TypeLibRemover = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);

template <typename Function>
Function PerUser(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("oleaut32.dll"), name)));
}

HRESULT RegisterTypeLibrary(const std::string& modulePath) {
    std::wstring path = Wide(modulePath);
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return hr;
    const auto forUser = PerUser<TypeLibRegistrar>("RegisterTypeLibForUser");
    hr = forUser ? forUser(library, path.data(), nullptr) : RegisterTypeLib(library, path.data(), nullptr);
    library->Release();
    return hr;
}

constexpr SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

bool TypeLibraryRegistered() {
    const std::string key = std::string("TypeLib\\") + kTypeLibText + "\\1.0";
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

HRESULT UnregisterTypeLibrary() {
    if (!TypeLibraryRegistered()) return S_OK;
    const auto forUser = PerUser<TypeLibRemover>("UnRegisterTypeLibForUser");
    const HRESULT hr = forUser ? forUser(LIBID_PANORELLLISTVIEWLib, 1, 0, LOCALE_NEUTRAL, kSysKind)
                               : UnRegisterTypeLib(LIBID_PANORELLLISTVIEWLib, 1, 0, LOCALE_NEUTRAL, kSysKind);
    if (SUCCEEDED(hr) || !forUser) return hr;
    // Registered for the machine by an earlier system or installer.
    return UnRegisterTypeLib(LIBID_PANORELLLISTVIEWLib, 1, 0, LOCALE_NEUTRAL, kSysKind);
}

}  // namespace

HRESULT RegisterControlLibrary(HMODULE module) {
    std::string modulePath;
    if (!ModuleFileName(module, modulePath)) return SELFREG_E_TYPELIB;
    if (FAILED(RegisterTypeLibrary(modulePath))) return SELFREG_E_TYPELIB;
    const std::vector<RegistryValue> values = ClassValues(module, modulePath);
    bool written = WriteAll(HKEY_CURRENT_USER, values);
    if (written && !ClassesRootNames(modulePath)) written = WriteAll(HKEY_LOCAL_MACHINE, values);
    if (written) return S_OK;
    (void)UnregisterControlLibrary(module);
    return SELFREG_E_CLASS;
}

HRESULT UnregisterControlLibrary(HMODULE) {
    const bool typeLibraryGone = SUCCEEDED(UnregisterTypeLibrary());
    const bool user = DeleteClasses(HKEY_CURRENT_USER);
    const bool machine = DeleteClasses(HKEY_LOCAL_MACHINE);
    if (!typeLibraryGone) return SELFREG_E_TYPELIB;
    return user && machine ? S_OK : SELFREG_E_CLASS;
}

}  // namespace panorell
