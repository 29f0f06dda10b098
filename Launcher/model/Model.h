#pragma once
// The launcher's data model: the section table and the button table, their
// records in Corvella.ini and the commands that change them. The model is
// also what the settings routines call to load and save both tables.
#include <functional>
#include <string>

#include "../mainwindow/WindowControls.h"
#include "../platform/Dialogs.h"
#include "../platform/FileSystem.h"
#include "../settings/SettingsFile.h"
#include "Buttons.h"
#include "IconStore.h"
#include "Sections.h"

namespace corvella {

struct ModelDeps {
    Settings& settings;
    Profile& profile;
    Dialogs& dialogs;
    WindowControls& controls;
    FileSystem& files;
    IconStore& icons;
    std::string programFolder;
    // Lays the main window out again.
    std::function<void()> arrangeWindow;
    // The settings file's routines: the looks with the section table, and
    // the switches.
    std::function<void()> saveLooksAndSections;
    std::function<void()> saveSwitches;
    // Asks the user for an icon file; empty when cancelled.
    std::function<std::string()> chooseIconFile;
    std::function<void()> letPendingEventsRun;
};

class Model final : public SettingsLinks {
public:
    Model(SectionTable& sections, ButtonTable& buttons, ModelDeps deps)
        : sections_(sections), buttons_(buttons), deps_(std::move(deps)) {}

    // The settings routines' view of the tables.
    int16_t CurrentSection() const override { return sections_.gCurrentSection; }
    void SetCurrentSection(int16_t section) override { sections_.gCurrentSection = section; }
    void LoadSections() override;
    void LoadButtons() override;
    void SaveSections() override;

    // Sections.
    void AddSection();
    void RenameSection(int index);
    void DeleteSection(int index);
    void CompactSections();
    void ShowCurrentSection(bool paint);
    void SetAllSectionStyles(int16_t style);
    // Moves the section of tab `from` to the place of tab `to` (both 0-based);
    // the sections between move one place back towards `from`. The section
    // keys are written at once, the buttons' new section numbers stay in
    // memory until the buttons are saved. The moved section becomes current.
    void MoveSection(int from, int to);

    // Buttons.
    void SaveAllButtons();
    void DeleteButton(int slot);
    void RebuildIcons();
    // Icons are fetched at once only for the buttons of the section on show;
    // the others wait, since a thousand shell icon look-ups would hold up the
    // start by seconds. A section gets its icons before it is shown, and the
    // rest come a few at a time while the launcher is idle.
    void FetchIconsOfSection(int16_t section);
    // Fetches up to `count` waiting icons; false once none wait.
    bool FetchWaitingIcons(int count);
    // Puts the record shown by launch button `fromSlot` at the place of the
    // one shown by `toSlot` (see MoveButton) and rebuilds the icon lists.
    void MoveButtonOfSlot(int fromSlot, int toSlot);
    // The record shown by launch button `slot` moves to section number `section`.
    void MoveButtonToSection(int slot, int16_t section);

    // The commands of the tab and button context menus, with their lock
    // guards, questions and input boxes. `index` is the control the menu was
    // opened on (gMenuIndex).
    void OnAddSectionCommand();
    void OnRenameSectionCommand(int index);
    void OnDeleteSectionCommand(int index);
    void OnHomeCommand();
    void OnAddButtonTextCommand(int index);
    void OnDeleteButtonTextCommand(int index);
    void OnTooltipCommand(int index);
    void OnDeleteTooltipCommand(int index);
    void OnIconCommand(int index);
    void OnResetIconCommand(int index);
    void OnDeleteCommand(int index);
    void OnDeleteAllCommand();

    // gBusy, set while the icon dialog is open or a shade runs: button and
    // tab events are ignored.
    bool busy() const { return busy_; }
    void SetBusy(bool busy) { busy_ = busy; }

    // The eject button: its drive chosen from the stored letter, and its
    // caption, whose first letter is stored.
    std::function<void(const std::string& ejectDefault)> onRestoreEjectSelection;
    void RestoreEjectSelection(const std::string& ejectDefault) override {
        if (onRestoreEjectSelection) onRestoreEjectSelection(ejectDefault);
    }
    std::string EjectButtonCaption() const override { return deps_.controls.Caption({ControlName::MinBut}); }

    // The welcome window, shown while the settings load at start-up.
    std::function<void()> onShowSplash;
    void ShowSplash() override {
        if (onShowSplash) onShowSplash();
    }

private:
    bool RefusedWhileLocked(const char* message);
    void Arrange();
    void Tell(const char* message);
    // Asks for a section name: one line, empty when cancelled or blank.
    std::string AskSectionName(const char* prompt, const char* title, const std::string& proposed);
    void WriteSectionRecord(int number, int fromSection);
    void EndSectionList();
    void WriteButtonRecord(int k);
    // Asks for a new value of one text field of the record shown by launch
    // button `index` (nothing changes on an empty answer), or clears it;
    // `show` puts the new value on the control; the record is written at once.
    void EditButtonField(int index, std::vector<std::string>& field, const char* prompt, const char* title,
                         const std::function<void(const std::string&)>& show);
    void ClearButtonField(int index, std::vector<std::string>& field,
                          const std::function<void(const std::string&)>& show);
    void FetchButtonIcon(int k);
    // Clears both icon lists, lets every position wait for its icon, fetches
    // those of the current section and then the default icon.
    void RestartIcons();
    // The table position shown by launch button `slot`, or -1.
    int PositionOfSlot(int slot) const;

    SectionTable& sections_;
    ButtonTable& buttons_;
    ModelDeps deps_;
    bool busy_ = false;
    // By position: its icon is not in the lists yet.
    std::vector<bool> iconWaiting_;
};

}  // namespace corvella
