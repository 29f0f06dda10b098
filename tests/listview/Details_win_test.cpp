// Item details, columns, sorting and the threads behind them, on real folders.
#include <shlobj.h>

#include <algorithm>

#include "ListFixture_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

std::string HeaderText(HWND list, int index) {
    char text[64] = "";
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    if (!SendMessageA(list, LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(&column))) return "<none>";
    return text;
}

std::vector<std::string> Headers(HWND list) {
    std::vector<std::string> headers;
    for (int i = 0;; ++i) {
        std::string text = HeaderText(list, i);
        if (text == "<none>") return headers;
        headers.push_back(text);
    }
}

TEST_F(ListFixture, SizeTextsOfAnEmptyFileAFileAndAFolder) {
    TempFolder folder;
    MakeFile(folder, "empty.txt", 0);
    MakeFile(folder, "half.txt", 1536);
    MakeFolder(folder, "sub");
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    auto size = [&](const char* name) { return list_->ColumnText(*list_->Item(IndexOf(*list_, name)), kSizeColumn); };
    EXPECT_EQ(size("empty.txt"), "");
    EXPECT_EQ(size("half.txt"), "1.50");
    EXPECT_EQ(size("sub"), "");

    // A changed item switches to texts on demand: "0" for an empty file.
    HANDLE file = CreateFileA(folder.File("empty.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    FILETIME old{0x12345678, 0x01B00000};
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
    list_->Refresh();
    EXPECT_EQ(size("empty.txt"), "0");
    EXPECT_EQ(size("half.txt"), "1.50");
    EXPECT_EQ(size("sub"), "");
}

TEST_F(ListFixture, EveryItemOfAFortyItemFolderGetsItsDetails) {
    TempFolder folder;
    for (int i = 0; i < 40; ++i) {
        char name[32];
        wsprintfA(name, "item%02d.txt", i);
        MakeFile(folder, name, 1024 * static_cast<size_t>(i + 1));
    }
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    ASSERT_EQ(list_->ItemCount(), 40);
    ASSERT_TRUE(WaitForFiller(*list_));
    int firstIcon = list_->Item(0)->icon;
    for (int i = 0; i < 40; ++i) {
        const ListItem& item = *list_->Item(i);
        char size[16];
        wsprintfA(size, "%d.00", i + 1);
        EXPECT_EQ(list_->ColumnText(item, kSizeColumn), size) << "item " << i;
        EXPECT_FALSE(list_->ColumnText(item, kTypeColumn).empty()) << "item " << i;
        EXPECT_NE(list_->ColumnText(item, kModifiedColumn).find("  "), std::string::npos) << "item " << i;
        EXPECT_EQ(item.icon, firstIcon) << "item " << i;
        EXPECT_TRUE(IsValidLocalTime(item.details.modified)) << "item " << i;
    }
    EXPECT_FALSE(list_->FillerRunning());
}

TEST_F(ListFixture, TwoListsInOneHostFillTheirOwnDetails) {
    TempFolder one, two;
    for (int i = 0; i < 60; ++i) {
        char name[32];
        wsprintfA(name, "one%03d.txt", i);
        MakeFile(one, name, 1024);
        wsprintfA(name, "two%03d.dat", i);
        MakeFile(two, name, 2048);
    }
    RecordingSink otherSink;
    auto other = MakeList(&otherSink, 240);
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(list_->MoveToPath(one.Path()));
    ASSERT_TRUE(other->MoveToPath(two.Path()));
    ASSERT_TRUE(WaitForFiller(*list_));
    ASSERT_TRUE(WaitForFiller(*other));
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(list_->ColumnText(*list_->Item(i), kSizeColumn), "1.00") << i;
        EXPECT_EQ(other->ColumnText(*other->Item(i), kSizeColumn), "2.00") << i;
    }
}

TEST_F(ListFixture, NoThreadOutlivesItsList) {
    TempFolder folder;
    for (int i = 0; i < 400; ++i) {
        char name[32];
        wsprintfA(name, "f%03d.txt", i);
        MakeFile(folder, name);
    }
    list_.reset();
    int before = ThreadCount();
    for (int round = 0; round < 3; ++round) {
        auto list = MakeList(&sink_, 0);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(list->MoveToPath(folder.Path()));
        EXPECT_TRUE(list->WatchersRunning());
        // Moving away while the filler may still run, then destroying.
        ASSERT_TRUE(list->MoveToPath(folder.Path()));
        list.reset();
        EXPECT_EQ(ThreadCount(), before) << "round " << round;
    }
    // Destroying the frame around a live list stops its threads as well.
    auto list = MakeList(&sink_, 0);
    ASSERT_TRUE(list->MoveToPath(folder.Path()));
    DestroyWindow(frame_);
    frame_ = nullptr;
    EXPECT_FALSE(list->WatchersRunning());
    EXPECT_FALSE(list->FillerRunning());
    list.reset();
    EXPECT_EQ(ThreadCount(), before);
}

TEST_F(ListFixture, ShortcutsGetTheLinkOverlay) {
    TempFolder folder;
    MakeFile(folder, "target.txt");
    IShellLinkA* link = nullptr;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                              reinterpret_cast<void**>(&link)));
    link->SetPath(folder.File("target.txt").c_str());
    IPersistFile* file = nullptr;
    ASSERT_HRESULT_SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    std::string lnk = folder.File("shortcut.lnk");
    std::wstring wide(lnk.begin(), lnk.end());
    ASSERT_HRESULT_SUCCEEDED(file->Save(wide.c_str(), TRUE));
    file->Release();
    link->Release();

    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    ASSERT_EQ(list_->ItemCount(), 2);
    for (int i = 0; i < 2; ++i) {
        const ListItem& item = *list_->Item(i);
        UINT overlay = ListView_GetItemState(list_->List(), i, LVIS_OVERLAYMASK);
        bool isLink = list_->ItemText(i) == lnk;
        EXPECT_EQ((item.shellAttributes & SFGAO_LINK) != 0, isLink) << list_->ItemText(i);
        EXPECT_EQ(overlay, isLink ? INDEXTOOVERLAYMASK(2) : 0u) << list_->ItemText(i);
    }
}

