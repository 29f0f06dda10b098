// Reordering a listed folder (a header click): the marks follow their items
// however many there are, and the list-view paints the new order once, even
// when the focus moves off the page and the list scrolls after it.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>

#include "ListFixture_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

// What one window's paints and its parent's display requests were.
struct PaintLog {
    int paints = 0;
    std::set<int> rows;  // items the list-view asked texts for, as a paint does
};

LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_PAINT) ++reinterpret_cast<PaintLog*>(data)->paints;
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK LogRows(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOA) {
        // Placing an item asks for its indent only; drawing it asks its text.
        const LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
        if (item.mask & LVIF_TEXT) reinterpret_cast<PaintLog*>(data)->rows.insert(item.iItem);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Logs the paints of the list-view and the rows asked for while alive.
class PaintWatch {
public:
    explicit PaintWatch(const ListWindow& list) : list_(list.List()), pane_(list.Pane()) {
        SetWindowSubclass(list_, CountPaints, 1, reinterpret_cast<DWORD_PTR>(&log));
        SetWindowSubclass(pane_, LogRows, 1, reinterpret_cast<DWORD_PTR>(&log));
    }
    ~PaintWatch() {
        RemoveWindowSubclass(list_, CountPaints, 1);
        RemoveWindowSubclass(pane_, LogRows, 1);
    }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;
    PaintLog log;

private:
    HWND list_, pane_;
};

std::string Numbered(const char* stem, int i) {
    char name[32];
    wsprintfA(name, "%s%03d.txt", stem, i);
    return name;
}

// `count` files whose sizes fall as their names rise: sorting by size
// reverses the listing.
void MakeFalling(const TempFolder& folder, int count) {
    for (int i = 0; i < count; ++i) MakeFile(folder, Numbered("f", i), static_cast<size_t>(count - i) * 16);
}

std::vector<std::string> SelectedNames(const ListWindow& list) {
    std::vector<std::string> names;
    for (int index : list.SelectionInOrder()) names.push_back(list.Item(index)->details.displayName);
    return names;
}

class ReorderTest : public ListFixture {
protected:
    // Lists `count` falling files in the details view, everything painted
    // and the icons filled, so that only what the test does paints after.
    void ListFalling(int count) {
        MakeFalling(folder_, count);
        list_->SetView(kViewReport);
        ASSERT_TRUE(list_->MoveToPath(folder_.Path()));
        ASSERT_EQ(list_->ItemCount(), count);
        UpdateWindow(list_->List());
        ASSERT_TRUE(WaitForFiller(*list_));
        PumpOnce();
        UpdateWindow(list_->List());
    }
    std::string NameAt(int index) const {
        const ListItem* item = list_->Item(index);
        return item ? item->details.displayName : "<none>";
    }
    TempFolder folder_;
};

TEST_F(ReorderTest, AHeaderClickPaintsTheNewOrderOnceWhenTheFocusScrollsAway) {
    ListFalling(200);
    // The first item has the focus; by size it goes to the end, off the page.
    ASSERT_EQ(NameAt(list_->FocusedIndex()), "f000.txt");
    list_->Select(0, true);
    list_->Select(1, true);
    PaintWatch watch(*list_);
    list_->SortBy(kSortSize);
    UpdateWindow(list_->List());

    EXPECT_EQ(watch.log.paints, 1) << "a header click is one paint, not one for the scroll and one for the order";
    HWND view = list_->List();
    int top = ListView_GetTopIndex(view), page = ListView_GetCountPerPage(view);
    int focused = list_->FocusedIndex();
    EXPECT_EQ(NameAt(focused), "f000.txt");
    EXPECT_GE(focused, top) << "the focused item is scrolled into view";
    EXPECT_LE(focused, top + page);
    // That one paint drew the rows now on show, in the new order.
    for (int row = top; row < std::min(top + page, list_->ItemCount()); ++row) {
        EXPECT_EQ(watch.log.rows.count(row), 1u) << "row " << row << " was not painted";
    }
    EXPECT_EQ(SelectedNames(*list_), (std::vector<std::string>{"f001.txt", "f000.txt"}));
    EXPECT_EQ(NameAt(199), "f000.txt");
}

TEST_F(ReorderTest, AHeaderClickWithTheFocusOnShowPaintsOnceAndScrollsNothing) {
    ListFalling(200);
    HWND view = list_->List();
    // The middle of the list is on show, and its middle item has the focus:
    // by size it keeps its place.
    ListView_EnsureVisible(view, 199, FALSE);
    ListView_EnsureVisible(view, 100, FALSE);
    ListView_SetItemState(view, 99, LVIS_FOCUSED, LVIS_FOCUSED);
    UpdateWindow(view);
    int top = ListView_GetTopIndex(view);
    PaintWatch watch(*list_);
    list_->SortBy(kSortSize);
    UpdateWindow(view);
    EXPECT_EQ(watch.log.paints, 1);
    EXPECT_EQ(ListView_GetTopIndex(view), top);
    EXPECT_EQ(list_->FocusedIndex(), 100);
    EXPECT_EQ(NameAt(100), "f099.txt");
}

// Many marks move with the list-view's redraw off (one invalidation each
// would cost more than the paint); it must be on again after.
TEST_F(ReorderTest, ManySelectedItemsFollowTheirItemsAndRedrawComesBack) {
    ListFalling(150);
    std::vector<std::string> expected;
    for (int i = 148; i >= 0; i -= 2) expected.push_back(Numbered("f", i));
    for (int i = 0; i < 150; i += 2) list_->Select(IndexOf(*list_, Numbered("f", i)), true);
    ListView_SetItemState(list_->List(), IndexOf(*list_, "f010.txt"), LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_SetSelectionMark(list_->List(), IndexOf(*list_, "f020.txt"));

    list_->SortBy(kSortSize);
    EXPECT_EQ(SelectedNames(*list_), expected);
    EXPECT_EQ(NameAt(list_->FocusedIndex()), "f010.txt");
    EXPECT_EQ(NameAt(ListView_GetSelectionMark(list_->List())), "f020.txt");
    for (int i = 0; i < list_->ItemCount(); ++i) {
        bool even = (NameAt(i)[3] - '0') % 2 == 0;
        EXPECT_EQ(list_->Selected(i), even) << NameAt(i);
    }

    UpdateWindow(list_->List());
    PaintWatch watch(*list_);
    InvalidateRect(list_->List(), nullptr, TRUE);
    UpdateWindow(list_->List());
    EXPECT_EQ(watch.log.paints, 1);
    EXPECT_FALSE(watch.log.rows.empty()) << "the list-view was left with redraw off";
}

// A header click while the screen is not updated leaves the list-view's
// redraw off: the marks still move, nothing is painted until it is back on.
TEST_F(ReorderTest, AHeaderClickWithScreenUpdateOffPaintsNothing) {
    ListFalling(40);
    list_->Select(IndexOf(*list_, "f003.txt"), true);
    list_->SetScreenUpdate(false);
    {
        PaintWatch watch(*list_);
        list_->SortBy(kSortSize);
        UpdateWindow(list_->List());
        EXPECT_TRUE(watch.log.rows.empty()) << "painted with screen update off";
    }
    EXPECT_EQ(SelectedNames(*list_), (std::vector<std::string>{"f003.txt"}));
    PaintWatch watch(*list_);
    list_->SetScreenUpdate(true);
    UpdateWindow(list_->List());
    EXPECT_FALSE(watch.log.rows.empty());
}

}  // namespace
}  // namespace panorell::testing
