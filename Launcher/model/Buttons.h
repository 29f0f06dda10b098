#pragma once
// The button table: every launchable item of every section, in record order.
// Position k holds the record Button<k+1> of [Buttons].
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvella {

inline constexpr char kButtonsSection[] = "Buttons";
// Separates the five fields of a record.
inline constexpr char kFieldSeparator = '\xFF';
inline constexpr int kButtonSlots = 50;
// The longest record the table reads whole.
inline constexpr std::size_t kLongestRecord = 32768;

struct ButtonRecord {
    std::string target;
    int16_t section = 0;  // 0 marks a record to be dropped at the next rewrite
    std::string tooltip;
    std::string text;
    std::string icon;
    friend bool operator==(const ButtonRecord&, const ButtonRecord&) = default;
};

struct ButtonTable {
    int16_t gButtonCount = 0;
    std::vector<std::string> gButtonTarget;
    std::vector<int16_t> gButtonSection;
    std::vector<std::string> gButtonTooltip;
    std::vector<std::string> gButtonText;
    std::vector<std::string> gButtonIcon;
    // The table position shown by each launch button control; filled by the layout.
    std::array<int16_t, kButtonSlots + 1> gSlotButton{};

    void Clear();
    void Append(const ButtonRecord& record);
    ButtonRecord Record(int k) const;
    void SetRecord(int k, const ButtonRecord& record);
    bool Valid(int k) const { return k >= 0 && k < gButtonCount; }
    friend bool operator==(const ButtonTable&, const ButtonTable&) = default;
};

// Takes record `from` out and puts it at position `to`; the records of the
// same section lying between the two move one place towards `from`'s old
// position, records of other sections keep theirs. All five fields move.
void MoveButton(ButtonTable& table, int from, int to);

// A record's value as read from the file: nothing when it ends the table
// (absent, empty, without a separator, or with an empty target). A record
// of the older three-separator form gets its empty icon field.
std::optional<ButtonRecord> DecodeButtonRecord(std::string_view value);

// The value written for a record. Control characters and the separator byte
// are taken out of the fields, so a record always reads back as written.
std::string EncodeButtonRecord(const ButtonRecord& record);

// The file a button's icon comes from: its icon file, as it stands, when it
// has one; else its target, where a shortcut copy is found in the program
// folder. An icon file is a path of its own choosing, even when it is a
// shortcut.
std::string IconSource(const std::string& icon, const std::string& target, const std::string& programFolder);

// True for the names of shortcut copies kept in the program folder:
// ".lnk", ".rnk", ".pif" and ".url", in any case.
bool IsShortcutCopyName(std::string_view target);

}  // namespace corvella
