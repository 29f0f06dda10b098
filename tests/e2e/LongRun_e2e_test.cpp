// The launcher worked for a long time: sections switched, the tab, button
// and options menus opened and dismissed, move mode entered and left, over
// and over. The process's kernel handles, GDI objects, USER
// objects and windows stay flat: a leak of one object per step would show
// as a thousand.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "e2e/Driver_win.h"

namespace corvella {
namespace {

using testing::kButton;
using testing::kMoveSwitch;
using testing::kOptionsButton;
using testing::kTab;
using testing::LauncherProcess;
using testing::TempFolder;
using testing::WaitUntil;

// A round takes about half a second under Wine on a loaded machine, so the
// suite runs 150 (a leak of one object per round still shows as 150);
// CORVELLA_LONGRUN_ROUNDS=1000 gives the full run.
int Rounds() {
    char text[16] = {};
    const DWORD length = GetEnvironmentVariableA("CORVELLA_LONGRUN_ROUNDS", text, sizeof text);
    const int rounds = length > 0 && length < sizeof text ? std::atoi(text) : 0;
    return rounds > 0 ? rounds : 150;
}
// What may come and go on its own (caches filled late, a tool tip window).
constexpr long kSlack = 16;
constexpr long kMemorySlackKb = 2048;

// Wine reports no handle, GDI or USER counts of a process (they read 0);
// there its windows and its private memory are what can be watched.
struct Counts {
    long handles = 0, gdi = 0, user = 0, windows = 0;
    long privateKb = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

struct WindowCount {
    DWORD processId;
    long count;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != c->processId) return TRUE;
    ++c->count;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&c->count));
    return TRUE;
}

Counts CountsOf(DWORD processId) {
    Counts counts;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return counts;
    DWORD handles = 0;
    if (GetProcessHandleCount(process, &handles)) counts.handles = static_cast<long>(handles);
    counts.gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
    counts.user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        counts.privateKb = static_cast<long>(std::max(memory.PrivateUsage, memory.PagefileUsage) / 1024);
    CloseHandle(process);
    WindowCount windows{processId, 0};
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&windows));
    counts.windows = windows.count;
    return counts;
}

void Click(HWND control) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6), SMTO_NORMAL, 10000, &ignored);
    SendMessageTimeoutA(control, WM_LBUTTONUP, 0, MAKELPARAM(6, 6), SMTO_NORMAL, 10000, &ignored);
}

class LongRun : public ::testing::Test {
protected:
    HWND Start() {
        std::string ini = "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3000\r\nWindowHeight=8000\r\n"
                          "EnableSound=0\r\nSection1Name=Work\r\nSection2Name=Games\r\nSection3Name=Tools\r\n"
                          "[Buttons]\r\n";
        for (int i = 1; i <= 12; ++i)
            ini += "Button" + std::to_string(i) + "=C:\\windows\\notepad.exe\xFF" + std::to_string(1 + i % 3) +
                   "\xFFtip " + std::to_string(i) + "\xFFNote " + std::to_string(i) + "\xFF\r\n";
        folder.WriteFile("Corvella.ini", ini);
        if (!launcher.Start()) return nullptr;
        window = launcher.WaitForMainWindow();
        return window;
    }
    HWND Control(int id) const { return GetDlgItem(window, id); }

    // Opens a menu with a posted click (the menu holds the launcher's thread)
    // and dismisses it without a choice; false when it never showed or stayed.
    bool OpenAndDismissMenu(HWND control, bool right) {
        const UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
        PostMessageA(control, down, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(6, 6));
        PostMessageA(control, up, 0, MAKELPARAM(6, 6));
        HWND menu = nullptr;
        if (!WaitUntil([&] { return (menu = testing::FindProcessWindow(launcher.ProcessId(), "#32768")) != nullptr; },
                       10000))
            return false;
        PostMessageA(window, WM_CANCELMODE, 0, 0);
        if (!WaitUntil([&] { return !IsWindowVisible(menu); }, 10000)) return false;
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
        return true;
    }

    // One round: two section switches, move mode entered and left, and on
    // every tenth round one of the three menus (a menu takes the launcher
    // half a second under Wine); false when a menu failed to come or go.
    bool Round(int n) {
        Click(Control(kTab + 1 + n % 2));
        Click(Control(kTab));
        Click(Control(kMoveSwitch));
        Click(Control(kMoveSwitch));
        if (n % 10 != 0) return true;
        switch (n / 10 % 3) {
            case 0: return OpenAndDismissMenu(Control(kTab + 1), true);
            case 1: return OpenAndDismissMenu(Control(kButton), true);
            default: return OpenAndDismissMenu(Control(kOptionsButton), false);
        }
    }

    TempFolder folder;
    LauncherProcess launcher{folder};
    HWND window = nullptr;
};

TEST_F(LongRun, SectionsMenusAndMoveModeOverAndOverLeaveTheObjectCountsFlat) {
    ASSERT_NE(Start(), nullptr);
    const DWORD warm = GetTickCount();
    for (int n = 0; n < 12; ++n) ASSERT_TRUE(Round(n)) << "warm-up round " << n;
    std::printf("warm-up in %lu ms\n", GetTickCount() - warm);
    std::fflush(stdout);
    const Counts before = CountsOf(launcher.ProcessId());
    std::printf("after warm-up: handles %ld, GDI %ld, USER %ld, windows %ld, private %ld KB\n", before.handles,
                before.gdi, before.user, before.windows, before.privateKb);
    const DWORD started = GetTickCount();
    const int rounds = Rounds();
    for (int n = 0; n < rounds; ++n) {
        ASSERT_TRUE(Round(n)) << "round " << n;
        if ((n + 1) % 100 == 0) {
            const Counts now = CountsOf(launcher.ProcessId());
            std::printf("round %d at %lu ms: handles %ld, GDI %ld, USER %ld, windows %ld, private %ld KB\n", n + 1,
                        GetTickCount() - started, now.handles, now.gdi, now.user, now.windows, now.privateKb);
        }
        std::fflush(stdout);
    }
    const Counts after = CountsOf(launcher.ProcessId());
    std::printf("%d rounds in %lu ms; handles %ld -> %ld, GDI %ld -> %ld, USER %ld -> %ld, windows %ld -> %ld, "
                "private %ld -> %ld KB\n",
                rounds, GetTickCount() - started, before.handles, after.handles, before.gdi, after.gdi, before.user,
                after.user, before.windows, after.windows, before.privateKb, after.privateKb);

    EXPECT_LE(std::labs(after.handles - before.handles), kSlack);
    EXPECT_LE(std::labs(after.gdi - before.gdi), kSlack);
    EXPECT_LE(std::labs(after.user - before.user), kSlack);
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_GT(before.privateKb, 0) << "the memory of the launcher cannot be read; the check would prove nothing";
    // A bitmap or brush lost per round would cost far more than this.
    EXPECT_LE(after.privateKb - before.privateKb, kMemorySlackKb);
    // Still answering, still glued, still on the first section.
    EXPECT_EQ(testing::WindowText(Control(kMoveSwitch)), "Glued");
    EXPECT_EQ(testing::WindowText(Control(kButton)), "Note 3");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(30000));
}

}  // namespace
}  // namespace corvella
