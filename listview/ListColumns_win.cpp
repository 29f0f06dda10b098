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

void SetWidth(HWND list, int column, int width) {
    if (ListView_GetColumnWidth(list, column) != width) ListView_SetColumnWidth(list, column, width);
}

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
    int position = 1;
    for (const auto& c : kExtraColumns) {
        if (!ExtraColumnWanted(c.which)) continue;
        InsertColumn(list_, position, c.header, c.format, gWidths.*c.width, c.which);
        columnIndex_[c.which] = position++;
    }
}

bool ListWindow::ExtraColumnWanted(ExtraColumn which) const {
    return showColumn_[which] && !(currentPath_.empty() && current_);  // virtual folders show Name only
}

void ListWindow::RebuildColumns() {
    if (!list_) return;
    // The next folder mostly shows the same columns: in the details view
    // they stay, only their widths are brought up to the shared ones.
    // Making the header anew costs more than listing a small folder. (In
    // the other views a column width is the list's own, so they rebuild.)
    bool same = columnsMade_ && view_ == kViewReport;
    for (const auto& c : kExtraColumns) same = same && (columnIndex_[c.which] > 0) == ExtraColumnWanted(c.which);
    if (same) {
        SetWidth(list_, 0, gWidths.name);
        for (const auto& c : kExtraColumns) {
            if (columnIndex_[c.which] > 0) SetWidth(list_, columnIndex_[c.which], gWidths.*c.width);
        }
        return;
    }
    // A new Name column goes in front before the old ones are deleted, so
    // the list is never without a column.
    InsertColumn(list_, 0, "Name", LVCFMT_LEFT, gWidths.name, 0);
    DeleteColumnsFrom(1);
    InsertExtraColumns();
    columnsMade_ = true;
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
