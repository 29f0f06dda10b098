#pragma once
// Registry entries a test makes for the probe program and removes again:
// a document type whose open command is the probe, and the shortcut
// reader's registration.
#include <windows.h>

#include <string>

namespace corvella::testing {

// Documents with the extension ".cvprobe" open with the probe.
class ProbeDocumentType {
public:
    explicit ProbeDocumentType(const std::string& probe) {
        const std::string command = "\"" + probe + "\" \"%1\"";
        ok_ = RegSetValueA(HKEY_CLASSES_ROOT, ".cvprobe", REG_SZ, "CorvellaProbe.Document", 0) == ERROR_SUCCESS &&
              RegSetValueA(HKEY_CLASSES_ROOT, "CorvellaProbe.Document\\shell\\open", REG_SZ, "&Open", 0) ==
                  ERROR_SUCCESS &&
              RegSetValueA(HKEY_CLASSES_ROOT, "CorvellaProbe.Document\\shell\\open\\command", REG_SZ,
                           command.c_str(), 0) == ERROR_SUCCESS;
    }
    // Deepest key first: a key with sub-keys cannot be deleted.
    ~ProbeDocumentType() {
        for (const char* key : {"CorvellaProbe.Document\\shell\\open\\command", "CorvellaProbe.Document\\shell\\open",
                                "CorvellaProbe.Document\\shell", "CorvellaProbe.Document", ".cvprobe"})
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }
    ProbeDocumentType(const ProbeDocumentType&) = delete;
    ProbeDocumentType& operator=(const ProbeDocumentType&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_ = false;
};

// Registers the installed shortcut reader for this test and removes the
// registration again afterwards.
class ReaderRegistration {
public:
    explicit ReaderRegistration(const std::string& dll) : module_(LoadLibraryA(dll.c_str())) {
        registered_ = Call("DllRegisterServer");
    }
    ~ReaderRegistration() {
        if (registered_) Call("DllUnregisterServer");
        if (module_) FreeLibrary(module_);
    }
    ReaderRegistration(const ReaderRegistration&) = delete;
    ReaderRegistration& operator=(const ReaderRegistration&) = delete;
    bool registered() const { return registered_; }

private:
    bool Call(const char* name) {
        using Entry = HRESULT(__stdcall*)();
        auto entry = module_ ? reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
        return entry && SUCCEEDED(entry());
    }
    HMODULE module_;
    bool registered_ = false;
};

}  // namespace corvella::testing
