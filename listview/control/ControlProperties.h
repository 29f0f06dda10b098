#pragma once
// The control's properties, described once: dispatch identifier, name,
// stored type, what a get or set may do, the place and default in the
// property exchange, and the property page control bound to it. Dispatch,
// persistence and the pages all read this one table.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace panorell {

// The stored state of the control object. Initial values are those of a
// newly constructed control; the exchange defaults differ for two of them.
struct ControlState {
    bool allowOleDrag = true;
    bool allowOleDrop = true;
    bool allowFileRename = true;
    bool showSystemContextMenus = true;
    bool multiSelect = true;
    int32_t currentNameSpace = 0;
    int32_t view = 0;
    int32_t currentType = 0;
    std::string currentFolder = "C:\\";
    int16_t mousePointer = 0;
    std::vector<uint8_t> mouseIcon;  // the picture's saved bytes; empty: none
    bool screenUpdate = true;
    bool hidden = false;
    bool archive = true;
    bool system = false;
    bool readOnly = true;
    std::string pattern = "*.*";
    bool showNameColumn = true;
    bool showSizeColumn = true;
    bool showTypeColumn = true;
    bool showModifiedColumn = true;
    int16_t borderStyle = 0;   // stock
    std::string caption;       // stock

    bool operator==(const ControlState&) const = default;
};

// Dispatch identifiers of the automation interface.
namespace dispid {
inline constexpr long kMousePointer = 1, kAllowOleDrag = 2, kAllowOleDrop = 3, kAllowFileRename = 4,
                      kShowSystemContextMenus = 5, kCurrentNameSpace = 6, kCurrentFolder = 7, kMultiSelect = 8,
                      kContextMenuItemCount = 9, kReadOnly = 10, kHidden = 11, kSystem = 12, kArchive = 13,
                      kPattern = 14, kAutoLinkTreeHwnd = 15, kFolderItem = 16, kListCount = 17,
                      kShowSizeColumn = 18, kShowTypeColumn = 19, kShowModifiedColumn = 20, kCurrentType = 21,
                      kView = 22, kAutoLinkPanorellCombo = 23, kMouseIcon = 24, kScreenUpdate = 25;
inline constexpr long kExecuteContextMenuItem = 26, kBackOneLevel = 27, kContextMenuItemText = 28, kList = 29,
                      kSelected = 30, kContextMenuItemVerb = 31;
inline constexpr long kBorderStyle = -504, kCaption = -518, kRefresh = -550, kAboutBox = -552;
// Events.
inline constexpr long kChange = 1, kControlError = 2, kClick = -600, kKeyDown = -602, kKeyPress = -603,
                      kKeyUp = -604, kMouseDown = -605, kMouseMove = -606, kMouseUp = -607;
}  // namespace dispid

enum class StoredType : uint8_t { None, Bool, Short, Long, String, Picture };

// What may be done with a property through automation.
enum class Access : uint8_t {
    ReadWrite,
    ReadOnly,       // a set raises 383
    WriteOnly,      // a get raises 394
    RunTimeRead,    // read-only, and a get at design time raises 394
};

// Which of the three pages shows a property.
enum class Page : uint8_t { None, General, Filters, Columns };

using StateMember = std::variant<std::monostate, bool ControlState::*, int16_t ControlState::*,
                                 int32_t ControlState::*, std::string ControlState::*,
                                 std::vector<uint8_t> ControlState::*>;
using ExchangeDefault = std::variant<std::monostate, bool, int16_t, int32_t, std::string_view>;

struct PropertyEntry {
    long dispid;          // 0: persisted only, not an automation property
    const char* name;     // automation name and property-bag name
    StoredType type;      // StoredType::None: not stored in the state
    Access access;
    int exchangeOrder;    // place in the property exchange; -1 not persisted
    ExchangeDefault exchangeDefault;
    StateMember member;
    Page page;
    int pageControl;      // the page's control id, 0 when none
};

// Every property, in dispatch order, then the ones only persisted.
std::span<const PropertyEntry> PropertyTable() noexcept;
// The persisted properties in exchange order.
const std::vector<const PropertyEntry*>& ExchangeOrder();
// The entry with that dispatch identifier, or with that name ignoring
// case; null when there is none.
const PropertyEntry* FindProperty(long dispid) noexcept;
const PropertyEntry* FindProperty(std::string_view name) noexcept;

// The state after the exchange loaded nothing: every persisted property at
// its exchange default (View and CurrentNameSpace 1), the rest as constructed.
ControlState ExchangeDefaults();
// Puts one entry's exchange default into `state`.
void ApplyDefault(const PropertyEntry& entry, ControlState& state);
// Whether the value an entry holds in `state` is one a setter could have
// stored (the enumerations' ranges).
bool HoldsValidValue(const PropertyEntry& entry, const ControlState& state);

// The mapping of the mouse pointer values to the system's cursors: the
// index into the cursor set the adapter resolves (see CursorShape).
enum class CursorShape : uint8_t {
    Arrow, Cross, IBeam, SizeAll, SizeNESW, SizeNS, SizeNWSE, SizeWE, UpArrow, Wait, No, AppStarting, Help,
    Custom, Unchanged,
};
CursorShape CursorFor(int mousePointer) noexcept;

}  // namespace panorell
