#include "DropTarget_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "../FolderRecord_win.h"
#include "../ListWindow_win.h"
#include "../ShellText_win.h"
#include "DropFiles_win.h"
#include "DropTexts.h"
#include "ListShell_win.h"

namespace panorell {

namespace {

constexpr long kControlErrorFileOperation = 3;
constexpr UINT kRegistrationFailedText = 60117;
constexpr char kRegistrationFailed[] = "List view pane : DropTarget Registration failed";
constexpr char kOwnListFormat[] = "KVD_CLIPBOARD";

FORMATETC InMemory(CLIPFORMAT format) { return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

CLIPFORMAT OwnListFormat() { return static_cast<CLIPFORMAT>(RegisterClipboardFormatA(kOwnListFormat)); }

DropKeys KeysOf(DWORD keys) { return {(keys & MK_CONTROL) != 0, (keys & MK_SHIFT) != 0}; }

class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

std::vector<std::string> FileListOf(IDataObject* data) {
    std::vector<std::string> paths;
    FORMATETC format = InMemory(CF_HDROP);
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return paths;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
        auto drop = static_cast<HDROP>(medium.hGlobal);
        const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            const UINT length = DragQueryFileA(drop, i, nullptr, 0);
            std::string path(length + 1, '\0');
            DragQueryFileA(drop, i, path.data(), length + 1);
            path.resize(length);
            if (!path.empty()) paths.push_back(path);
        }
    }
    ReleaseStgMedium(&medium);
    return paths;
}

std::vector<std::string> OwnListOf(IDataObject* data) {
    std::vector<std::string> paths;
    FORMATETC format = InMemory(OwnListFormat());
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return paths;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
        if (const void* bytes = GlobalLock(medium.hGlobal)) {
            paths = ParsePathList(static_cast<const char*>(bytes), GlobalSize(medium.hGlobal));
            GlobalUnlock(medium.hGlobal);
        }
    }
    ReleaseStgMedium(&medium);
    return paths;
}

}  // namespace

DropTarget::Kind DropTarget::KindOf(IDataObject* data) const {
    FORMATETC own = InMemory(OwnListFormat());
    if (data->QueryGetData(&own) == S_OK) return kOwnList;
    FORMATETC files = InMemory(CF_HDROP);
    if (data->QueryGetData(&files) == S_OK) return kFileList;
    return kNothing;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
    if (effect == nullptr) return E_INVALIDARG;
    Forget();
    const DWORD allowed = *effect;
    *effect = kDropNone;
    // A refused drag keeps no data: every DragOver then answers none.
    if (data == nullptr || list_ == nullptr || list_->FillerRunning() || !shell_->Switches().oleDrop) return S_OK;
    kind_ = KindOf(data);
    data_ = data;
    data_->AddRef();
    allowed_ = allowed;
    wanted_ = kind_ == kNothing ? kDropNone : EnteringEffect(KeysOf(keys));
    effect_ = wanted_ & allowed_;
    *effect = effect_;
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD keys, POINTL at, DWORD* effect) {
    if (effect == nullptr) return E_INVALIDARG;
    if (data_ == nullptr || list_ == nullptr) {
        *effect = kDropNone;
        return S_OK;
    }
    allowed_ = *effect;
    Consider(keys, at);
    *effect = effect_;
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    Forget();
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject*, DWORD keys, POINTL at, DWORD* effect) {
    if (effect == nullptr) return E_INVALIDARG;
    if (data_ == nullptr || list_ == nullptr) {
        *effect = kDropNone;
        Forget();
        return S_OK;
    }
    // The place and keys at the release decide, should no DragOver have
    // come since the cursor last moved.
    allowed_ = *effect;
    Consider(keys, at);
    {
        WaitCursor wait;
        list_->StopWatchers();
        const bool done = Carry();
        list_->Refresh();
        list_->RestartWatchers();
        if (!done) shell_->ReportError(kControlErrorFileOperation);
        *effect = done ? effect_ : kDropNone;
    }
    Forget();
    return S_OK;
}

void DropTarget::Consider(DWORD keys, POINTL at) {
    LVHITTESTINFO hit{};
    hit.pt = {at.x, at.y};
    ScreenToClient(list_->List(), &hit.pt);
    const int index = ListView_HitTest(list_->List(), &hit);
    const int place = index >= 0 && (hit.flags & LVHT_ONITEM) != 0 ? index : -1;
    list_->SetDropHighlight(place);
    const DWORD keyBits = keys & (MK_CONTROL | MK_SHIFT);
    if (!considered_ || place != consideredAt_ || keyBits != consideredKeys_) {
        considered_ = true;
        consideredAt_ = place;
        consideredKeys_ = keyBits;
        Decide(PlaceOf(place), KeysOf(keys));
    }
    // An effect the source does not allow is not offered: a source that
    // forbids moving would otherwise lose its files.
    effect_ = wanted_ & allowed_;
}