TEST_F(ListFixture, VirtualFoldersShowOnlyTheNameColumn) {
    TempFolder folder;
    MakeFile(folder, "a.txt");
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    EXPECT_EQ(Headers(list_->List()), (std::vector<std::string>{"Name", "Size(KB)", "Type", "Modified"}));
    ASSERT_TRUE(list_->MoveToNameSpace(kControls));
    EXPECT_EQ(Headers(list_->List()), (std::vector<std::string>{"Name"}));
    list_->SetColumn(kSizeColumn, false);
    list_->SetColumn(kTypeColumn, true);
    EXPECT_EQ(Headers(list_->List()), (std::vector<std::string>{"Name"}));
    EXPECT_TRUE(list_->ColumnShown(kSizeColumn));  // special folders keep the flags
    ASSERT_GT(list_->ItemCount(), 0);
    EXPECT_EQ(list_->ItemText(0), list_->Item(0)->details.displayName);  // no path: the display name
}

TEST_F(ListFixture, HiddenColumnsLeaveTheOthersWithTheirTexts) {
    TempFolder folder;
    MakeFile(folder, "a.txt", 3072);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    list_->SetColumn(kSizeColumn, false);
    EXPECT_EQ(Headers(list_->List()), (std::vector<std::string>{"Name", "Type", "Modified"}));
    EXPECT_EQ(list_->KindOfColumn(1), kTypeColumn);
    EXPECT_EQ(list_->KindOfColumn(2), kModifiedColumn);
    list_->SetView(kViewReport);
    char text[64] = "";
    ListView_GetItemText(list_->List(), 0, 1, text, sizeof text);
    EXPECT_EQ(std::string(text), list_->Item(0)->details.typeName);
    list_->SetColumn(kSizeColumn, true);
    EXPECT_EQ(Headers(list_->List()), (std::vector<std::string>{"Name", "Size(KB)", "Type", "Modified"}));
    ListView_GetItemText(list_->List(), 0, 1, text, sizeof text);
    EXPECT_EQ(std::string(text), "3.00");
}

// Folder to folder the columns stay as they are, with the widths the user
// gave them; a virtual folder in between takes them away and brings them
// back with those widths.
TEST_F(ListFixture, ColumnsKeepTheirWidthsFromFolderToFolder) {
    TempFolder folder;
    MakeFolder(folder, "sub");
    MakeFile(folder, "a.txt");
    list_->SetView(kViewReport);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    HWND list = list_->List();
    ListView_SetColumnWidth(list, 0, 151);
    ListView_SetColumnWidth(list, list_->ColumnIndex(kTypeColumn), 111);
    auto widths = [&] {
        std::vector<int> w;
        for (int i = 0; i < static_cast<int>(Headers(list).size()); ++i) w.push_back(ListView_GetColumnWidth(list, i));
        return w;
    };
    std::vector<int> set = widths();
    ASSERT_EQ(set.size(), 4u);
    for (const char* where : {"sub", "", "controls", ""}) {
        if (std::string(where) == "controls") {
            ASSERT_TRUE(list_->MoveToNameSpace(kControls));
            EXPECT_EQ(Headers(list), (std::vector<std::string>{"Name"}));
            EXPECT_EQ(list_->ColumnIndex(kTypeColumn), -1);
            continue;
        }
        ASSERT_TRUE(list_->MoveToPath(*where ? folder.File(where) : folder.Path())) << where;
        EXPECT_EQ(Headers(list), (std::vector<std::string>{"Name", "Size(KB)", "Type", "Modified"})) << where;
        EXPECT_EQ(widths(), set) << "after moving to '" << where << "'";
        EXPECT_EQ(list_->KindOfColumn(2), kTypeColumn) << where;
    }
}

TEST_F(ListFixture, HeaderClicksSortAndReverseWithFoldersFirst) {
    TempFolder folder;
    MakeFile(folder, "big.txt", 4096);
    MakeFile(folder, "small.txt", 1024);
    MakeFile(folder, "mid.txt", 2048);
    MakeFolder(folder, "zdir");
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    ASSERT_TRUE(WaitForFiller(*list_));
    auto click = [&](int column) {
        NMLISTVIEW info{};
        info.hdr.hwndFrom = list_->List();
        info.hdr.idFrom = 1001;
        info.hdr.code = LVN_COLUMNCLICK;
        info.iItem = -1;
        info.iSubItem = list_->ColumnIndex(static_cast<ExtraColumn>(column));
        SendMessageA(list_->Pane(), WM_NOTIFY, 1001, reinterpret_cast<LPARAM>(&info));
    };
    click(kSizeColumn);
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"zdir", "small.txt", "mid.txt", "big.txt"}));
    click(kSizeColumn);
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"zdir", "big.txt", "mid.txt", "small.txt"}));
    list_->SortBy(kSortName);  // another column starts ascending
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"zdir", "big.txt", "mid.txt", "small.txt"}));
    EXPECT_FALSE(list_->Sort().descending);
    list_->SortBy(kSortName);
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"zdir", "small.txt", "mid.txt", "big.txt"}));
    // A new listing sorts ascending by the column last chosen.
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"zdir", "big.txt", "mid.txt", "small.txt"}));
}

}  // namespace
}  // namespace panorell::testing
