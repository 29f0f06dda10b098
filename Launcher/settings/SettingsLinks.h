#pragma once
// What the settings routines ask of the subsystems around them: the splash
// window, the section and button tables, the eject drive selection and the
// hot-key receiver's sensitivity. Each subsystem implements its part; until
// it exists, these defaults keep the settings routines whole on their own.
#include <cstdint>
#include <string>

namespace corvella {

class SettingsLinks {
public:
    virtual ~SettingsLinks() = default;

    // Shows the welcome window without waiting (start-up only).
    virtual void ShowSplash() {}

    virtual int16_t CurrentSection() const { return currentSection_; }
    virtual void SetCurrentSection(int16_t section) { currentSection_ = section; }
    virtual void LoadSections() {}
    virtual void LoadButtons() {}
    // Writes the section table (names, sizes, colours).
    virtual void SaveSections() {}

    // Selects the removable drive whose letter starts `ejectDefault` and shows
    // it on the eject button; the eject button's caption.
    virtual void RestoreEjectSelection(const std::string& /*ejectDefault*/) {}
    virtual std::string EjectButtonCaption() const { return {}; }

private:
    int16_t currentSection_ = 1;
};

}  // namespace corvella
