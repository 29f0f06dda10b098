#include "ControlProperties.h"

#include <algorithm>
#include <cctype>

#include "ControlErrors.h"

namespace panorell {

namespace {

using S = ControlState;
constexpr StoredType kBool = StoredType::Bool, kShort = StoredType::Short, kLong = StoredType::Long,
                     kString = StoredType::String, kPicture = StoredType::Picture, kNone = StoredType::None;
constexpr Access kRW = Access::ReadWrite, kWO = Access::WriteOnly,
                 kRunRO = Access::RunTimeRead;
constexpr std::monostate kNo{};

// Exchange places: the stock properties first (after the version), then
// the control's own in the order a saved stream holds them.
const PropertyEntry kTable[] = {
    {dispid::kMousePointer, "MousePointer", kShort, kRW, 20, int16_t{0}, &S::mousePointer, Page::None, 0},
    {dispid::kAllowOleDrag, "AllowOleDrag", kBool, kRW, 2, true, &S::allowOleDrag, Page::General, 203},
    {dispid::kAllowOleDrop, "AllowOleDrop", kBool, kRW, 3, true, &S::allowOleDrop, Page::General, 202},
    {dispid::kAllowFileRename, "AllowFileRename", kBool, kRW, 4, true, &S::allowFileRename, Page::General, 201},
    {dispid::kShowSystemContextMenus, "ShowSystemContextMenus", kBool, kRW, 5, true, &S::showSystemContextMenus,
     Page::General, 204},
    {dispid::kCurrentNameSpace, "CurrentNameSpace", kLong, kRW, 8, int32_t{1}, &S::currentNameSpace, Page::General,
     208},
    {dispid::kCurrentFolder, "CurrentFolder", kString, kRW, 10, std::string_view("C:\\"), &S::currentFolder,
     Page::General, 205},
    {dispid::kMultiSelect, "MultiSelect", kBool, kRW, 6, true, &S::multiSelect, Page::General, 210},
    {dispid::kContextMenuItemCount, "ContextMenuItemCount", kNone, kRunRO, -1, kNo, kNo, Page::None, 0},
    {dispid::kReadOnly, "ReadOnly", kBool, kRW, 14, true, &S::readOnly, Page::Filters, 215},
    {dispid::kHidden, "Hidden", kBool, kRW, 11, false, &S::hidden, Page::Filters, 214},
    {dispid::kSystem, "System", kBool, kRW, 13, false, &S::system, Page::Filters, 216},
    {dispid::kArchive, "Archive", kBool, kRW, 12, true, &S::archive, Page::Filters, 213},
    {dispid::kPattern, "Pattern", kString, kRW, 15, std::string_view("*.*"), &S::pattern, Page::Filters, 218},
    {dispid::kAutoLinkTreeHwnd, "AutoLinkTreeHwnd", kNone, kWO, -1, kNo, kNo, Page::None, 0},
    {dispid::kFolderItem, "FolderItem", kNone, kWO, -1, kNo, kNo, Page::None, 0},
    {dispid::kListCount, "ListCount", kNone, kRunRO, -1, kNo, kNo, Page::None, 0},
    {dispid::kShowSizeColumn, "ShowSizeColumn", kBool, kRW, 17, true, &S::showSizeColumn, Page::Columns, 221},
    {dispid::kShowTypeColumn, "ShowTypeColumn", kBool, kRW, 18, true, &S::showTypeColumn, Page::Columns, 222},
    {dispid::kShowModifiedColumn, "ShowModifiedColumn", kBool, kRW, 19, true, &S::showModifiedColumn, Page::Columns,
     223},
    {dispid::kCurrentType, "CurrentType", kLong, kRW, 7, int32_t{0}, &S::currentType, Page::General, 209},
    {dispid::kBorderStyle, "BorderStyle", kShort, kRW, 0, int16_t{0}, &S::borderStyle, Page::General, 226},
    {dispid::kView, "View", kLong, kRW, 9, int32_t{1}, &S::view, Page::General, 211},
    {dispid::kAutoLinkPanorellCombo, "AutoLinkPanorellCombo", kNone, kWO, -1, kNo, kNo, Page::None, 0},
    {dispid::kCaption, "Caption", kString, kRW, 1, std::string_view(""), &S::caption, Page::None, 0},
    {dispid::kMouseIcon, "MouseIcon", kPicture, kRW, 21, kNo, &S::mouseIcon, Page::None, 0},
    {dispid::kScreenUpdate, "ScreenUpdate", kBool, kRW, 22, true, &S::screenUpdate, Page::None, 0},
    {0, "ShowNameColumn", kBool, kRW, 16, true, &S::showNameColumn, Page::None, 0},
};

bool SameNameIgnoringCase(std::string_view a, std::string_view b) noexcept {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

long StoredNumber(const PropertyEntry& entry, const ControlState& state) {
    if (auto member = std::get_if<int16_t S::*>(&entry.member)) return state.**member;
    if (auto member = std::get_if<int32_t S::*>(&entry.member)) return state.**member;
    return 0;
}

}  // namespace

std::span<const PropertyEntry> PropertyTable() noexcept { return kTable; }

const std::vector<const PropertyEntry*>& ExchangeOrder() {
    static const std::vector<const PropertyEntry*> order = [] {
        std::vector<const PropertyEntry*> persisted;
        for (const PropertyEntry& entry : kTable)
            if (entry.exchangeOrder >= 0) persisted.push_back(&entry);
        std::sort(persisted.begin(), persisted.end(),
                  [](const PropertyEntry* a, const PropertyEntry* b) { return a->exchangeOrder < b->exchangeOrder; });
        return persisted;
    }();
    return order;
}

const PropertyEntry* FindProperty(long dispid) noexcept {
    if (dispid == 0) return nullptr;
    for (const PropertyEntry& entry : kTable)
        if (entry.dispid == dispid) return &entry;
    return nullptr;
}

const PropertyEntry* FindProperty(std::string_view name) noexcept {
    for (const PropertyEntry& entry : kTable)
        if (SameNameIgnoringCase(entry.name, name)) return &entry;
    return nullptr;
}

void ApplyDefault(const PropertyEntry& entry, ControlState& state) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool S::*>) {
                state.*member = std::get<bool>(entry.exchangeDefault);
            } else if constexpr (std::is_same_v<Member, int16_t S::*>) {
                state.*member = std::get<int16_t>(entry.exchangeDefault);
            } else if constexpr (std::is_same_v<Member, int32_t S::*>) {
                state.*member = std::get<int32_t>(entry.exchangeDefault);
            } else if constexpr (std::is_same_v<Member, std::string S::*>) {
                state.*member = std::string(std::get<std::string_view>(entry.exchangeDefault));
            } else if constexpr (std::is_same_v<Member, std::vector<uint8_t> S::*>) {
                (state.*member).clear();
            }
        },
        entry.member);
}

