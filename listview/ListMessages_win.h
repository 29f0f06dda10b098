#pragma once
// The private window messages of the list control, under their numbers.
// The file pane of the list handles the folder-changed and filler messages;
// the others travel between the list, the file pane, the frame and the
// control object, and ListSink gives the same notices to C++ callers.
#include <windows.h>

namespace panorell {

inline constexpr UINT kMsgPaneMovedOnItsOwn = 0x504;   // file pane to frame
inline constexpr UINT kMsgMovedOnItsOwn = 0x505;       // list to file pane: wParam record, lParam 1 opened, 2 up
inline constexpr UINT kMsgBackspaceUp = 0x507;         // list to file pane: wParam 8
inline constexpr UINT kMsgFolderChanged = 0x508;       // watcher to list (its pane): wParam 1 files, 2 folders
inline constexpr UINT kMsgStopWatcher = 0x509;         // thread message to a watcher (the list uses an event)
inline constexpr UINT kMsgGotFocus = 0x518;            // list to control
inline constexpr UINT kMsgLostFocus = 0x519;           // list to control
inline constexpr UINT kMsgContentsChanged = 0x523;     // list to file pane: after a folder change
inline constexpr UINT kMsgRenameAttempted = 0x524;     // list to file pane
inline constexpr UINT kMsgRaiseChange = 0x526;         // frame to control: wParam is the Action
inline constexpr UINT kMsgRaiseClick = 0x527;          // list to control
inline constexpr UINT kMsgListingAnnounced = 0x528;    // list to file pane: wParam 1 special (lParam namespace), 0 path
inline constexpr UINT kMsgRaiseControlError = 0x529;   // list to control: lParam is the error
inline constexpr UINT kMsgFillerDone = 0x530;          // detail filler to list
inline constexpr UINT kMsgDetailsReady = 0x531;        // detail filler to list: results wait in its queue
inline constexpr UINT kMsgRunUpdate = 0x532;           // list to itself: apply the change notices gathered so far
inline constexpr UINT kMsgFillIcons = 0x533;           // list to itself: the items painted want their own icons
inline constexpr UINT kMsgSweep = 0x534;               // list to itself: the items let go may be freed now
inline constexpr UINT kMsgShowFolderRecord = 0x545;    // linked combo to frame
inline constexpr UINT kMsgTreeMovedOnItsOwn = 0x550;   // frame or list to a linked tree
inline constexpr UINT kMsgTreeUpOneLevel = 0x551;      // list to a linked tree: non-zero when it went up itself

// Child window ids of the file pane and the list.
inline constexpr int kFilePaneId = 1005;
inline constexpr int kListId = 1001;

}  // namespace panorell
