// Loading, rewriting and deleting button records, and their icons.
#include "../dialogs/Looks.h"
#include "../settings/ProfileText.h"
#include "Model.h"

namespace corvella {

namespace {

// Records are read with a 512-character buffer. A record that fills it may
// have been cut; it is read again with a larger buffer, since the next full
// rewrite would otherwise store the cut record and lose the rest of it.
constexpr std::size_t kRecordBuffer = 512;

std::string ReadRecord(Profile& profile, const std::string& key) {
    std::size_t buffer = kRecordBuffer;
    std::string value = profile.Read(kButtonsSection, key, "<done>", buffer);
    while (value.size() == buffer - 1 && buffer < kLongestRecord) {
        buffer *= 4;
        value = profile.Read(kButtonsSection, key, "<done>", buffer);
    }
    return value;
}

std::string IconKey(int k) { return "I" + std::to_string(k); }

}  // namespace

int Model::PositionOfSlot(int slot) const {
    if (slot < 0 || slot > kButtonSlots) return -1;
    const int k = buttons_.gSlotButton[static_cast<size_t>(slot)];
    return buttons_.Valid(k) ? k : -1;
}

void Model::FetchButtonIcon(int k) {
    const auto at = static_cast<size_t>(k);
    deps_.icons.FetchIcon(IconSource(buttons_.gButtonIcon[at], buttons_.gButtonTarget[at], deps_.programFolder));
}

void Model::LoadButtons() {
    buttons_.Clear();
    for (int s = 0; s < kButtonSlots; ++s) deps_.controls.SetVisible({ControlName::buttonObj, s}, false);
    {
        ProfileSnapshot snapshot(deps_.profile);
        for (int n = 1;; ++n) {
            std::optional<ButtonRecord> record = DecodeButtonRecord(ReadRecord(deps_.profile, NumberedKey("Button", n)));
            if (!record) break;
            buttons_.Append(*record);
        }
    }
    RestartIcons();
}

void Model::RebuildIcons() { RestartIcons(); }

void Model::RestartIcons() {
    deps_.icons.ClearIconLists();
    iconWaiting_.assign(static_cast<size_t>(buttons_.gButtonCount), true);
    FetchIconsOfSection(sections_.gCurrentSection);
    deps_.icons.FetchIcon(deps_.programFolder + "\\fwp3.ico");
    deps_.icons.AddFetchedIcon(IconKey(buttons_.gButtonCount));
    ApplyFonts(deps_.settings, deps_.controls, sections_.gCurrentSection);
}

void Model::FetchIconsOfSection(int16_t section) {
    for (int k = 0; k < static_cast<int>(iconWaiting_.size()) && k < buttons_.gButtonCount; ++k) {
        const auto at = static_cast<size_t>(k);
        if (!iconWaiting_[at] || buttons_.gButtonSection[at] != section) continue;
        FetchButtonIcon(k);
        deps_.icons.AddFetchedIcon(IconKey(k));
        iconWaiting_[at] = false;
    }
}

bool Model::FetchWaitingIcons(int count) {
    for (int k = 0; k < static_cast<int>(iconWaiting_.size()) && k < buttons_.gButtonCount; ++k) {
        const auto at = static_cast<size_t>(k);
        if (!iconWaiting_[at]) continue;
        if (count-- == 0) return true;
        FetchButtonIcon(k);
        deps_.icons.AddFetchedIcon(IconKey(k));
        iconWaiting_[at] = false;
    }
    return false;
}

void Model::MoveButtonOfSlot(int fromSlot, int toSlot) {
    const int from = PositionOfSlot(fromSlot), to = PositionOfSlot(toSlot);
    if (from < 0 || to < 0) return;
    MoveButton(buttons_, from, to);
    RebuildIcons();
}

void Model::MoveButtonToSection(int slot, int16_t section) {
    const int k = PositionOfSlot(slot);
    if (k >= 0) buttons_.gButtonSection[static_cast<size_t>(k)] = section;
}

// One save, switches included: a kill between the blanking and the rewrite
// of the records must not leave the file without its buttons.
void Model::SaveAllButtons() {
    Profile& p = deps_.profile;
    ProfileSave save(p);
    deps_.saveSwitches();
    for (int n = 1; n <= buttons_.gButtonCount; ++n) p.Write(kButtonsSection, NumberedKey("Button", n), "");
    int j = 1;
    for (int k = 0; k < buttons_.gButtonCount; ++k) {
        if (buttons_.gButtonSection[static_cast<size_t>(k)] == 0) continue;
        p.Write(kButtonsSection, NumberedKey("Button", j++), EncodeButtonRecord(buttons_.Record(k)));
    }
}

void Model::DeleteButton(int slot) {
    const int k = PositionOfSlot(slot);
    if (k < 0) return;
    const std::string& target = buttons_.gButtonTarget[static_cast<size_t>(k)];
    if (IsShortcutCopyName(target)) deps_.files.RemoveFile(deps_.programFolder + "\\" + target);
    buttons_.gButtonSection[static_cast<size_t>(k)] = 0;
}

// Rewrites the whole record of position k under Button<k+1>.
void Model::WriteButtonRecord(int k) {
    deps_.profile.Write(kButtonsSection, NumberedKey("Button", k + 1), EncodeButtonRecord(buttons_.Record(k)));
}

}  // namespace corvella
