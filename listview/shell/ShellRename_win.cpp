// In-place rename: when editing may begin, the check of the new name, the
// shell's renaming, and the item taking its new name and id.
#include <string>
#include <vector>

#include "../ItemReader_win.h"
#include "../ListMessages_win.h"
#include "../ListWindow_win.h"
#include "ListShell_win.h"
#include "RenameRules.h"

namespace panorell {

namespace {

// The shell's can-rename attribute.
constexpr uint32_t kShellAttrCanRename = 0x10;
constexpr int kControlErrorRename = 2;

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

bool ListShell::MayRename(int) const {
    if (list_.FillerRunning() || !switches_.fileRename) return false;
    // The first selected item decides, as the editor opens on the selection.
    const std::vector<int> selected = list_.SelectionInOrder();
    const ListItem* item = selected.empty() ? nullptr : list_.Item(selected.front());
    return item != nullptr && (item->shellAttributes & kShellAttrCanRename) != 0;
}

void ListShell::EditAgain(int index) {
    ReportError(kControlErrorRename);
    PostMessageA(list_.Pane(), kMsgEditAgain, static_cast<WPARAM>(index), 0);
}

void ListShell::OnRenamed(int index, const char* text) {
    if (text == nullptr || list_.Item(index) == nullptr) return;
    const std::string name = text;
    if (!IsValidNewName(name)) return EditAgain(index);
    const bool accepted = GiveName(index, name);
    if (list_.sink_ != nullptr) list_.sink_->OnRenameAttempted();
    if (!accepted) EditAgain(index);
}

// The shell renames the item; the list then shows it under the new name
// and id, with its details read again when its type may have changed.
bool ListShell::GiveName(int index, const std::string& name) {
    IShellFolder* folder = list_.Folder();
    if (folder == nullptr) return false;
    const std::wstring wide = Wide(name);
    ITEMIDLIST* renamed = nullptr;
    if (FAILED(folder->SetNameOf(control_, list_.ItemId(index), wide.c_str(), SHGDN_NORMAL, &renamed)) ||
        renamed == nullptr)
        return false;
    ListItem& item = list_.items_.At(index);
    if (HasThreeLetterExtension(name)) {
        ItemReader reader = list_.MakeReader();
        std::unique_ptr<ListItem> fresh = reader.Probe(renamed);
        reader.Complete(*fresh);
        const bool cut = item.cut;
        item = std::move(*fresh);
        item.cut = cut;
    } else {
        item.id.reset(reinterpret_cast<uint8_t*>(renamed));
    }
    item.details.displayName = name;
    list_.RedrawItem(index);
    return true;
}

}  // namespace panorell
