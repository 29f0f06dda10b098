// The item array behind the owner-data list-view: selection, focus and marks
// follow their items through sorts and removals, type-ahead finds items by
// name, and the reads the control object and the shell operations use.
#include <shlwapi.h>

#include "ListFixture_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

std::string NameAt(const ListWindow& list, int index) {
    const ListItem* item = list.Item(index);
    return item ? item->details.displayName : "<none>";
}

std::vector<std::string> SelectedNames(const ListWindow& list) {
    std::vector<std::string> names;
    for (int index : list.SelectionInOrder()) names.push_back(NameAt(list, index));
    return names;
}

TEST_F(ListFixture, SelectionFocusAndMarksFollowTheirItemsThroughSorts) {
    TempFolder folder;
    MakeFile(folder, "big.txt", 4096);
    MakeFile(folder, "small.txt", 1024);
    MakeFile(folder, "mid.txt", 2048);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    list_->Select(IndexOf(*list_, "mid.txt"), true);
    list_->Select(IndexOf(*list_, "small.txt"), true);
    ListView_SetItemState(list_->List(), IndexOf(*list_, "small.txt"), LVIS_FOCUSED, LVIS_FOCUSED);
    list_->SetCut(IndexOf(*list_, "big.txt"), true);
    list_->SetDropHighlight(IndexOf(*list_, "mid.txt"));

    for (int column : {kSortSize, kSortSize, kSortName}) {
        list_->SortBy(column);
        std::vector<std::string> selected = SelectedNames(*list_);
        std::vector<std::string> expected = {"mid.txt", "small.txt"};
        if (IndexOf(*list_, "small.txt") < IndexOf(*list_, "mid.txt")) std::swap(expected[0], expected[1]);
        EXPECT_EQ(selected, expected) << "in list order after sorting by " << column << ": "
                                      << ::testing::PrintToString(Names(*list_));
        EXPECT_EQ(NameAt(*list_, list_->FocusedIndex()), "small.txt");
        EXPECT_EQ(NameAt(*list_, list_->DropHighlight()), "mid.txt");
        for (int i = 0; i < list_->ItemCount(); ++i) {
            UINT state = ListView_GetItemState(list_->List(), i, LVIS_CUT | LVIS_DROPHILITED | LVIS_SELECTED);
            EXPECT_EQ((state & LVIS_CUT) != 0, NameAt(*list_, i) == "big.txt") << NameAt(*list_, i);
            EXPECT_EQ((state & LVIS_DROPHILITED) != 0, NameAt(*list_, i) == "mid.txt") << NameAt(*list_, i);
            EXPECT_EQ((state & LVIS_SELECTED) != 0, list_->Selected(i)) << NameAt(*list_, i);
        }
    }
}

TEST_F(ListFixture, SelectionStaysOnItsItemWhenAnItemBeforeItGoes) {
    TempFolder folder;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) MakeFile(folder, name);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    list_->Select(IndexOf(*list_, "c.txt"), true);
    list_->Select(IndexOf(*list_, "b.txt"), true);
    DeleteFileA(folder.File("b.txt").c_str());
    DeleteFileA(folder.File("a.txt").c_str());
    ASSERT_TRUE(PumpUntil([&] { return list_->ItemCount() == 2; })) << "the deleted files stayed";
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"c.txt", "d.txt"}));
    EXPECT_EQ(SelectedNames(*list_), (std::vector<std::string>{"c.txt"}));
    EXPECT_FALSE(list_->Selected(1));
}

// The focus moves with its item when others go, and goes with its item:
// it never lands on the neighbour that takes the freed place.
TEST_F(ListFixture, FocusFollowsItsItemAndGoesWithIt) {
    TempFolder folder;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) MakeFile(folder, name);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    ListView_SetItemState(list_->List(), IndexOf(*list_, "c.txt"), LVIS_FOCUSED, LVIS_FOCUSED);
    DeleteFileA(folder.File("a.txt").c_str());
    ASSERT_TRUE(PumpUntil([&] { return list_->ItemCount() == 3; })) << "the deleted file stayed";
    EXPECT_EQ(NameAt(*list_, list_->FocusedIndex()), "c.txt");
    DeleteFileA(folder.File("c.txt").c_str());
    ASSERT_TRUE(PumpUntil([&] { return list_->ItemCount() == 2; })) << "the deleted file stayed";
    EXPECT_EQ(list_->FocusedIndex(), -1) << "focus on " << NameAt(*list_, list_->FocusedIndex());
}

