#pragma once
// The list window: an owner-data list-view inside the file pane, showing one
// folder of the shell namespace with its filters, columns, details, sort
// order and change watching. The items live in one array owned here; the
// list-view holds only their count, selection and focus, and asks for
// texts, icons and states when it paints. The control object wraps exactly
// this class; the test host and the tests drive it directly.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "DetailFiller_win.h"
#include "FolderRecord_win.h"
#include "FolderWatcher_win.h"
#include "ItemArray.h"
#include "ItemFilter.h"
#include "ItemReader_win.h"
#include "ItemSweeper.h"
#include "SortRules.h"

namespace panorell {

class ListShell;

// What the list tells its owner. Each call corresponds to one private
// message of ListMessages_win.h; all come on the window's thread.
class ListSink {
public:
    virtual ~ListSink() = default;
    // 0x505: the list moved by itself (2: up a level, 1: opened an item);
    // `record` is the folder now shown, or null when that listing failed.
    virtual void OnMovedOnItsOwn(const FolderRecord* /*record*/, int /*how*/) {}
    // 0x507: Backspace took the list up a level.
    virtual void OnBackspaceUp() {}
    // 0x528: a listing completed and is announced (Change, Action 1).
    virtual void OnFolderShown(bool /*special*/, int /*nameSpace*/, const std::string& /*path*/) {}
    // 0x523: a change on disk was applied (Change, Action 2); 1 files, 2 folders.
    virtual void OnContentsChanged(int /*flags*/) {}
    // 0x529: ControlError, 1 when a folder's contents could not be enumerated.
    virtual void OnControlError(long /*code*/) {}
    // 0x524: a rename was tried with a valid name (Change, Action 3).
    virtual void OnRenameAttempted() {}
};

enum ListView : int { kViewIcon = 0, kViewSmallIcon = 1, kViewList = 2, kViewReport = 3 };
enum ExtraColumn : int { kSizeColumn = 1, kTypeColumn = 2, kModifiedColumn = 3 };

// The module the list's code lives in (the control library once it is one):
// its window classes are registered under it.
HINSTANCE ListModule() noexcept;

class ListWindow {
public:
    explicit ListWindow(ListSink* sink = nullptr);
    ~ListWindow();
    ListWindow(const ListWindow&) = delete;
    ListWindow& operator=(const ListWindow&) = delete;

    // Creates the file pane ("FolderListView", id 1005) filling `rect` of
    // `parent`, and the list-view (id 1001) filling the pane. Shows nothing
    // until moved to a folder. False when the system image lists or the
    // windows cannot be had.
    bool Create(HWND parent, const RECT& rect, bool multiSelect = true);
    // Stops every thread, frees every item and destroys the windows.
    void Destroy();
    HWND Pane() const { return pane_; }
    HWND List() const { return list_; }

    // Navigation: each returns whether a folder could be listed.
    bool MoveTo(FolderRecordPtr record);
    bool MoveToPath(const std::string& path);
    bool MoveToNameSpace(int nameSpace);
    bool BackOneLevel();
    void SetFilter(const std::string& pattern, uint32_t attributeFilter);
    void Refresh();
    void UpdateContents(int flags);

    // What is shown.
    const FolderRecord* Current() const { return current_.get(); }
    std::string CurrentPath() const { return currentPath_; }
    int CurrentNameSpace() const { return nameSpace_; }
    const std::string& Pattern() const { return pattern_; }
    uint32_t AttributeFilter() const { return attributeFilter_; }

    // Presentation.
    void SetView(int view);
    int View() const { return view_; }
    void SetColumn(ExtraColumn which, bool shown);
    bool ColumnShown(ExtraColumn which) const { return showColumn_[which]; }
    // Header click semantics: the same column flips the direction.
    void SortBy(int column);
    const SortState& Sort() const { return sort_; }
    void SetScreenUpdate(bool on);
    bool ScreenUpdate() const { return screenUpdate_; }
    void SetMultiSelect(bool on);
    void SetTreeWindow(HWND tree) { treeWindow_ = tree; }

    // The items, in list order: what the control object and the shell
    // operations use. Indexes out of range read as nothing and change nothing.
    int ListCount() const { return items_.Count(); }
    std::string List(int index) const;  // full path, else display name
    bool Selected(int index) const;
    void SetSelected(int index, bool on);
    std::vector<int> SelectionInOrder() const;
    int FocusedIndex() const;
    // The item's id relative to Folder(), the folder shown; null out of range.
    const ITEMIDLIST* ItemId(int index) const;
    IShellFolder* Folder() const { return currentFolder_; }
    void RedrawItem(int index);
    // Marks drawn from the item array: cut items dimmed, one drop target.
    void SetCut(int index, bool on);
    void SetDropHighlight(int index);  // -1: none
    int DropHighlight() const { return dropHighlight_; }

    // The same reads under the names the tests and the test host use.
    int ItemCount() const { return ListCount(); }
    std::string ItemText(int index) const { return List(index); }
    bool IsSelected(int index) const { return Selected(index); }
    void Select(int index, bool on) { SetSelected(index, on); }
    const ListItem* Item(int index) const { return items_.Contains(index) ? &items_.At(index) : nullptr; }

