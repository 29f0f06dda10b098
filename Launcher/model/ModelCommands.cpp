// The commands of the section tab's and the launch button's context menus:
// each refuses while the configuration is locked, asks what it needs, and
// writes its change at once.
#include "../settings/ProfileText.h"
#include "../settings/Startup.h"
#include "Model.h"

namespace corvella {

void Model::Tell(const char* message) {
    deps_.dialogs.ShowMessage(message, MessageButtons::Ok, kProgramTitle);
}

bool Model::RefusedWhileLocked(const char* message) {
    if (deps_.settings.gLocked == 0) return false;
    Tell(message);
    return true;
}

void Model::Arrange() {
    if (deps_.arrangeWindow) deps_.arrangeWindow();
}

void Model::OnAddSectionCommand() {
    if (RefusedWhileLocked("Cannot add a section when Corvella is Locked!")) return;
    AddSection();
}

void Model::OnRenameSectionCommand(int index) {
    if (RefusedWhileLocked("Cannot change section name when Corvella is Locked!")) return;
    RenameSection(index);
}

void Model::OnDeleteSectionCommand(int index) {
    if (RefusedWhileLocked("Cannot delete a section when Corvella is Locked!")) return;
    if (deps_.dialogs.ShowMessage("Delete this section and all its Buttons?", MessageButtons::YesNo,
                                  "Confirmation") != MessageAnswer::Yes)
        return;
    DeleteSection(index);
    Settings& s = deps_.settings;
    if (s.HomeSection > sections_.gSectionCount) {
        s.HomeSection = 1;
        s.UseHomeSection = 0;
    }
}

void Model::OnHomeCommand() {
    if (RefusedWhileLocked("Cannot change home section when Corvella is Locked!")) return;
    deps_.settings.HomeSection = sections_.gCurrentSection;
}

void Model::EditButtonField(int index, std::vector<std::string>& field, const char* prompt, const char* title,
                            const std::function<void(const std::string&)>& show) {
    const int k = PositionOfSlot(index);
    if (k < 0) return;
    const auto at = static_cast<size_t>(k);
    std::string value = SingleLineValue(deps_.dialogs.AskText(prompt, title, field[at]));
    if (value.empty()) return;
    field[at] = value;
    show(value);
    WriteButtonRecord(k);
}

void Model::ClearButtonField(int index, std::vector<std::string>& field,
                             const std::function<void(const std::string&)>& show) {
    const int k = PositionOfSlot(index);
    if (k < 0) return;
    show("");
    field[static_cast<size_t>(k)].clear();
    WriteButtonRecord(k);
}

void Model::OnAddButtonTextCommand(int index) {
    if (RefusedWhileLocked("Cannot edit button text when Corvella is Locked!")) return;
    if (sections_.StyleCode(sections_.gCurrentSection) == 0) {
        Tell("This section must be using large buttons to add text...");
        return;
    }
    EditButtonField(index, buttons_.gButtonText, "Enter Button Text...", "Button Text", [&](const std::string& text) {
        deps_.controls.SetCaption({ControlName::buttonObj, index}, text);
        buttons_.gButtonSection[static_cast<size_t>(buttons_.gSlotButton[static_cast<size_t>(index)])] =
            sections_.gCurrentSection;
    });
}

void Model::OnDeleteButtonTextCommand(int index) {
    if (RefusedWhileLocked("Cannot delete button text when Corvella is Locked!")) return;
    ClearButtonField(index, buttons_.gButtonText,
                     [&](const std::string& text) { deps_.controls.SetCaption({ControlName::buttonObj, index}, text); });
}

void Model::OnTooltipCommand(int index) {
    if (RefusedWhileLocked("Cannot add a button tooltip when Corvella is Locked!")) return;
    EditButtonField(index, buttons_.gButtonTooltip, "Enter Tooltip...", "Button Tooltip",
                    [&](const std::string& tip) { deps_.controls.SetToolTip({ControlName::buttonObj, index}, tip); });
}

void Model::OnDeleteTooltipCommand(int index) {
    if (RefusedWhileLocked("Cannot delete a button tooltip when Corvella is Locked!")) return;
    ClearButtonField(index, buttons_.gButtonTooltip,
                     [&](const std::string& tip) { deps_.controls.SetToolTip({ControlName::buttonObj, index}, tip); });
}

void Model::OnIconCommand(int index) {
    if (RefusedWhileLocked("Cannot change button icon when Corvella is Locked!")) return;
    const int k = PositionOfSlot(index);
    if (k < 0) return;
    busy_ = true;
    std::string chosen = deps_.chooseIconFile ? deps_.chooseIconFile() : std::string();
    buttons_.gButtonIcon[static_cast<size_t>(k)] = chosen;
    WriteButtonRecord(k);
    LoadButtons();
    Arrange();
    // Clicks queued while the dialog was open still find the window busy.
    if (deps_.letPendingEventsRun) deps_.letPendingEventsRun();
    busy_ = false;
}

void Model::OnResetIconCommand(int index) {
    if (RefusedWhileLocked("Cannot change button icon when Corvella is Locked!")) return;
    const int k = PositionOfSlot(index);
    if (k < 0) return;
    busy_ = true;
    buttons_.gButtonIcon[static_cast<size_t>(k)].clear();
    WriteButtonRecord(k);
    LoadButtons();
    Arrange();
    busy_ = false;
}

void Model::OnDeleteCommand(int index) {
    if (RefusedWhileLocked("Cannot delete a button when Corvella is Locked!")) return;
    DeleteButton(index);
    SaveAllButtons();
    LoadButtons();
    Arrange();
}

void Model::OnDeleteAllCommand() {
    if (RefusedWhileLocked("Cannot delete buttons when Corvella is Locked!")) return;
    if (deps_.dialogs.ShowMessage("Delete All Buttons in this Section?", MessageButtons::YesNo, "Confirmation") !=
        MessageAnswer::Yes)
        return;
    for (int s = 0; s < buttons_.gButtonCount && s < kButtonSlots; ++s) {
        const int k = PositionOfSlot(s);
        if (k >= 0 && buttons_.gButtonSection[static_cast<size_t>(k)] == sections_.gCurrentSection) DeleteButton(s);
    }
    SaveAllButtons();
    LoadButtons();
    Arrange();
}

}  // namespace corvella
