// Listing real folders of the Wine drive: patterns, attribute bits, hidden
// files, folders that cannot be read, long paths and going up a level.
#include <algorithm>

#include "ListFixture_win.h"
#include "SortRules.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

TEST_F(ListFixture, PatternsListMatchingFilesAndEveryFolder) {
    TempFolder folder;
    for (const char* name : {"a.txt", "b.b.txt", "readme.TXT", "noext", "pic.bmp"}) MakeFile(folder, name);
    MakeFolder(folder, "sub");
    struct Case {
        const char* pattern;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"*.*", {"sub", "a.txt", "b.b.txt", "noext", "pic.bmp", "readme.TXT"}},
        {"*", {"sub", "a.txt", "b.b.txt", "noext", "pic.bmp", "readme.TXT"}},
        {"*.txt", {"sub", "a.txt", "b.b.txt", "readme.TXT"}},
        {"?.txt", {"sub", "a.txt"}},
        {"?.*", {"sub", "a.txt", "b.b.txt"}},
        {"", {"sub"}},
    };
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    for (const auto& c : cases) {
        list_->SetFilter(c.pattern, kDefaultAttributeFilter);
        EXPECT_EQ(Names(*list_), c.names) << "pattern " << c.pattern;
    }
    // Re-listing for a filter is not announced; the first move was.
    EXPECT_EQ(std::count_if(sink_.events.begin(), sink_.events.end(),
                            [](const std::string& e) { return e.rfind("Change 1", 0) == 0; }),
              1);
}

TEST_F(ListFixture, HiddenFilesStayAfterAListingAndGoWithRefresh) {
    TempFolder folder;
    MakeFile(folder, "plain.txt");
    MakeFile(folder, "secret.txt");
    MakeFile(folder, "system.txt");
    SetFileAttributesA(folder.File("secret.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(folder.File("system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    // Callers look items up in the first listing, so it keeps every file.
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"plain.txt", "secret.txt", "system.txt"}));
    list_->Refresh();
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"plain.txt"}));

    list_->SetFilter("*.*", MakeAttributeFilter(true, true, false, true));
    list_->Refresh();
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"plain.txt", "secret.txt"}));
    list_->SetFilter("*.*", MakeAttributeFilter(true, true, true, true));
    list_->Refresh();
    EXPECT_EQ(Names(*list_).size(), 3u);
}

TEST_F(ListFixture, AFileCreatedInTheFolderAppearsAtTheEndWithAChange) {
    TempFolder folder;
    for (const char* name : {"b.txt", "c.txt", "d.txt"}) MakeFile(folder, name);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    ASSERT_TRUE(list_->WatchersRunning());
    sink_.events.clear();
    MakeFile(folder, "a.txt", 2048);
    ASSERT_TRUE(PumpUntil([&] { return list_->ItemCount() == 4; })) << "the new file never appeared; events: " << ::testing::PrintToString(sink_.events) << " count " << list_->ItemCount();
    // At the end, not sorted in, and with its details read at once.
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"b.txt", "c.txt", "d.txt", "a.txt"}));
    EXPECT_EQ(list_->ColumnText(*list_->Item(3), kSizeColumn), "2.00");
    EXPECT_TRUE(sink_.Saw("Change 2 1"));

    DeleteFileA(folder.File("c.txt").c_str());
    ASSERT_TRUE(PumpUntil([&] { return list_->ItemCount() == 3; })) << "the deleted file stayed";
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"b.txt", "d.txt", "a.txt"}));
}

TEST_F(ListFixture, WatchersStopAndStartAgainAroundACommand) {
    TempFolder folder;
    MakeFile(folder, "b.txt");
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    list_->StopWatchers();
    EXPECT_FALSE(list_->WatchersRunning());
    list_->RestartWatchers();
    EXPECT_TRUE(list_->WatchersRunning());
    MakeFile(folder, "a.txt");
    EXPECT_TRUE(PumpUntil([&] { return list_->ItemCount() == 2; }));
}

TEST(FolderWatcher, AWatchThatCannotStartEndsQuietly) {
    FolderWatcher watcher;
    EXPECT_TRUE(watcher.Start(nullptr, WM_NULL, "C:\no such folder\at all", 1, 0));
    watcher.Stop();
    EXPECT_FALSE(watcher.Running());
    watcher.Stop();  // twice is fine
}

TEST_F(ListFixture, AVanishedFolderRaisesControlErrorAndFallsBackToItsParent) {
    TempFolder folder;
    MakeFolder(folder, "gone");
    MakeFile(folder, "here.txt");
    FolderRecordPtr record = RecordFromPath(folder.File("gone"));
    ASSERT_NE(record, nullptr);
    RemoveDirectoryA(folder.File("gone").c_str());

    EXPECT_TRUE(list_->MoveTo(std::move(record)));
    EXPECT_EQ(list_->CurrentPath(), folder.Path());
    EXPECT_EQ(Names(*list_), (std::vector<std::string>{"here.txt"}));
    EXPECT_TRUE(sink_.Saw("ControlError 1"));
    EXPECT_TRUE(sink_.Saw("Moved 2 listed"));
}