    // The text the list shows in `column` (0 Name .. 3 Modified) of an item.
    std::string ColumnText(const ListItem& item, int column) const;
    // The column index each extra column has now, or -1 when not shown.
    int ColumnIndex(ExtraColumn which) const { return columnIndex_[which]; }
    // The column kind (0 Name .. 3 Modified) at column index `index`, or -1.
    int KindOfColumn(int index) const;
    bool FillerRunning() const { return filler_.Running(); }
    // Frees the items of the folders left now and waits until they are (the
    // sweeper frees them later, on a thread): for measurements of memory.
    void FreeLeftItems() { sweeper_.Wait(); }
    // Shell commands on the folder's items stop the watchers first and start
    // them again afterwards, so the command's own changes come as one update.
    void StopWatchers();
    void RestartWatchers();
    bool WatchersRunning() const { return folderWatcher_.Running() || fileWatcher_.Running(); }
    // The shell operations on the items: menus, commands, keys.
    ListShell& Shell() { return *shell_; }

private:
    friend class ListShell;  // opening an item tells the owner as the list's own moves do

    // Window plumbing (ListWindow_win.cpp).
    static LRESULT CALLBACK PaneProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnPaneMessage(UINT, WPARAM, LPARAM);
    LRESULT OnNotify(NMHDR* header);
    void OnKeyDown(WPARAM key);
    void Redraw(bool on);

    // The owner-data side of the list-view (ListItems_win.cpp).
    void OnGetDisplayInfo(NMLVDISPINFOA* info);
    int OnFindItem(const NMLVFINDITEMA& find) const;
    int OnFindItemWide(const NMLVFINDITEMW& find) const;
    void OnCacheHint(const NMLVCACHEHINT& hint);
    Marks TakeMarks() const;
    // Replaces the marks `before` (as the list-view holds them) by `after`.
    void PutMarks(const Marks& before, const Marks& after);
    // Tells the list-view the item count, keeping the marks in place.
    void ShowItemCount(bool keepScroll);
    // After a reordering: the marks follow their items, and the list is
    // repainted once (unless redraw is off, when whoever turned it off does).
    void MoveMarks(const Marks& before, const std::vector<int>& newIndexOf);

    // Listing (ListListing_win.cpp).
    bool ListFolder(FolderRecordPtr record, bool& bindFailed);
    void StopWorkers();
    bool EnumerateInto(IShellFolder* folder);
    void StartWatchers();
    void Announce();
    void SortItems();
    ItemReader MakeReader();
    void DropItems();

    // Icons of their own, by the detail filler (ListIcons_win.cpp).
    void StartFiller(bool forgetQueued);
    void WantIcon(int index);
    void FillWantedIcons();
    FillJob JobFor(const ListItem& item) const;
    void OnDetailsReady(WPARAM generation);
    void OnFillerDone(WPARAM generation);
    void ApplyFillResults(std::vector<FillResult> results);

    // Updates (ListUpdate_win.cpp).
    struct Collected;
    void OnFolderChanged(WPARAM flags, LPARAM generation);
    void OnRunUpdate();
    std::vector<Collected> Collect(int flags, bool& failed);
    void Bring(int flags, bool refreshing);

    // Columns (ListColumns_win.cpp).
    void RememberColumnWidths();
    void RebuildColumns();
    bool ExtraColumnWanted(ExtraColumn which) const;
    void InsertExtraColumns();
    void DeleteColumnsFrom(int first);

    ListSink* sink_;
    HWND pane_ = nullptr;
    HWND list_ = nullptr;
    FolderRecordPtr current_;
    IShellFolder* currentFolder_ = nullptr;
    std::string currentPath_;
    int nameSpace_ = kNotSpecial;
    std::string pattern_ = "*.*";
    uint32_t attributeFilter_ = kDefaultAttributeFilter;
    HWND treeWindow_ = nullptr;
    bool announce_ = true;
    bool screenUpdate_ = true;
    bool redrawing_ = true;       // what the list-view was last told by WM_SETREDRAW
    int view_ = kViewList;
    bool showColumn_[4] = {true, true, true, true};
    int columnIndex_[4] = {0, -1, -1, -1};
    bool columnsMade_ = false;    // the header holds the columns columnIndex_ names
    SortState sort_;
    FolderWatcher folderWatcher_, fileWatcher_;
    DetailFiller filler_;
    WPARAM generation_ = 0;       // which listing the threads' notices belong to
    WPARAM fillGeneration_ = 0;   // which item array the filler's results point into
    int pendingFlags_ = 0;        // change notices not yet applied
    bool updatePosted_ = false;   // one update message is on its way
    int dropHighlight_ = -1;
    std::vector<bool> gone_;      // the items the update being made removes
    std::vector<int> wantedIcons_;  // items shown with their type's icon, for the filler
    bool fillPosted_ = false;     // the message that sends them is on its way
    ItemArray items_;
    TypeCache types_;             // per-type names and icons of the folder shown
    ItemSweeper sweeper_;         // frees the items of a big folder left
    std::unique_ptr<ListShell> shell_;
};

}  // namespace panorell
