#pragma once
// The list window: a standard list-view inside the file pane, showing one
// folder of the shell namespace with its filters, columns, details, sort
// order and change watching. The control object wraps exactly this class;
// the test host and the tests drive it directly.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "DetailFiller_win.h"
#include "FolderRecord_win.h"
#include "FolderWatcher_win.h"
#include "ItemDetails.h"
#include "ItemFilter.h"
#include "ItemReader_win.h"
#include "SortRules.h"

namespace panorell {

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
};

enum ListView : int { kViewIcon = 0, kViewSmallIcon = 1, kViewList = 2, kViewReport = 3 };
enum ExtraColumn : int { kSizeColumn = 1, kTypeColumn = 2, kModifiedColumn = 3 };

// One listed item; its address is the list item's parameter.
struct ListItem {
    IShellFolder* folder = nullptr;     // one reference
    ITEMIDLIST* relativeId = nullptr;   // own copy
    ULONG shellAttributes = 0;
    ItemDetails details;
    std::string path;                   // file-system path, or empty
    std::string parsingName;            // kept only in My Computer, for its drive order
    int icon = 0;
    int overlay = 0;
    bool textsOnDemand = false;         // Size text by the on-demand rule
    uint32_t serial = 0;
    ~ListItem();
    bool IsFolder() const { return (shellAttributes & SFGAO_FOLDER) != 0; }
};

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
    std::string CurrentPath() const;
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

    // Items, in list order.
    int ItemCount() const;
    std::string ItemText(int index) const;  // full path, else display name
    bool IsSelected(int index) const;
    void Select(int index, bool on);
    const ListItem* Item(int index) const;
    // The text the list shows in `column` (0 Name .. 3 Modified) of an item.
    std::string ColumnText(const ListItem& item, int column) const;
    // The column index each extra column has now, or -1 when not shown.
    int ColumnIndex(ExtraColumn which) const { return columnIndex_[which]; }
    // The column kind (0 Name .. 3 Modified) at column index `index`, or -1.
    int KindOfColumn(int index) const;
    bool FillerRunning() const { return filler_.Running(); }
    // Shell commands on the folder's items stop the watchers first and start
    // them again afterwards, so the command's own changes come as one update.
    void StopWatchers();
    void RestartWatchers();
    bool WatchersRunning() const { return folderWatcher_.Running() || fileWatcher_.Running(); }

private:
    // Window plumbing (ListWindow_win.cpp).
    static LRESULT CALLBACK PaneProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnPaneMessage(UINT, WPARAM, LPARAM);
    LRESULT OnNotify(NMHDR* header);
    void OnGetDisplayInfo(NMLVDISPINFOA* info);
    void OnDeleteItem(NMLISTVIEW* info);
    void OnKeyDown(WPARAM key);
    void OnFolderChanged(WPARAM flags, LPARAM generation);
    void OnDetailsReady(WPARAM generation);
    void OnFillerDone(WPARAM generation);
    void ApplyFillResults(std::vector<FillResult> results);
    void Redraw(bool on);

    // Listing (ListListing_win.cpp).
    bool ListFolder(FolderRecordPtr record, bool& bindFailed);
    void StopWorkers();
    bool EnumerateInto(IShellFolder* folder);
    void StartWatchers();
    void Announce();
    bool InsertItem(int position, std::unique_ptr<ListItem> item);
    SortKey KeyOf(const ListItem& item) const;
    void FillDetails(ListItem& item);
    void StartFiller(int from);
    static int CALLBACK CompareProc(LPARAM, LPARAM, LPARAM);

    // Updates (ListUpdate_win.cpp).
    struct Collected;
    std::vector<Collected> CollectPassing(int flags, NameReader& names, bool& failed);
    void RefreshDetails();

    // Columns (ListColumns_win.cpp).
    void RememberColumnWidths();
    void RebuildColumns();
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
    int view_ = kViewList;
    bool showColumn_[4] = {true, true, true, true};
    int columnIndex_[4] = {0, -1, -1, -1};
    SortState sort_;
    FolderWatcher folderWatcher_, fileWatcher_;
    DetailFiller filler_;
    WPARAM generation_ = 0;            // which listing the threads' notices belong to
    uint32_t nextSerial_ = 1;
    std::unordered_map<uint32_t, ListItem*> bySerial_;
    IconReader icons_;                 // for the items filled on the window thread
};

}  // namespace panorell