TEST_F(ListFixture, TypingTheStartOfANameMovesTheFocusThere) {
    TempFolder folder;
    for (const char* name : {"apple.txt", "Banana.txt", "berry.txt", "cherry.txt"}) MakeFile(folder, name);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    SetFocus(list_->List());
    struct Case {
        const char* typed;
        const char* focused;
    };
    // Each case waits past the list-view's type-ahead pause, so it starts a
    // new search from the focused item.
    const Case cases[] = {{"b", "Banana.txt"}, {"be", "berry.txt"}, {"c", "cherry.txt"}, {"a", "apple.txt"}};
    for (const auto& c : cases) {
        for (const char* key = c.typed; *key; ++key) SendMessageA(list_->List(), WM_CHAR, *key, 1);
        EXPECT_EQ(NameAt(*list_, list_->FocusedIndex()), c.focused) << "typed " << c.typed;
        Sleep(1100);
    }
}

TEST_F(ListFixture, TheControlObjectReadsItemsByIndex) {
    TempFolder folder;
    MakeFile(folder, "one.txt");
    MakeFolder(folder, "sub");
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    ASSERT_EQ(list_->ListCount(), 2);
    EXPECT_EQ(list_->List(0), folder.File("sub"));
    EXPECT_EQ(list_->List(1), folder.File("one.txt"));
    for (int index = 0; index < 2; ++index) {
        // The id names the item in the folder shown, as the shell sees it.
        STRRET name{};
        ASSERT_NE(list_->ItemId(index), nullptr);
        ASSERT_HRESULT_SUCCEEDED(list_->Folder()->GetDisplayNameOf(list_->ItemId(index), SHGDN_FORPARSING, &name));
        char text[MAX_PATH] = "";
        StrRetToBufA(&name, const_cast<ITEMIDLIST*>(list_->ItemId(index)), text, sizeof text);
        EXPECT_EQ(text, list_->List(index));
    }
    // Out of range: nothing, and nothing changes.
    for (int index : {-1, 2, 1000}) {
        EXPECT_EQ(list_->List(index), "");
        EXPECT_EQ(list_->ItemId(index), nullptr);
        EXPECT_FALSE(list_->Selected(index));
        list_->SetSelected(index, true);
        list_->SetCut(index, true);
        list_->RedrawItem(index);
    }
    EXPECT_TRUE(list_->SelectionInOrder().empty());
    list_->SetDropHighlight(5);
    EXPECT_EQ(list_->DropHighlight(), -1);
}

TEST_F(ListFixture, AListingSortedBySizeOrDateSortsByTheRealValues) {
    TempFolder folder;
    // More items than a listing ever filled at once before the filler came.
    const int sizes[] = {7, 3, 40, 12, 1, 33, 25, 9, 18, 2, 30, 5, 21, 14, 38, 27, 11, 6, 35, 16};
    for (int i = 0; i < 20; ++i) {
        std::string name = "f" + std::to_string(i) + ".dat";
        MakeFile(folder, name, 1024 * static_cast<size_t>(sizes[i]));
        // Times in the opposite order of the sizes, a day apart.
        HANDLE file = CreateFileA(folder.File(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ULARGE_INTEGER when{};
        when.QuadPart = 0x01D0000000000000ULL - static_cast<ULONGLONG>(sizes[i]) * 864000000000ULL;
        FILETIME time{when.LowPart, when.HighPart};
        SetFileTime(file, nullptr, nullptr, &time);
        CloseHandle(file);
    }
    for (int column : {kSortSize, kSortModified}) {
        list_->SortBy(column);
        if (list_->Sort().descending) list_->SortBy(column);
        ASSERT_TRUE(list_->MoveToPath(folder.Path()));
        ASSERT_EQ(list_->ItemCount(), 20);
        for (int i = 1; i < 20; ++i) {
            double previous = list_->Item(i - 1)->details.sizeKb, size = list_->Item(i)->details.sizeKb;
            if (column == kSortSize) EXPECT_LT(previous, size) << "item " << i;
            else EXPECT_GT(previous, size) << "item " << i << ": the older file is the bigger one";
        }
    }
}

TEST_F(ListFixture, OwnIconsAreReadForTheItemsShownFirst) {
    TempFolder folder;
    for (int i = 0; i < 300; ++i) {
        char name[32];
        wsprintfA(name, "p%03d.exe", i);
        MakeFile(folder, name, 64);
    }
    list_->SetView(kViewReport);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    UpdateWindow(list_->List());
    ASSERT_TRUE(WaitForFiller(*list_));
    // The first page has its own icons; the last item, never shown, waits.
    EXPECT_FALSE(list_->Item(0)->iconPending);
    EXPECT_TRUE(list_->Item(299)->iconPending);
    ListView_EnsureVisible(list_->List(), 299, FALSE);
    UpdateWindow(list_->List());
    EXPECT_TRUE(PumpUntil([&] { return !list_->Item(299)->iconPending; })) << "the item shown never got its icon";
}

}  // namespace
}  // namespace panorell::testing
