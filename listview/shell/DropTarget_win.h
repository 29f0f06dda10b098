#pragma once
// The list as a place to drop files: the drop target registered on the
// list-view, which highlights the item under the cursor, answers the effect
// of dropping there, and moves, copies, recycles or links the files when
// they are dropped. One per list window, on its thread.
#include <windows.h>
#include <ole2.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ComObject_win.h"
#include "DropEffectRules.h"

namespace panorell {

class ListWindow;
class ListShell;

class DropTarget final : public corvella::com::ComObject<IDropTarget> {
public:
    DropTarget(ListWindow& list, ListShell& shell) : list_(&list), shell_(&shell) {}
    // The list is going away: every later call answers that nothing drops.
    void Detach();

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

private:
    enum Kind { kFileList = 0, kOwnList = 1, kNothing = 2 };

    Kind KindOf(IDataObject* data) const;
    // Highlights the item under `at` and works out the effect of a drop there.
    void Consider(DWORD keys, POINTL at);
    void Decide(const DropPlace& where, DropKeys keys);
    DropPlace PlaceOf(int index) const;
    void TakePaths();
    // The drop itself: false when the file operation failed.
    bool Carry();
    void Forget();

    ListWindow* list_;
    ListShell* shell_;
    IDataObject* data_ = nullptr;  // the current drag's data, one reference
    Kind kind_ = kNothing;
    DWORD allowed_ = kDragAllowed;  // what the drag's source lets happen
    DWORD wanted_ = kDropNone;      // what the rules give, before the source's say
    DWORD effect_ = kDropNone;      // what was last answered
    bool pathsTaken_ = false;
    std::vector<std::string> paths_;
    std::string target_;
    bool recycleBin_ = false;
    // What the effect was last worked out for: the place (item, or -1 for
    // the folder shown) and the Control and Shift keys. The rules look at
    // the disk, so the answer is kept while the cursor stays put.
    bool considered_ = false;
    int consideredAt_ = -1;
    DWORD consideredKeys_ = 0;
};

// The item a drag hovers over is painted in the selection's colours: the
// list-view's own drop-highlight drawing is missing on some systems. Answers
// the list-view's custom-draw notice.
LRESULT PaintDropHighlight(const ListWindow& list, NMLVCUSTOMDRAW& draw);

// The drop target's registration on a list window: OLE started for the
// thread, the object locked and registered; undone in reverse by Revoke.
class DropRegistration {
public:
    DropRegistration() = default;
    ~DropRegistration() { Revoke(); }
    DropRegistration(const DropRegistration&) = delete;
    DropRegistration& operator=(const DropRegistration&) = delete;

    // False (after telling the user) when drops cannot be had; the list
    // works on without them.
    bool Register(ListWindow& list, ListShell& shell);
    void Revoke();
    IDropTarget* Target() const { return target_; }

private:
    DropTarget* target_ = nullptr;
    HWND window_ = nullptr;
    bool oleStarted_ = false;
};

}  // namespace panorell
