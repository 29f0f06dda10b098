// The start procedure as a user meets it: a second copy brings the first one
// back and ends without touching the settings, and the TEMP folder loses only
// its temporary files.
#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;

constexpr char kPreparedIni[] =
    "[Options]\r\nWindowLeft=1500\r\nWindowTop=750\r\nWindowWidth=3000\r\nWindowHeight=6000\r\n"
    "EnableSound=0\r\n";

TEST(SingleInstance, ASecondCopyBringsTheFirstBackAndEnds) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini", kPreparedIni);
    LauncherProcess first(folder);
    ASSERT_TRUE(first.Start());
    HWND window = first.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(testing::WaitUntil([&] { return IsIconic(window) != FALSE; }, 5000));
    const std::string before = testing::FileBytes(folder.File("Corvella.ini"));

    LauncherProcess second(folder, false);
    ASSERT_TRUE(second.Start());
    HWND box = nullptr;
    ASSERT_TRUE(testing::WaitUntil([&] { return (box = testing::FindMessageBox(second.ProcessId())) != nullptr; }, 30000))
        << "the second copy showed no message";
    EXPECT_EQ(testing::WindowText(box), "Corvella");
    EXPECT_EQ(testing::MessageBoxText(box), "Corvella is already running!");
    EXPECT_TRUE(testing::SaveScreenshot(box, "second-copy-message"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(30000, &code)) << "the second copy did not end";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(testing::WaitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); }, 5000))
        << "the first copy's window was not restored";
    EXPECT_EQ(testing::FileBytes(folder.File("Corvella.ini")), before);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit(30000));
}

TEST(StartUp, DeletesOnlyTheTemporaryFilesOfTemp) {
    TempFolder folder;
    TempFolder temp;
    for (const char* name : {"a.tmp", "B.TMP", "report.tmpl", "notes.txt", "x.tmp.bak"}) temp.WriteFile(name, "x");
    CreateDirectoryA(temp.File("sub").c_str(), nullptr);
    temp.WriteFile("sub\\inner.tmp", "x");

    LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start({"TEMP=" + temp.Path()}));
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    auto exists = [&](const char* name) {
        return GetFileAttributesA(temp.File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    EXPECT_FALSE(exists("a.tmp"));
    EXPECT_FALSE(exists("B.TMP"));
    EXPECT_TRUE(exists("report.tmpl"));
    EXPECT_TRUE(exists("notes.txt"));
    EXPECT_TRUE(exists("x.tmp.bak"));
    EXPECT_TRUE(exists("sub\\inner.tmp"));  // no recursion
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

}  // namespace
}  // namespace corvella

namespace corvella {
namespace {

int CountChildren(HWND window, const char* className) {
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, className) == 0) ++count;
    }
    return count;
}

// The position of a child among its siblings in the keyboard's order.
int ZPosition(HWND child) {
    int position = 0;
    for (HWND w = GetWindow(child, GW_HWNDFIRST); w && w != child; w = GetWindow(w, GW_HWNDNEXT)) ++position;
    return position;
}

TEST(MainWindow, CarriesItsControlsInTheirTabOrder) {
    testing::TempFolder folder;
    testing::LauncherProcess launcher(folder);
    ASSERT_TRUE(launcher.Start());
    HWND window = launcher.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    // The window shows before the start procedure's last steps (tab order,
    // focus, layout) have run: wait for them.
    auto buttonsOutOfTabOrder = [&] {
        for (int s = 0; s < 50; ++s)
            if (GetWindowLongA(GetDlgItem(window, 2000 + s), GWL_STYLE) & WS_TABSTOP) return false;
        return true;
    };
    EXPECT_TRUE(testing::WaitUntil(buttonsOutOfTabOrder, 10000));
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    // 20 tabs, 51 launch buttons and the three buttons of the bottom bar.
    EXPECT_EQ(CountChildren(window, "CorvellaThreeDButton"), 74);
    EXPECT_EQ(CountChildren(window, "CorvellaThreeDPanel"), 1);
    EXPECT_EQ(CountChildren(window, "ScrollBar"), 1);
    EXPECT_EQ(CountChildren(window, "Button"), 3);
    for (int i = 0; i < 20; ++i) {
        HWND tab = GetDlgItem(window, 1000 + i);
        ASSERT_NE(tab, nullptr) << i;
        EXPECT_EQ(ZPosition(tab), i) << "tab " << i;
    }
    for (int s = 0; s < 50; ++s) {
        HWND button = GetDlgItem(window, 2000 + s);
        ASSERT_NE(button, nullptr) << s;
        EXPECT_EQ(ZPosition(button), 20 + s) << "button " << s;
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP, 0) << "button " << s;
    }
    EXPECT_NE(GetWindowLongA(GetDlgItem(window, 1000), GWL_STYLE) & WS_TABSTOP, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

}  // namespace
}  // namespace corvella
