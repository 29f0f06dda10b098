// The owner-data side of the list-view: texts, icons and states given on
// request, the find request behind type-ahead, and selection and focus,
// which the list-view keeps by index and which follow their items whenever
// the array is reordered. Also the reads of the items the control object
// and the shell operations use.
#include <algorithm>

#include "ItemReader_win.h"
#include "ListWindow_win.h"
#include "ShellText_win.h"

namespace panorell {

namespace {

// Items whose own icons a cache hint asks for at most (a page or two).
constexpr int kHurriedAtMost = 256;
// Selection changes from which marks are moved with redraw off: the
// list-view invalidates each changed item, and turning redraw back on costs
// a recomputation of scroll bars and header, worth it only for many.
constexpr size_t kQuietMarksFrom = 64;

}  // namespace

void ListWindow::OnGetDisplayInfo(NMLVDISPINFOA* info) {
    LVITEMA& request = info->item;
    if (!items_.Contains(request.iItem)) return;
    const ListItem& item = items_.At(request.iItem);
    if ((request.mask & LVIF_TEXT) && request.pszText && request.cchTextMax > 0) {
        std::string text = ColumnText(item, KindOfColumn(request.iSubItem));
        lstrcpynA(request.pszText, text.c_str(), request.cchTextMax);
    }
    if (request.mask & LVIF_IMAGE) {
        request.iImage = item.icon;
        if (item.iconPending) WantIcon(request.iItem);
    }
    if (request.mask & LVIF_STATE) {
        UINT state = INDEXTOOVERLAYMASK(item.overlay);
        if (item.cut) state |= LVIS_CUT;
        if (request.iItem == dropHighlight_) state |= LVIS_DROPHILITED;
        request.state = (request.state & ~request.stateMask) | (state & request.stateMask);
    }
}

int ListWindow::OnFindItem(const NMLVFINDITEMA& find) const {
    const LVFINDINFOA& what = find.lvfi;
    if (!(what.flags & (LVFI_STRING | LVFI_PARTIAL)) || !what.psz) return -1;
    return items_.Find(what.psz, find.iStart, (what.flags & LVFI_PARTIAL) != 0, (what.flags & LVFI_WRAP) != 0);
}

int ListWindow::OnFindItemWide(const NMLVFINDITEMW& find) const {
    // Some list-views ask in wide characters even of an ANSI window.
    NMLVFINDITEMA ansi{};
    ansi.iStart = find.iStart;
    ansi.lvfi.flags = find.lvfi.flags;
    std::string text = AnsiFromWide(find.lvfi.psz);
    ansi.lvfi.psz = text.c_str();
    return OnFindItem(ansi);
}

void ListWindow::OnCacheHint(const NMLVCACHEHINT& hint) {
    int last = std::min(hint.iTo, hint.iFrom + kHurriedAtMost);
    for (int i = std::max(hint.iFrom, 0); i <= last; ++i) WantIcon(i);
}

Marks ListWindow::TakeMarks() const {
    Marks marks;
    if (!list_) return marks;
    if (ListView_GetSelectedCount(list_) > 0) {
        for (int i = -1; (i = ListView_GetNextItem(list_, i, LVNI_SELECTED)) >= 0;) marks.selected.push_back(i);
    }
    marks.focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
    marks.anchor = ListView_GetSelectionMark(list_);
    return marks;
}

void ListWindow::PutMarks(const Marks& before, const Marks& after) {
    if (!list_) return;
    // Only the marked items are touched: a change to every item would cost
    // the list-view a round of notifications per item.
    int count = items_.Count();
    for (int i : before.selected) {
        if (i < count) ListView_SetItemState(list_, i, 0, LVIS_SELECTED);
    }
    // Focusing an item takes the focus from the one that had it; only a
    // focus whose item is gone is taken away by hand.
    if (before.focused >= 0 && before.focused < count && after.focused < 0) {
        ListView_SetItemState(list_, before.focused, 0, LVIS_FOCUSED);
    }
    for (int i : after.selected) ListView_SetItemState(list_, i, LVIS_SELECTED, LVIS_SELECTED);
    if (after.focused >= 0) ListView_SetItemState(list_, after.focused, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_SetSelectionMark(list_, after.anchor);
}

void ListWindow::MoveMarks(const Marks& before, const std::vector<int>& newIndexOf) {
    if (dropHighlight_ >= 0) {
        dropHighlight_ = static_cast<size_t>(dropHighlight_) < newIndexOf.size()
                             ? newIndexOf[static_cast<size_t>(dropHighlight_)]
                             : -1;
    }
    Marks after = RemapMarks(before, newIndexOf);
    if (!list_ || !redrawing_) {
        PutMarks(before, after);
        return;
    }
    if (before.selected.size() + after.selected.size() >= kQuietMarksFrom) {
        Redraw(false);
        PutMarks(before, after);
        Redraw(true);
        InvalidateRect(list_, nullptr, TRUE);
        return;
    }
    // Every row may show another item now. Invalidated first, the list is
    // painted once: by the scroll that brings a moved focus into view, which
    // paints at once, or else by the next paint. After such a scroll the
    // focus change invalidates its rows again, though they are painted.
    InvalidateRect(list_, nullptr, TRUE);
    int top = ListView_GetTopIndex(list_);
    PutMarks(before, after);
    if (ListView_GetTopIndex(list_) != top) ValidateRect(list_, nullptr);
}

void ListWindow::ShowItemCount(bool keepScroll) {
    if (!list_) return;
    ListView_SetItemCountEx(list_, items_.Count(), keepScroll ? LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL : 0);
}

std::string ListWindow::List(int index) const {
    if (!items_.Contains(index)) return {};
    const ListItem& item = items_.At(index);
    return item.HasPath() ? item.PathIn(currentPath_) : item.details.displayName;
}

bool ListWindow::Selected(int index) const {
    if (!list_ || !items_.Contains(index)) return false;
    return (ListView_GetItemState(list_, index, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ListWindow::SetSelected(int index, bool on) {
    if (!list_ || !items_.Contains(index)) return;
    ListView_SetItemState(list_, index, on ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

std::vector<int> ListWindow::SelectionInOrder() const { return TakeMarks().selected; }

int ListWindow::FocusedIndex() const { return list_ ? ListView_GetNextItem(list_, -1, LVNI_FOCUSED) : -1; }

const ITEMIDLIST* ListWindow::ItemId(int index) const {
    return items_.Contains(index) ? Id(items_.At(index)) : nullptr;
}

void ListWindow::RedrawItem(int index) {
    if (list_ && items_.Contains(index)) ListView_RedrawItems(list_, index, index);
}

void ListWindow::SetCut(int index, bool on) {
    if (!items_.Contains(index)) return;
    items_.At(index).cut = on;
    RedrawItem(index);
}

void ListWindow::SetDropHighlight(int index) {
    int previous = dropHighlight_;
    dropHighlight_ = items_.Contains(index) ? index : -1;
    if (previous == dropHighlight_) return;
    RedrawItem(previous);
    RedrawItem(dropHighlight_);
}

}  // namespace panorell
