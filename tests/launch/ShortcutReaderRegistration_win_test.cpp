// The shortcut reader's self-registration, against scratch keys standing in
// for the registry's roots, so the registration other tests use stays put.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "external/shortcutreader/ShortcutReaderId_win.h"

namespace corvella {
namespace {

namespace reader = shortcutreader;

const std::string kClassKey = std::string("Software\\Classes\\CLSID\\") + reader::kClassIdText;
const std::string kProgIdKey = std::string("Software\\Classes\\") + reader::kProgId;

// A default (name null) or named text value; "<none>" when absent.
std::string Value(HKEY root, const std::string& key, const char* name = nullptr) {
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (SHGetValueA(root, key.c_str(), name, &type, data, &size) != ERROR_SUCCESS || type != REG_SZ) return "<none>";
    return data;
}

// Points this process's user, machine and merged class roots at fresh keys
// for the test's life; `classes` is the merged view the class lookup reads.
class Registration : public ::testing::Test {
protected:
    void SetUp() override {
        for (HKEY& key : roots)
            ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (scratch + std::to_string(&key - roots)).c_str(), 0, nullptr,
                                      0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                      ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user), ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine), ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, classes), ERROR_SUCCESS);
        dll = LoadLibraryA((std::string(CORVELLA_DIST_DIR) + "\\shortcutreader.dll").c_str());
        ASSERT_NE(dll, nullptr);
        char path[MAX_PATH] = {};
        GetModuleFileNameA(dll, path, MAX_PATH);
        dllPath = path;
    }
    void TearDown() override {
        if (dll) FreeLibrary(dll);
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT}) RegOverridePredefKey(root, nullptr);
        for (HKEY key : roots)
            if (key) RegCloseKey(key);
        SHDeleteKeyA(HKEY_CURRENT_USER, scratch.substr(0, scratch.rfind('\\')).c_str());
    }

    HRESULT Call(const char* name) const {
        using Export = HRESULT(WINAPI*)();
        auto call = reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
        return call ? call() : E_NOTIMPL;
    }
    void ExpectRegistered(HKEY root) const {
        EXPECT_EQ(Value(root, kClassKey), "Corvella shortcut reader");
        EXPECT_EQ(lstrcmpiA(Value(root, kClassKey + "\\InprocServer32").c_str(), dllPath.c_str()), 0);
        EXPECT_EQ(Value(root, kClassKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
        EXPECT_EQ(Value(root, kClassKey + "\\ProgID"), reader::kProgId);
        EXPECT_EQ(Value(root, kProgIdKey + "\\CLSID"), reader::kClassIdText);
    }

    const std::string scratch =
        "Software\\Corvella Tests\\registration-" + std::to_string(GetCurrentProcessId()) + "\\root";
    HKEY roots[3] = {};
    HKEY& user = roots[0];
    HKEY& machine = roots[1];
    HKEY& classes = roots[2];
    HMODULE dll = nullptr;
    std::string dllPath;
};

// Where the merged view names the DLL once the per-user entries exist (as
// on Windows), nothing goes to the machine.
TEST_F(Registration, PerUserWhereTheClassLookupSeesIt) {
    ASSERT_EQ(SHSetValueA(classes, "CLSID\\{487A5A68-343C-4209-9F96-70E56CCF1AC8}\\InprocServer32", nullptr, REG_SZ,
                          dllPath.c_str(), static_cast<DWORD>(dllPath.size() + 1)),
              ERROR_SUCCESS);
    EXPECT_EQ(Call("DllRegisterServer"), S_OK);
    ExpectRegistered(user);
    EXPECT_EQ(Value(machine, kClassKey), "<none>");
}

// Where it does not (Wine's merged view shows only the machine's classes),
// the machine gets the same entries; unregistering removes both, twice.
TEST_F(Registration, MachineTooWhereTheLookupMissesPerUserClasses) {
    EXPECT_EQ(Call("DllRegisterServer"), S_OK);
    ExpectRegistered(user);
    ExpectRegistered(machine);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Call("DllUnregisterServer"), S_OK);
        for (HKEY root : {user, machine}) {
            EXPECT_EQ(SHGetValueA(root, kClassKey.c_str(), nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
            EXPECT_EQ(SHGetValueA(root, kProgIdKey.c_str(), nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
        }
    }
}

}  // namespace
}  // namespace corvella