TEST_F(ListFixture, AFolderDeletedWhileShownEmptiesTheListWithoutACrash) {
    TempFolder outer;
    MakeFolder(outer, "shown");
    std::string shown = outer.File("shown");
    for (const char* name : {"one.txt", "two.txt"}) outer.WriteFile(std::string("shown\\") + name, "x");
    ASSERT_TRUE(list_->MoveToPath(shown));
    ASSERT_EQ(list_->ItemCount(), 2);
    DeleteFileA((shown + "\\one.txt").c_str());
    DeleteFileA((shown + "\\two.txt").c_str());
    RemoveDirectoryA(shown.c_str());
    PumpUntil([&] { return list_->ItemCount() == 0; }, 3000);
    list_->Refresh();
    EXPECT_EQ(list_->ItemCount(), 0);
    // Going on from there still works.
    EXPECT_TRUE(list_->MoveToPath(outer.Path()));
}

TEST_F(ListFixture, PathsThatNameNoFolderChangeNothing) {
    TempFolder folder;
    MakeFile(folder, "file.txt");
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    sink_.events.clear();
    const std::string cases[] = {
        folder.File("file.txt"),                          // a file
        folder.File("missing"),                           // nothing there
        "C:\\" + std::string(300, 'x'),                   // over 260 characters
        folder.Path() + "\\" + std::string(280, 'y') + "\\z",
        "",
    };
    for (const auto& path : cases) {
        EXPECT_FALSE(list_->MoveToPath(path)) << path.substr(0, 40);
        EXPECT_EQ(list_->CurrentPath(), folder.Path());
        EXPECT_EQ(Names(*list_), (std::vector<std::string>{"file.txt"}));
    }
    EXPECT_TRUE(sink_.events.empty());
}

TEST_F(ListFixture, BackOneLevelStopsAtTheDesktopAndGoesFromADriveToMyComputer) {
    ASSERT_TRUE(list_->MoveToNameSpace(kDesktop));
    EXPECT_FALSE(list_->BackOneLevel());
    EXPECT_EQ(list_->CurrentNameSpace(), kDesktop);

    ASSERT_TRUE(list_->MoveToPath("C:\\"));
    EXPECT_TRUE(list_->BackOneLevel());
    EXPECT_EQ(list_->CurrentNameSpace(), kMyComputer);
    EXPECT_TRUE(sink_.Saw("Moved 2 listed"));
    EXPECT_TRUE(sink_.Saw("Change 1 namespace 1"));
    EXPECT_TRUE(list_->BackOneLevel());
    EXPECT_EQ(list_->CurrentNameSpace(), kDesktop);
}

TEST_F(ListFixture, BackspaceGoesUpALevel) {
    TempFolder folder;
    MakeFolder(folder, "inner");
    ASSERT_TRUE(list_->MoveToPath(folder.File("inner")));
    SendMessageA(list_->List(), WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(list_->CurrentPath(), folder.Path());
    EXPECT_TRUE(sink_.Saw("BackspaceUp"));
}

TEST_F(ListFixture, MyComputerListsTheDrivesFirstInLetterOrder) {
    ASSERT_TRUE(list_->MoveToNameSpace(kMyComputer));
    ASSERT_GT(list_->ItemCount(), 0);
    std::vector<std::string> drives;
    bool pastDrives = false;
    for (int i = 0; i < list_->ItemCount(); ++i) {
        const ListItem* item = list_->Item(i);
        bool drive = IsDriveName(item->parsingName);
        EXPECT_FALSE(drive && pastDrives) << item->parsingName << " after a non-drive";
        if (drive) drives.push_back(item->parsingName);
        else pastDrives = true;
    }
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives[0].substr(0, 3), "C:\\");
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
}

TEST_F(ListFixture, TheSixNameSpacesCanBeShown) {
    for (int nameSpace : {kDesktop, kMyComputer, kControls, kRecycleBin}) {
        EXPECT_TRUE(list_->MoveToNameSpace(nameSpace)) << nameSpace;
        EXPECT_EQ(list_->CurrentNameSpace(), nameSpace);
    }
    // Printers and the network may not be enumerable here; then the list
    // reports it and shows the nearest folder it can.
    for (int nameSpace : {kPrinters, kNetwork}) {
        sink_.events.clear();
        list_->MoveToNameSpace(nameSpace);
        if (list_->CurrentNameSpace() != nameSpace) {
            EXPECT_TRUE(sink_.Saw("ControlError 1")) << nameSpace;
            EXPECT_TRUE(sink_.Saw("Moved 2 listed")) << nameSpace;
        }
    }
    EXPECT_FALSE(list_->MoveToNameSpace(7));
    EXPECT_FALSE(list_->MoveToNameSpace(-1));
    EXPECT_TRUE(list_->MoveToNameSpace(kMyComputer));
}

}  // namespace
}  // namespace panorell::testing
