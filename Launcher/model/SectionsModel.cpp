// Loading, saving and editing the section table.
#include <cstdlib>

#include "../mainwindow/MainWindowLoad.h"
#include "../settings/ProfileText.h"
#include "Model.h"

namespace corvella {

namespace {

constexpr std::size_t kReadBuffer = 128;

std::string ReadText(Profile& profile, const char* section, const std::string& key, const std::string& dflt) {
    return Trimmed(profile.Read(section, key, dflt, kReadBuffer));
}

ControlRef Tab(int index) { return {ControlName::sectionButton, index}; }

}  // namespace

void Model::LoadSections() {
    Profile& p = deps_.profile;
    ProfileSnapshot snapshot(p);
    for (int i = 0; i < 4; ++i) {
        int16_t style = ParseInteger(ReadText(p, kOptions, NumberedKey("gActiveButtons", i + 1), "2"), 2);
        deps_.settings.gActiveButtons[static_cast<size_t>(i)] = static_cast<int16_t>(std::abs(style));
    }
    if (sections_.gCurrentSection < 1)
        sections_.gCurrentSection = ParseInteger(ReadText(p, kOptions, "LastSection", "1"), 1);
    deps_.settings.gSectionStyle = ParseInteger(ReadText(p, kOptions, "gSectionStyle", "2"), 2);
    if (sections_.gCurrentSection < 1) sections_.gCurrentSection = 1;

    sections_.gSectionCount = 0;
    for (int i = 1; i <= kMaxSections; ++i) {
        std::string name = ReadText(p, kOptions, SectionKey(i, "Name"), "");
        if (name.empty() || name.front() == '\0') break;
        while (name.size() > 1 && static_cast<unsigned char>(name.back()) < 14) name.pop_back();
        sections_.gSectionName[static_cast<size_t>(i)] = name;
        sections_.gSectionSize[static_cast<size_t>(i)] =
            KnownStyleOr(ParseInteger(ReadText(p, kOptions, SectionKey(i, "Size"), "-1"), -1), -1);
        sections_.gSectionCount = static_cast<int16_t>(i);
    }
    for (int i = 1; i <= kMaxSections; ++i) {
        const auto at = static_cast<size_t>(i);
        sections_.gSectionColor[at] = ParseColour(
            ReadText(p, kSectionsSection, NumberedKey("Color", i), std::to_string(kButtonFaceColour)),
            kButtonFaceColour);
        sections_.gSectionFGColor[at] = ParseColour(ReadText(p, kSectionsSection, NumberedKey("FGColor", i), "0"), 0);
        deps_.controls.SetBackColor(Tab(i - 1), sections_.gSectionColor[at]);
        deps_.controls.SetForeColor(Tab(i - 1), sections_.gSectionFGColor[at]);
    }
    if (sections_.gSectionCount == 0) {
        sections_.gSectionCount = 1;
        sections_.gCurrentSection = 1;
        sections_.gSectionName[1] = "Section 1";
        sections_.gSectionSize[1] = -1;
        deps_.saveLooksAndSections();
    }
}

void Model::SaveSections() {
    Profile& p = deps_.profile;
    ProfileSave save(p);
    for (int i = 1; i <= sections_.gSectionCount; ++i) {
        const auto at = static_cast<size_t>(i);
        p.Write(kOptions, SectionKey(i, "Name"), ProfileValue(SingleLineValue(sections_.gSectionName[at])));
        p.Write(kOptions, SectionKey(i, "Size"), std::to_string(sections_.gSectionSize[at]));
    }
    EndSectionList();
    for (int i = 1; i <= kMaxSections; ++i) {
        const auto at = static_cast<size_t>(i);
        p.Write(kSectionsSection, NumberedKey("Color", i), std::to_string(sections_.gSectionColor[at]));
        p.Write(kSectionsSection, NumberedKey("FGColor", i), std::to_string(sections_.gSectionFGColor[at]));
    }
}

// The list ends at the first empty name. A name left after the last section
// (a hand edit that dropped an earlier one) would add a section the user
// never saw at the next start, so it is cleared.
void Model::EndSectionList() {
    const int next = sections_.gSectionCount + 1;
    if (next > kMaxSections) return;
    if (!Trimmed(deps_.profile.Read(kOptions, SectionKey(next, "Name"), "", 128)).empty())
        deps_.profile.Write(kOptions, SectionKey(next, "Name"), "");
}

void Model::SetAllSectionStyles(int16_t style) { sections_.gSectionSize.fill(style); }

void Model::AddSection() {
    if (sections_.gSectionCount >= kMaxSections) {
        Tell("You can only have up to 20 sections, man... You may want to lookup the word 'consolidate'");
        return;
    }
    const int number = sections_.gSectionCount + 1;
    std::string name =
        AskSectionName("Enter a name for the new section...", "New Section", "Section " + std::to_string(number));
    if (name.empty()) return;
    const auto at = static_cast<size_t>(number);
    sections_.gSectionName[at] = name;
    sections_.gSectionSize[at] = 1;
    sections_.gSectionColor[at] = kButtonFaceColour;
    sections_.gSectionCount = static_cast<int16_t>(number);
    deps_.profile.Write(kOptions, SectionKey(number, "Name"), ProfileValue(Trimmed(name)));
    deps_.controls.SetBackColor(Tab(number - 1), sections_.gSectionColor[at]);
    deps_.controls.SetForeColor(Tab(number - 1), sections_.gSectionFGColor[at]);
    Arrange();
}

// A name of blanks only counts as no answer: it would be written as an empty
// name, which ends the section list at the next start.
std::string Model::AskSectionName(const char* prompt, const char* title, const std::string& proposed) {
    std::string name = SingleLineValue(deps_.dialogs.AskText(prompt, title, proposed));
    return Trimmed(name).empty() ? std::string() : name;
}

void Model::RenameSection(int index) {
    if (index < 0 || index >= sections_.gSectionCount) return;
    const auto at = static_cast<size_t>(index + 1);
    std::string name = AskSectionName("Enter NEW name...", "Rename Section", sections_.gSectionName[at]);
    if (name.empty()) return;
    sections_.gSectionName[at] = name;
    deps_.controls.SetCaption(Tab(index), name);
    deps_.profile.Write(kOptions, SectionKey(index + 1, "Name"), ProfileValue(Trimmed(name)));
}

void Model::DeleteSection(int index) {
    if (sections_.gSectionCount == 1) {
        Tell("You need at least ONE section - can't delete the only one!");
        return;
    }
    if (index < 0 || index >= sections_.gSectionCount) return;
    const int deleted = index + 1;
    ShowCurrentSection(false);
    for (int k = 0; k < buttons_.gButtonCount; ++k) {
        int16_t& section = buttons_.gButtonSection[static_cast<size_t>(k)];
        if (section == deleted) {
            const std::string& target = buttons_.gButtonTarget[static_cast<size_t>(k)];
            if (IsShortcutCopyName(target)) deps_.files.RemoveFile(deps_.programFolder + "\\" + target);
            section = 0;
        } else if (section > deleted) {
            --section;
        }
    }
    // The rewritten records and the compacted sections reach the file as one
    // save: either alone would pair buttons with the wrong sections.
    ProfileSave save(deps_.profile);
    const int16_t remembered = sections_.gCurrentSection;
    SaveAllButtons();
    LoadButtons();
    Arrange();

    sections_.gSectionName[static_cast<size_t>(deleted)] = kDeletedSectionName;
    CompactSections();
    for (int i = 1; i <= sections_.gSectionCount; ++i) {
        sections_.gCurrentSection = static_cast<int16_t>(i);
        ShowCurrentSection(false);
    }
    sections_.gCurrentSection = remembered <= sections_.gSectionCount ? remembered : sections_.gSectionCount;
    ShowCurrentSection(true);
    Arrange();
}

void Model::CompactSections() {
    Profile& p = deps_.profile;
    ProfileSave save(p);
    const int count = sections_.gSectionCount;
    for (int i = 1; i <= count; ++i) {
        deps_.controls.SetVisible(Tab(i - 1), false);
        p.Write(kOptions, SectionKey(i, "Name"), "");
        p.Write(kOptions, SectionKey(i, "Size"), "");
        p.Write(kSectionsSection, NumberedKey("Color", i), std::to_string(kButtonFaceColour));
        p.Write(kSectionsSection, NumberedKey("FGColor", i), "0");
    }
    int j = 0;
    for (int i = 1; i <= count; ++i)
        if (sections_.gSectionName[static_cast<size_t>(i)] != kDeletedSectionName) WriteSectionRecord(++j, i);
    --sections_.gSectionCount;
    LoadSections();
    Arrange();
}

// Writes section `from`'s four values under the number `number`.
void Model::WriteSectionRecord(int number, int from) {
    const auto at = static_cast<size_t>(from);
    Profile& p = deps_.profile;
    p.Write(kOptions, SectionKey(number, "Name"),
            ProfileValue(Trimmed(SingleLineValue(sections_.gSectionName[at]))));
    p.Write(kOptions, SectionKey(number, "Size"), std::to_string(sections_.gSectionSize[at]));
    p.Write(kSectionsSection, NumberedKey("Color", number), std::to_string(sections_.gSectionColor[at]));
    p.Write(kSectionsSection, NumberedKey("FGColor", number), std::to_string(sections_.gSectionFGColor[at]));
}

void Model::MoveSection(int from, int to) {
    const int count = sections_.gSectionCount;
    if (from < 0 || to < 0 || from >= count || to >= count) return;
    const int dragged = from + 1, target = to + 1;
    ProfileSave save(deps_.profile);
    const int step = to > from ? 1 : -1;
    // Numbers after the move, old number -> new number.
    auto newNumber = [&](int n) {
        if (n == dragged) return target;
        const bool between = step > 0 ? (n > dragged && n <= target) : (n >= target && n < dragged);
        return between ? n - step : n;
    };
    WriteSectionRecord(target, dragged);
    for (int n = dragged + step; n != target + step; n += step) WriteSectionRecord(newNumber(n), n);
    for (int16_t& section : buttons_.gButtonSection)
        if (section >= 1 && section <= count) section = static_cast<int16_t>(newNumber(section));
    LoadSections();
    ShowCurrentSection(false);
    sections_.gCurrentSection = static_cast<int16_t>(target);
    ShowCurrentSection(true);
    Arrange();
}

void Model::ShowCurrentSection(bool paint) {
    WindowControls& c = deps_.controls;
    // Every tab, all 20, loses the current look: a tab left marked after the
    // section changed would show the wrong section as current.
    for (int i = 0; i < kMaxSections; ++i) c.SetThreeDProperty(Tab(i), kThreeDTabLook, kNormalLook);
    for (int i = 0; i < sections_.gSectionCount; ++i) c.SetFontBold(Tab(i), false);
    const ControlRef current = Tab(sections_.gCurrentSection - 1);
    c.SetThreeDProperty(current, kThreeDTabLook, kCurrentLook);
    c.SetFontBold(current, paint);
    if (!paint || deps_.settings.EnableColors == 0) return;
    if (sections_.gCurrentSection < 1 || sections_.gCurrentSection > kMaxSections) return;
    const int32_t colour = sections_.gSectionColor[static_cast<size_t>(sections_.gCurrentSection)];
    for (ControlName n : {ControlName::oButton, ControlName::reOrgBut, ControlName::MinBut}) c.SetBackColor({n, 0}, colour);
    c.SetBackColor(current, colour);
}

}  // namespace corvella
