#include "SelectionMenu_win.h"

#include "../ListWindow_win.h"

namespace panorell {

namespace {

// The menu mode of the shell's own file browser.
constexpr UINT kExplorerMenu = CMF_EXPLORE;
// The entry texts are read into a buffer of this size, the end included.
constexpr int kTextChars = 40;

bool IsCommandId(UINT id) noexcept { return id >= kFirstMenuCommand && id <= kLastMenuCommand; }

}  // namespace

SelectionMenu::~SelectionMenu() { Release(); }

void SelectionMenu::Release() {
    if (menu_ != nullptr) DestroyMenu(menu_);
    menu_ = nullptr;
    if (second_ != nullptr) second_->Release();
    second_ = nullptr;
    if (menu3_ != nullptr) menu3_->Release();
    menu3_ = nullptr;
}

bool SelectionMenu::Build(const ListWindow& list, HWND owner) {
    Release();
    IShellFolder* folder = list.Folder();
    if (folder == nullptr) return false;
    std::vector<LPCITEMIDLIST> ids;
    for (int index : list.SelectionInOrder())
        if (const ITEMIDLIST* id = list.ItemId(index)) ids.push_back(id);
    if (ids.empty()) return false;
    void* object = nullptr;
    if (FAILED(folder->GetUIObjectOf(owner, static_cast<UINT>(ids.size()), ids.data(), IID_IContextMenu, nullptr,
                                     &object)) ||
        object == nullptr)
        return false;
    menu3_ = static_cast<IContextMenu*>(object);
    menu_ = CreatePopupMenu();
    if (menu_ == nullptr || FAILED(menu3_->QueryContextMenu(menu_, 0, kFirstMenuCommand, kLastMenuCommand,
                                                            kExplorerMenu))) {
        Release();
        return false;
    }
    void* second = nullptr;
    if (SUCCEEDED(menu3_->QueryInterface(IID_IContextMenu2, &second))) second_ = static_cast<IContextMenu2*>(second);
    return true;
}

std::string SelectionMenu::EntryText(int index) const {
    char text[kTextChars] = {};
    const int length = GetMenuStringA(menu_, static_cast<UINT>(index), text, kTextChars, MF_BYPOSITION);
    return length > 0 ? std::string(text, static_cast<std::size_t>(length < kTextChars ? length : kTextChars - 1))
                      : std::string();
}

std::vector<UINT> SelectionMenu::Entries() const {
    std::vector<UINT> ids;
    if (menu_ == nullptr) return ids;
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i)
        if (!EntryText(i).empty()) ids.push_back(GetMenuItemID(menu_, i));
    return ids;
}

std::string SelectionMenu::Text(int position) const {
    if (menu_ == nullptr || position < 0) return std::string();
    const int count = GetMenuItemCount(menu_);
    for (int i = 0, seen = 0; i < count; ++i) {
        std::string text = EntryText(i);
        if (text.empty()) continue;
        if (seen++ == position) return text;
    }
    return std::string();
}

std::string SelectionMenu::Verb(UINT id) const {
    if (menu3_ == nullptr || !IsCommandId(id)) return std::string();
    char verb[kVerbChars] = {};
    if (FAILED(menu3_->GetCommandString(id - kFirstMenuCommand, GCS_VERBA, nullptr, verb, kVerbChars)))
        return std::string();
    verb[kVerbChars - 1] = '\0';
    return verb;
}

bool SelectionMenu::Invoke(UINT id) const {
    if (menu3_ == nullptr || !IsCommandId(id)) return false;
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.lpVerb = MAKEINTRESOURCEA(id - kFirstMenuCommand);
    info.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(menu3_->InvokeCommand(&info));
}

}  // namespace panorell
