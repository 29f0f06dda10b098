#pragma once
// The frame window inside the control window: it owns the list window and
// the folder state the control forwards to (what is shown, as a path or a
// namespace, and the links), and turns the list's notices into the
// control's events. It is also a clipboard viewer, so that the list's cut
// marks go when something else fills the clipboard.
#include <windows.h>

#include <string>

#include "ClipboardViewer_win.h"
#include "ListWindow_win.h"

namespace panorell {

class Control;

// What the frame starts with.
struct FrameStart {
    std::string folder;
    int nameSpace = 0;
    int currentType = 0;   // 0 folder, 1 namespace
    bool multiSelect = true;
    HWND treeWindow = nullptr;
};

class ControlFrame final : private ListSink {
public:
    explicit ControlFrame(Control& control) : control_(control), list_(this) {}
    ~ControlFrame() override;
    ControlFrame(const ControlFrame&) = delete;
    ControlFrame& operator=(const ControlFrame&) = delete;

    // Creates the frame ("PanorellListView", client edge) filling `rect`
    // of the control window, the list inside it, moves the list to the
    // start folder and joins the clipboard-viewer chain. False when the
    // windows cannot be made.
    bool Create(HWND controlWindow, const RECT& rect, const FrameStart& start);
    HWND Window() const { return window_; }
    ListWindow& List() { return list_; }
    const ListWindow& List() const { return list_; }

    const std::string& FolderPath() const { return folderPath_; }
    int NameSpace() const { return nameSpace_; }
    int CurrentType() const { return currentType_; }
    void SetCurrentType(int type) { currentType_ = type; }
    // Moves the list; on success the frame records what it shows.
    bool ShowPath(const std::string& path);
    bool ShowNameSpace(int nameSpace);
    bool ShowRecord(FolderRecordPtr record);
    void SetTreeWindow(HWND tree);
    void Resize(int width, int height);

private:
    static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClipboardChanged();

    // The list's notices.
    void OnMovedOnItsOwn(const FolderRecord* record, int how) override;
    void OnFolderShown(bool special, int nameSpace, const std::string& path) override;
    void OnContentsChanged(int flags) override;
    void OnControlError(long code) override;
    void OnRenameAttempted() override;

    Control& control_;
    ListWindow list_;
    HWND window_ = nullptr;
    ClipboardViewer viewer_;
    HWND treeWindow_ = nullptr;
    std::string folderPath_;
    int nameSpace_ = 0;
    int currentType_ = 0;
};

}  // namespace panorell
