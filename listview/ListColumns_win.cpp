// The columns of the list: Name always, Size(KB), Type and Modified for
// folders with a file-system path. Their widths are shared by every list in
// the process, so a user's widths carry over from one list to the next.
#include "ListWindow_win.h"

namespace panorell {

namespace {

// Read and written on window threads only.
struct ColumnWidths {
    int name = 200, size = 45, type = 80, modified = 53;
};
ColumnWidths gWidths;

struct ColumnInfo {
    ExtraColumn which;
    const char* header;
    int format;
    int ColumnWidths::*width;
};
constexpr ColumnInfo kExtraColumns[] = {
    {kSizeColumn, "Size(KB)", LVCFMT_RIGHT, &ColumnWidths::size},
    {kTypeColumn, "Type", LVCFMT_LEFT, &ColumnWidths::type},
    {kModifiedColumn, "Modified", LVCFMT_LEFT, &ColumnWidths::modified},
};

void InsertColumn(HWND list, int position, const char* header, int format, int width, int subItem) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(header);
    column.iSubItem = subItem;
    SendMessageA(list, LVM_INSERTCOLUMNA, position, reinterpret_cast<LPARAM>(&column));
}

}  // namespace

void ListWindow::RememberColumnWidths() {
    if (view_ != kViewReport || !list_) return;
    gWidths.name = ListView_GetColumnWidth(list_, 0);
    // Only columns that are there have a width to keep (a virtual folder
    // shows the Name column alone).
    for (const auto& c : kExtraColumns) {
        if (columnIndex_[c.which] > 0) gWidths.*c.width = ListView_GetColumnWidth(list_, columnIndex_[c.which]);
    }
}

void ListWindow::DeleteColumnsFrom(int first) {
    while (ListView_DeleteColumn(list_, first)) {
    }
    for (int& index : columnIndex_) index = -1;
    columnIndex_[0] = 0;
}

void ListWindow::InsertExtraColumns() {
    if (currentPath_.empty() && current_) return;  // virtual folders show Name only
    int position = 1;
    for (const auto& c : kExtraColumns) {
        if (!showColumn_[c.which]) continue;
        InsertColumn(list_, position, c.header, c.format, gWidths.*c.width, c.which);
        columnIndex_[c.which] = position++;
    }
}

void ListWindow::RebuildColumns() {
    if (!list_) return;
    // A new Name column goes in front before the old ones are deleted, so
    // the list is never without a column.
    InsertColumn(list_, 0, "Name", LVCFMT_LEFT, gWidths.name, 0);
    DeleteColumnsFrom(1);
    InsertExtraColumns();
}

void ListWindow::SetColumn(ExtraColumn which, bool shown) {
    if (which < kSizeColumn || which > kModifiedColumn || !list_) return;
    if (nameSpace_ != kNotSpecial) return;  // special folders keep their columns
    RememberColumnWidths();
    showColumn_[which] = shown;
    DeleteColumnsFrom(1);
    InsertExtraColumns();
    InvalidateRect(list_, nullptr, TRUE);
}

}  // namespace panorell
