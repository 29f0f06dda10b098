// The Options dialog and the eject button on the running launcher: the
// dialog opened from the options menu, a check box, the hot key, a shade
// option and the modifier changed, and what reaches Corvella.ini when the
// dialog closes and when the launcher ends; the dialog while locked; the
// test prefix's CD-ROM drive on the eject button.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::WaitUntil;

// The Options dialog's control ids, and the eject button's.
constexpr int kCheck = 800, kCombo1 = 820, kShift = 821, kSlider = 823, kOption1 = 830;
constexpr int kCommand1 = 840, kCommand2 = 841, kCommand3 = 842, kLockedLabel = 843;
constexpr int kMinBut = 3006;

struct OptionsScene {
    explicit OptionsScene(const std::string& options) {
        folder.WriteFile("Corvella.ini", "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3600\r\n"
                                         "WindowHeight=8000\r\nEnableSound=0\r\n" + options);
    }
    ~OptionsScene() {
        if (!window) return;
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(launcher.WaitForExit(30000));
    }
    bool Start() {
        if (!launcher.Start()) return false;
        window = launcher.WaitForMainWindow();
        return window != nullptr;
    }
    // Ends the launcher (which saves everything) and forgets its window.
    bool Stop() {
        PostMessageA(window, WM_CLOSE, 0, 0);
        window = nullptr;
        return launcher.WaitForExit(30000);
    }
    // The options menu from its button; "&Options" is its first item.
    HWND OpenOptions() const {
        HWND options = GetDlgItem(window, testing::kOptionsButton);
        PostMessageA(options, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
        PostMessageA(options, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
        HWND menu = nullptr;
        if (!WaitUntil([&] { return (menu = testing::FindProcessWindow(launcher.ProcessId(), "#32768")) != nullptr; },
                       10000))
            return nullptr;
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        HWND dialog = nullptr;
        WaitUntil([&] {
            dialog = FindWindowA("#32770", "Corvella Options");
            DWORD process = 0;
            if (dialog) GetWindowThreadProcessId(dialog, &process);
            return dialog && process == launcher.ProcessId() && IsWindowVisible(dialog);
        }, 15000);
        return dialog;
    }
    std::string Value(const char* key) const {
        char text[256] = {};
        GetPrivateProfileStringA("Options", key, "<absent>", text, sizeof text, folder.File("Corvella.ini").c_str());
        return text;
    }

    testing::TempFolder folder;
    testing::LauncherProcess launcher{folder};
    HWND window = nullptr;
};

// Another process's combo box: its text comes only from asking it.
std::string ComboText(HWND combo) {
    char text[64] = {};
    SendMessageA(combo, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool Checked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool Closed(HWND dialog) { return WaitUntil([&] { return !IsWindow(dialog); }, 15000); }

TEST(OptionsDialog, OpensFromTheMenuAndClosingSavesTheSwitchesThenTheRestAtExit) {
    OptionsScene s("HotKey=145\r\nWindowShadeMode=1\r\n");
    ASSERT_TRUE(s.Start());
    HWND dialog = s.OpenOptions();
    ASSERT_NE(dialog, nullptr) << "no Options dialog";
    EXPECT_EQ(testing::WindowText(GetDlgItem(dialog, kCheck + 2)), "Show a Caption bar (to move Corvella && see time/date)");
    EXPECT_FALSE(Checked(dialog, kCheck + 1));
    EXPECT_TRUE(Checked(dialog, kCheck + 4));
    EXPECT_TRUE(Checked(dialog, kOption1 + 1));
    EXPECT_EQ(ComboText(GetDlgItem(dialog, kCombo1)), "Scroll Lock");
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kCombo1), CB_GETCURSEL, 0, 0), 16);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kCombo1), CB_GETCOUNT, 0, 0), 17);
    EXPECT_EQ(testing::WindowText(GetDlgItem(dialog, kLockedLabel)), "Configuration is UNLOCKED");
    EXPECT_EQ(testing::WindowText(GetDlgItem(dialog, kCommand2)), "&Lock");
    EXPECT_EQ(testing::WindowText(GetDlgItem(dialog, kCommand3)), "Change &Password");
    EXPECT_TRUE(testing::SaveScreenshot(dialog, "options-unlocked"));

    Click(dialog, kCheck + 1);
    Click(dialog, kShift);
    Click(dialog, kOption1 + 0);
    PostMessageA(GetDlgItem(dialog, kCombo1), CB_SETCURSEL, 4, 0);  // F5
    PostMessageA(GetDlgItem(dialog, kSlider), TBM_SETPOS, TRUE, 9);
    ASSERT_TRUE(WaitUntil([&] { return Checked(dialog, kCheck + 1) && Checked(dialog, kShift) &&
                                       Checked(dialog, kOption1 + 0) && !Checked(dialog, kOption1 + 1); }, 10000));
    // The shade mode is set at once; the rest when the dialog closes.
    Click(dialog, kCommand1);
    ASSERT_TRUE(Closed(dialog));
    EXPECT_TRUE(WaitUntil([&] { return s.Value("EnableSound") == "1"; }, 10000)) << s.Value("EnableSound");
    EXPECT_EQ(s.Value("HotKey"), "145") << "the hot key waits for the next full save";
    ASSERT_TRUE(s.Stop());
    EXPECT_EQ(s.Value("HotKey"), "116");
    EXPECT_EQ(s.Value("HotKeyShift"), "1");
    EXPECT_EQ(s.Value("gSen"), "9");
    EXPECT_EQ(s.Value("WindowShadeMode"), "0");
}

