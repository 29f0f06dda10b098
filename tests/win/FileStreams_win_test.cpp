// The shortcut copy on real files: the copy's bytes, its short name in the
// record, and a shortcut that already lies in the program folder.
#include "platform/FileStreams_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "TempFolder_win.h"
#include "launch/AddButton.h"
#include "launch/PathText.h"
#include "launch/Shell_win.h"
#include "platform/Dialogs_win.h"
#include "platform/Profile_win.h"

namespace corvella {
namespace {

using testing::TempFolder;

std::string ShortName(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD n = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? FileNameOf(std::string(buffer, n)) : std::string();
}

struct CopyScene {
    CopyScene() { CreateDirectoryA(folder.File("Dropped Links").c_str(), nullptr); }
    AddButtonDeps Deps() { return {profile, shell, streams, dialogs, folder.Path()}; }
    std::string Record(int n) {
        return profile.Read("Buttons", "Button" + std::to_string(n), "", 1024);
    }

    TempFolder folder;
    WinProfile profile{folder.File("Corvella.ini")};
    WinShell shell{[] { return static_cast<HWND>(nullptr); }};
    WinFileStreams streams;
    WinDialogs dialogs;
};

TEST(WinShortcutCopy, CopiesEveryByteAndStoresTheCopysShortName) {
    CopyScene s;
    std::string content(70000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 13 + 1);
    s.folder.WriteFile("Dropped Links\\Long Named Shortcut.lnk", content);
    int16_t count = 0;
    ASSERT_TRUE(AddButton(count, s.folder.File("Dropped Links\\Long Named Shortcut.lnk"), 1, s.Deps()));
    EXPECT_EQ(s.folder.ReadFile("long named shortcut.lnk"), content);
    const std::string shortName = ShortName(s.folder.File("long named shortcut.lnk"));
    ASSERT_FALSE(shortName.empty());
    EXPECT_EQ(s.Record(1), shortName + "\xFF" "1\xFFLong Named Shortcut\xFFLong Named Shortcut\xFF");
}

TEST(WinShortcutCopy, KeepsAShortcutDroppedFromTheProgramFolderItself) {
    CopyScene s;
    s.folder.WriteFile("Already Here.lnk", "the only copy there is");
    const std::string shortPath = s.folder.Path() + "\\" + ShortName(s.folder.File("Already Here.lnk"));
    for (const std::string& dropped : {s.folder.File("Already Here.lnk"), shortPath}) {
        EXPECT_EQ(CopyShortcutToProgramFolder(dropped, s.Deps()), FileNameOf(dropped)) << dropped;
        EXPECT_EQ(s.folder.ReadFile("Already Here.lnk"), "the only copy there is") << dropped;
    }
}

TEST(WinFileStreams, AFileBeingReadIsNotEmptiedByAWriter) {
    CopyScene s;
    s.folder.WriteFile("busy.lnk", "busy");
    std::unique_ptr<InputFile> reader = s.streams.OpenForReading(s.folder.File("busy.lnk"));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(s.streams.OpenForWriting(s.folder.File("busy.lnk")), nullptr);
    reader.reset();
    EXPECT_EQ(s.folder.ReadFile("busy.lnk"), "busy");
    EXPECT_EQ(s.streams.LongFullPath(s.folder.File("absent.lnk")), "");
}

}  // namespace
}  // namespace corvella