ControlState ExchangeDefaults() {
    ControlState state;
    for (const PropertyEntry* entry : ExchangeOrder()) ApplyDefault(*entry, state);
    return state;
}

bool HoldsValidValue(const PropertyEntry& entry, const ControlState& state) {
    const long value = StoredNumber(entry, state);
    switch (entry.dispid) {
    case dispid::kMousePointer: return IsMousePointer(value);
    case dispid::kCurrentNameSpace: return IsNameSpace(value);
    case dispid::kView: return IsListView(value);
    case dispid::kCurrentType: return IsCurrentType(value);
    case dispid::kBorderStyle: return IsBorderStyle(value);
    default: return true;
    }
}

CursorShape CursorFor(int mousePointer) noexcept {
    switch (mousePointer) {
    case 0:
    case 1:
    case 4: return CursorShape::Arrow;
    case 2: return CursorShape::Cross;
    case 3: return CursorShape::IBeam;
    case 5:
    case 15: return CursorShape::SizeAll;
    case 6: return CursorShape::SizeNESW;
    case 7: return CursorShape::SizeNS;
    case 8: return CursorShape::SizeNWSE;
    case 9: return CursorShape::SizeWE;
    case 10: return CursorShape::UpArrow;
    case 11: return CursorShape::Wait;
    case 12: return CursorShape::No;
    case 13: return CursorShape::AppStarting;
    case 14: return CursorShape::Help;
    case 99: return CursorShape::Custom;
    default: return CursorShape::Unchanged;
    }
}

}  // namespace panorell