TEST(OptionsDialog, WhileLockedTheOptionGroupsAreDisabledAndClosingWritesNothing) {
    OptionsScene s("gLocked=1\r\n");
    ASSERT_TRUE(s.Start());
    HWND dialog = s.OpenOptions();
    ASSERT_NE(dialog, nullptr) << "no Options dialog";
    for (int id : {kCheck + 1, kCheck + 2, kCheck + 3, kCheck + 9, kCombo1, kShift, kSlider, kOption1, kOption1 + 2})
        EXPECT_FALSE(Enabled(dialog, id)) << id;
    for (int id : {kCommand1, kCommand2, kCommand3}) EXPECT_TRUE(Enabled(dialog, id)) << id;
    EXPECT_EQ(testing::WindowText(GetDlgItem(dialog, kLockedLabel)), "Configuration is LOCKED");
    EXPECT_EQ(testing::WindowText(GetDlgItem(dialog, kCommand2)), "&Unlock");
    EXPECT_TRUE(testing::SaveScreenshot(dialog, "options-locked"));
    const std::string before = testing::FileBytes(s.folder.File("Corvella.ini"));
    Click(dialog, kCommand1);
    ASSERT_TRUE(Closed(dialog));
    ASSERT_TRUE(s.Stop());
    EXPECT_EQ(testing::FileBytes(s.folder.File("Corvella.ini")), before);
}

TEST(EjectButton, ShowsTheCdDriveAndKeepsItsLetter) {
    OptionsScene s("EjectDefault=r\r\n");
    ASSERT_TRUE(s.Start());
    HWND eject = GetDlgItem(s.window, kMinBut);
    ASSERT_TRUE(WaitUntil([&] { return testing::WindowText(eject) == "R: cd"; }, 10000))
        << testing::WindowText(eject);
    EXPECT_TRUE(testing::SaveScreenshot(s.window, "eject-button"));
    // The only drive: a right click selects it again.
    PostMessageA(eject, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageA(eject, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    Sleep(300);
    EXPECT_EQ(testing::WindowText(eject), "R: cd");
    ASSERT_TRUE(s.Stop());
    EXPECT_EQ(s.Value("EjectDefault"), "R");
}

}  // namespace
}  // namespace corvella
