#pragma once
// The display resolution Wine gives the programs started while one of these
// lives.
#include <windows.h>

namespace corvella::testing {

// The display's resolution for programs started from now on, in the places
// Wine reads it from; the old values come back when the scope ends.
class DisplayDpi {
public:
    explicit DisplayDpi(DWORD dpi) {
        for (Place& p : places_) {
            if (RegCreateKeyExA(p.root, p.key, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &p.open, nullptr) !=
                ERROR_SUCCESS)
                continue;
            DWORD size = sizeof p.old;
            p.had = RegQueryValueExA(p.open, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&p.old), &size) ==
                    ERROR_SUCCESS;
            RegSetValueExA(p.open, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
        }
    }
    ~DisplayDpi() {
        for (Place& p : places_) {
            if (!p.open) continue;
            if (p.had)
                RegSetValueExA(p.open, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&p.old), sizeof p.old);
            else
                RegDeleteValueA(p.open, "LogPixels");
            RegCloseKey(p.open);
        }
    }
    DisplayDpi(const DisplayDpi&) = delete;
    DisplayDpi& operator=(const DisplayDpi&) = delete;

private:
    struct Place {
        HKEY root;
        const char* key;
        HKEY open = nullptr;
        bool had = false;
        DWORD old = 0;
    };
    Place places_[2] = {{HKEY_CURRENT_USER, "Control Panel\\Desktop"},
                        {HKEY_CURRENT_CONFIG, "Software\\Fonts"}};
};

}  // namespace corvella::testing