void DropTarget::Decide(const DropPlace& where, DropKeys keys) {
    wanted_ = kDropNone;
    target_.clear();
    recycleBin_ = false;
    if (kind_ == kFileList) {
        TakePaths();
        DiskForDrops disk;
        const DropDecision decision = DecideFileDrop(where, paths_, keys, disk);
        wanted_ = decision.effect;
        target_ = decision.folder;
        recycleBin_ = decision.recycleBin;
    } else if (kind_ == kOwnList) {
        TakePaths();
        wanted_ = OwnListEffect(where);
        target_ = where.path;
    }
}

DropPlace DropTarget::PlaceOf(int index) const {
    DropPlace place;
    if (index < 0) {
        place.path = list_->CurrentPath();
        place.hasPath = !place.path.empty();
        place.recycleBin = list_->CurrentNameSpace() == kRecycleBin;
        return place;
    }
    const ListItem* item = list_->Item(index);
    if (item != nullptr && item->HasPath()) {
        place.hasPath = true;
        place.path = list_->List(index);
    } else if (list_->Current() != nullptr && list_->ItemId(index) != nullptr) {
        IdHolder absolute(JoinIds(list_->Current()->absoluteId, list_->ItemId(index)));
        place.recycleBin = absolute.get() != nullptr && NameSpaceOf(absolute.get()) == kRecycleBin;
    }
    return place;
}

void DropTarget::TakePaths() {
    if (pathsTaken_ || data_ == nullptr) return;
    pathsTaken_ = true;
    paths_ = kind_ == kFileList ? FileListOf(data_) : OwnListOf(data_);
}

bool DropTarget::Carry() {
    // The control family's own list is recognised but not acted on: the
    // drop only shows the folder afresh.
    if (kind_ != kFileList) return true;
    switch (effect_) {
    case kDropMove:
        if (recycleBin_) return RunDropOperation(list_->List(), DropOperation::Recycle, paths_, std::string());
        return RunDropOperation(list_->List(), DropOperation::Move, paths_, target_);
    case kDropCopy:
        return RunDropOperation(list_->List(), DropOperation::Copy, paths_, target_);
    case kDropLink:
        return MakeShortcuts(paths_, target_);
    default:
        return true;
    }
}

void DropTarget::Forget() {
    if (data_ != nullptr) data_->Release();
    data_ = nullptr;
    kind_ = kNothing;
    wanted_ = kDropNone;
    effect_ = kDropNone;
    allowed_ = kDragAllowed;
    pathsTaken_ = false;
    paths_.clear();
    target_.clear();
    recycleBin_ = false;
    considered_ = false;
    consideredAt_ = -1;
    consideredKeys_ = 0;
    if (list_ != nullptr) list_->SetDropHighlight(-1);
}

void DropTarget::Detach() {
    Forget();
    list_ = nullptr;
    shell_ = nullptr;
}

LRESULT PaintDropHighlight(const ListWindow& list, NMLVCUSTOMDRAW& draw) {
    // Item notices are asked for only while a drag hovers over an item, so
    // a list without one pays one notice per paint.
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return list.DropHighlight() >= 0 ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT ||
        static_cast<int>(draw.nmcd.dwItemSpec) != list.DropHighlight())
        return CDRF_DODEFAULT;
    draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
    return CDRF_NEWFONT;
}

bool DropRegistration::Register(ListWindow& list, ListShell& shell) {
    Revoke();
    oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
    target_ = new DropTarget(list, shell);
    if (oleStarted_ && SUCCEEDED(CoLockObjectExternal(target_->Identity(), TRUE, FALSE))) {
        if (SUCCEEDED(RegisterDragDrop(list.List(), target_))) {
            window_ = list.List();
            return true;
        }
        CoLockObjectExternal(target_->Identity(), FALSE, TRUE);
    }
    Revoke();
    char text[128] = {};
    if (LoadStringA(ListModule(), kRegistrationFailedText, text, static_cast<int>(sizeof text)) <= 0)
        lstrcpynA(text, kRegistrationFailed, static_cast<int>(sizeof text));
    MessageBoxA(list.List(), text, nullptr, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void DropRegistration::Revoke() {
    if (window_ != nullptr) {
        RevokeDragDrop(window_);
        CoLockObjectExternal(target_->Identity(), FALSE, TRUE);
    }
    window_ = nullptr;
    if (target_ != nullptr) {
        // A drag of another program may still hold the object for a while.
        target_->Detach();
        target_->Release();
    }
    target_ = nullptr;
    if (oleStarted_) OleUninitialize();
    oleStarted_ = false;
}

}  // namespace panorell
