// The shell port on real files and real processes under the Windows temp
// folder.
#include "launch/Shell_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/Driver_win.h"
#include "win/TempFolder_win.h"

namespace corvella {
namespace {

using testing::FileBytes;
using testing::TempFolder;
using testing::WaitUntil;

std::string PlatformShortPath(const std::string& path) {
    char buffer[MAX_PATH * 2] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

WinShell NoOwnerShell() {
    return WinShell([] { return HWND{}; });
}

TEST(WinShell, ShortPathOfALongNameHasNoBlankAndLeadsBackToIt) {
    TempFolder folder;
    const std::string longFolder = folder.File("Long Folder Name");
    ASSERT_TRUE(CreateDirectoryA(longFolder.c_str(), nullptr));
    const std::string file = longFolder + "\\A Document With Blanks.text";
    folder.WriteFile("Long Folder Name\\A Document With Blanks.text", "x");
    WinShell shell = NoOwnerShell();

    const std::string shortFile = shell.ShortPath(file);
    ASSERT_FALSE(shortFile.empty());
    EXPECT_EQ(shortFile.find(' '), std::string::npos) << shortFile;
    char longAgain[MAX_PATH] = {};
    ASSERT_GT(GetLongPathNameA(shortFile.c_str(), longAgain, MAX_PATH), 0u);
    EXPECT_EQ(lstrcmpiA(longAgain, file.c_str()), 0) << longAgain;
    EXPECT_FALSE(shell.ShortPath(longFolder + "\\").empty());

    EXPECT_EQ(shell.ShortPath(folder.File("missing.txt")), "");
    EXPECT_EQ(shell.ShortPath(folder.File("missing\\deeper.txt")), "");
    EXPECT_EQ(shell.ShortPath(""), "");
}

// Short paths of 254 characters fit the 255-character buffer; one of 255
// needs room for its terminator too and counts as a failure.
TEST(WinShell, ShortPathEndsAtTheBuffer) {
    TempFolder folder;
    // Every name short already, so each path is its own short form.
    std::string base = PlatformShortPath(folder.Path());
    ASSERT_FALSE(base.empty());
    ASSERT_LT(base.size(), 200u);
    auto addFolder = [&](std::size_t nameLength) {
        base += "\\" + std::string(nameLength, 'd');
        return CreateDirectoryA(base.c_str(), nullptr) != FALSE;
    };
    while (base.size() + 9 <= 245) {
        ASSERT_TRUE(addFolder(8)) << base;
    }
    if (base.size() < 243) {
        ASSERT_TRUE(addFolder(243 - base.size())) << base;
    }
    ASSERT_GE(base.size(), 243u);
    ASSERT_LE(base.size(), 245u);
    // base + "\" + name + ".txt" with a name of 1 to 8 characters.
    const std::string fits = base + "\\" + std::string(254 - base.size() - 5, 'f') + ".txt";
    const std::string tooLong = base + "\\" + std::string(255 - base.size() - 5, 'g') + ".txt";
    for (const std::string* path : {&fits, &tooLong}) {
        HANDLE file = CreateFileA(path->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << *path;
        CloseHandle(file);
    }
    ASSERT_EQ(fits.size(), 254u);
    ASSERT_EQ(PlatformShortPath(tooLong).size(), 255u);
    WinShell shell = NoOwnerShell();
    EXPECT_EQ(shell.ShortPath(fits), fits);
    EXPECT_EQ(shell.ShortPath(tooLong), "");
}

TEST(WinShell, IsFolderOnlyForExistingFolders) {
    TempFolder folder;
    folder.WriteFile("file.txt", "x");
    ASSERT_TRUE(CreateDirectoryA(folder.File("sub").c_str(), nullptr));
    WinShell shell = NoOwnerShell();
    const struct {
        std::string path;
        bool folder;
    } cases[] = {
        {folder.Path(), true},          {folder.Path() + "\\", true},    {folder.File("sub"), true},
        {"C:\\", true},                 {folder.File("file.txt"), false}, {folder.File("missing"), false},
        {folder.File("missing\\"), false}, {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(shell.IsFolder(c.path), c.folder) << "[" << c.path << "]";
}

TEST(WinShell, CopiesDroppedFilesIntoAFolder) {
    TempFolder folder;
    folder.WriteFile("one.txt", "first");
    folder.WriteFile("two words.txt", "second");
    ASSERT_TRUE(CreateDirectoryA(folder.File("into").c_str(), nullptr));
    const std::string sources = folder.File("one.txt") + '\0' + folder.File("two words.txt") + '\0';
    bool ownerAsked = false;
    WinShell shell([&] {
        ownerAsked = true;
        return HWND{};
    });

    const Shell::CopyResult copy = shell.CopyInto(sources, folder.File("into") + "\\");
    EXPECT_EQ(copy.result, 0);
    EXPECT_FALSE(copy.aborted);
    EXPECT_TRUE(ownerAsked);
    EXPECT_EQ(folder.ReadFile("into\\one.txt"), "first");
    EXPECT_EQ(folder.ReadFile("into\\two words.txt"), "second");
    EXPECT_EQ(folder.ReadFile("one.txt"), "first");  // copied, not moved

    // A list whose last path lacks its NUL still ends where it should.
    ASSERT_TRUE(CreateDirectoryA(folder.File("again").c_str(), nullptr));
    EXPECT_EQ(shell.CopyInto(folder.File("one.txt"), folder.File("again") + "\\").result, 0);
    EXPECT_EQ(folder.ReadFile("again\\one.txt"), "first");
}

// cmd.exe writes a file named relative to its working folder, so the file
// says both that the program ran and where (Open's folder argument).
TEST(WinShell, OpenAndStartCommandRunPrograms) {
    TempFolder folder;
    WinShell shell = NoOwnerShell();
    EXPECT_TRUE(shell.Open("cmd.exe", "/c echo opened>opened.txt", folder.Path()));
    EXPECT_TRUE(WaitUntil([&] { return FileBytes(folder.File("opened.txt")).find("opened") == 0; }, 20000));

    const std::string marker = folder.File("started.txt");
    shell.StartCommand("cmd.exe /c echo started>\"" + marker + "\"");
    EXPECT_TRUE(WaitUntil([&] { return FileBytes(marker).find("started") == 0; }, 20000));
}

}  // namespace
}  // namespace corvella
