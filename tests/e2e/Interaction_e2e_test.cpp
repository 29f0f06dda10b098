// The main window as a user works it: a click or Space on a launch button
// starts its item (the probe program records how), tabs switch sections,
// the context menus open on buttons, tabs and the options button, and move
// mode writes a new button order to Corvella.ini.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "e2e/Driver_win.h"
#include "e2e/ProbeRegistry_win.h"
#include "e2e/Shortcut_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::MakeShortcut;
using testing::ProbeDocumentType;
using testing::ReaderRegistration;
using testing::TempFolder;
using testing::WaitUntil;

using testing::kButton;
using testing::kMoveSwitch;
using testing::kOptionsButton;
using testing::kTab;

std::string Record(const std::string& target, int section, const std::string& text) {
    return target + "\xFF" + std::to_string(section) + "\xFF\xFF" + text + "\xFF";
}

std::string PreparedIni(const std::vector<std::string>& records, const char* extraOptions = "") {
    std::string ini = "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3000\r\nWindowHeight=8000\r\n"
                      "EnableSound=0\r\nSection1Name=Work\r\nSection2Name=Games\r\n";
    ini += extraOptions;
    ini += "[Buttons]\r\n";
    for (std::size_t i = 0; i < records.size(); ++i)
        ini += "Button" + std::to_string(i + 1) + "=" + records[i] + "\r\n";
    return ini;
}

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD n = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(tolower(c)); });
    return text;
}

// The lines the probe wrote: command line, working folder, for each start.
std::vector<std::string> ProbeLines(const TempFolder& folder) {
    std::istringstream in(testing::FileBytes(folder.File("probe.log")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool WaitForProbeStarts(const TempFolder& folder, std::size_t starts) {
    return WaitUntil([&] { return ProbeLines(folder).size() >= 2 * starts; }, 20000);
}

// A click handled before the call returns: the launcher's thread runs the
// press and the release as sent messages.
void LeftClick(HWND control) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6), SMTO_NORMAL, 10000, &ignored);
    SendMessageTimeoutA(control, WM_LBUTTONUP, 0, MAKELPARAM(6, 6), SMTO_NORMAL, 10000, &ignored);
}
// Clicks that open a menu are posted: the menu holds the launcher's thread.
void PostClick(HWND control, UINT down, UINT up, WPARAM keys) {
    PostMessageA(control, down, keys, MAKELPARAM(6, 6));
    PostMessageA(control, up, 0, MAKELPARAM(6, 6));
}
void RightClick(HWND control) { PostClick(control, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON); }
void PostLeftClick(HWND control) { PostClick(control, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON); }
void PressSpace(HWND control) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(control, WM_KEYDOWN, VK_SPACE, 0x00390001, SMTO_NORMAL, 10000, &ignored);
    SendMessageTimeoutA(control, WM_KEYUP, VK_SPACE, 0xC0390001, SMTO_NORMAL, 10000, &ignored);
}

// Gives the launcher time to handle what was posted to it, then waits until
// its thread answers (a sent message is handled before posted ones, so the
// pause comes first). The launcher lets pending events run in the middle of
// its handlers, so a result is best waited for with TextBecomes.
void Settle(HWND window) {
    Sleep(200);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

bool TextBecomes(HWND control, const std::string& text) {
    return WaitUntil([&] { return testing::WindowText(control) == text; }, 10000);
}

// A program folder with the launcher, the probe (in a folder whose name has
// a blank, so that its short form differs) and the probe's log in the
// launcher's environment.
struct ProbeSetup {
    ProbeSetup() {
        CreateDirectoryA(folder.File("Probe Tools").c_str(), nullptr);
        probe = folder.File("Probe Tools\\Probe.exe");
        CopyFileA(CORVELLA_PROBE_EXE, probe.c_str(), FALSE);
    }
    HWND Start(const std::string& ini) {
        folder.WriteFile("Corvella.ini", ini);
        if (!launcher.Start({"CORVELLA_PROBE_LOG=" + folder.File("probe.log")})) return nullptr;
        window = launcher.WaitForMainWindow();
        return window;
    }
    void Close() {
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(launcher.WaitForExit(30000));
    }
    HWND Control(int id) const { return GetDlgItem(window, id); }

    TempFolder folder;
    LauncherProcess launcher{folder};
    std::string probe;
    HWND window = nullptr;
};

// The context menu the launcher shows, once it is on the screen (nullptr after 10 s).
HWND WaitForMenu(const ProbeSetup& s) {
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = testing::FindProcessWindow(s.launcher.ProcessId(), "#32768")) != nullptr; }, 10000);
    return menu;
}

// Photographs the open menu, then dismisses it without a choice.
void PhotographAndDismiss(const ProbeSetup& s, HWND menu, const char* name) {
    EXPECT_TRUE(testing::SaveScreenshot(menu, name));
    PostMessageA(s.window, WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 10000)) << name;
    Settle(s.window);
}

TEST(Launching, AClickAndSpaceStartTheProgramInTheShortFormOfItsFolder) {
    ProbeSetup s;
    ASSERT_NE(s.Start(PreparedIni({Record(s.probe, 1, "Probe")})), nullptr);
    LeftClick(s.Control(kButton));
    ASSERT_TRUE(WaitForProbeStarts(s.folder, 1)) << "a click started nothing";
    std::vector<std::string> lines = ProbeLines(s.folder);
    const std::string shortFolder = ShortPath(s.folder.File("Probe Tools"));
    ASSERT_FALSE(shortFolder.empty());
    EXPECT_NE(Lower(lines[0]).find(Lower(shortFolder) + "\\probe.exe"), std::string::npos) << lines[0];
    EXPECT_EQ(Lower(lines[1]), Lower(shortFolder));

    PressSpace(s.Control(kButton));
    ASSERT_TRUE(WaitForProbeStarts(s.folder, 2)) << "Space started nothing";
    s.Close();
}

TEST(Launching, ARightClickOpensTheButtonMenuAndStartsNothing) {
    ProbeSetup s;
    ASSERT_NE(s.Start(PreparedIni({Record(s.probe, 1, "Probe")})), nullptr);
    RightClick(s.Control(kButton));
    HWND menu = WaitForMenu(s);
    ASSERT_NE(menu, nullptr);
    PhotographAndDismiss(s, menu, "menu-button");
    Sleep(500);
    EXPECT_TRUE(ProbeLines(s.folder).empty());
    s.Close();
}

TEST(Launching, ShortcutsToTheProgramStartIt) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        ProbeSetup s;
        ReaderRegistration reader(s.folder.File("shortcutreader.dll"));
        ASSERT_TRUE(reader.registered());
        const std::string tools = s.folder.File("Probe Tools");
        ASSERT_TRUE(MakeShortcut(s.folder.File("probe.lnk"), s.probe, "", tools));
        ASSERT_TRUE(MakeShortcut(s.folder.File("withargs.lnk"), s.probe, "/x y", tools));
        ASSERT_NE(s.Start(PreparedIni({Record("probe.lnk", 1, "Plain"), Record("withargs.lnk", 1, "Args")})), nullptr);

        LeftClick(s.Control(kButton));
        ASSERT_TRUE(WaitForProbeStarts(s.folder, 1)) << "the shortcut started nothing";
        EXPECT_EQ(Lower(ProbeLines(s.folder)[1]), Lower(tools));  // the shortcut's own working folder

        LeftClick(s.Control(kButton + 1));
        ASSERT_TRUE(WaitForProbeStarts(s.folder, 2)) << "the shortcut with arguments started nothing";
        EXPECT_NE(ProbeLines(s.folder)[2].find("/x y"), std::string::npos) << ProbeLines(s.folder)[2];
        s.Close();
    }
    CoUninitialize();
}

struct TitledWindow {
    std::string part;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TitledWindow*>(param);
    if (IsWindowVisible(window) && Lower(testing::WindowText(window)).find(search->part) != std::string::npos) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTitled(const std::string& part) {
    TitledWindow search{Lower(part)};
    EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(Launching, DocumentsOpenWithTheirProgramAndFoldersInAShellWindow) {
    ProbeSetup s;
    ProbeDocumentType documents(s.probe);
    s.folder.WriteFile("Probe Tools\\notes.cvprobe", "x");
    CreateDirectoryA(s.folder.File("Shelf Folder").c_str(), nullptr);
    ASSERT_NE(s.Start(PreparedIni({Record(s.folder.File("Probe Tools\\notes.cvprobe"), 1, "Notes"),
                                   Record(s.folder.File("Shelf Folder"), 1, "Shelf")})),
              nullptr);
    PressSpace(s.Control(kButton));
    ASSERT_TRUE(WaitForProbeStarts(s.folder, 1)) << "the document did not open";
    EXPECT_NE(Lower(ProbeLines(s.folder)[0]).find("notes.cvprobe"), std::string::npos) << ProbeLines(s.folder)[0];

    LeftClick(s.Control(kButton + 1));
    HWND shell = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (shell = FindTitled("Shelf Folder")) != nullptr; }, 20000))
        << "no shell window opened on the folder";
    if (shell) PostMessageA(shell, WM_CLOSE, 0, 0);
    s.Close();
}

TEST(Tabs, AClickOnATabShowsItsSectionAndEachMenuOpens) {
    ProbeSetup s;
    ASSERT_NE(s.Start(PreparedIni({Record(s.probe, 1, "First"), Record(s.probe, 2, "Second")})), nullptr);
    EXPECT_EQ(testing::WindowText(s.Control(kButton)), "First");
    LeftClick(s.Control(kTab + 1));
    EXPECT_TRUE(TextBecomes(s.Control(kButton), "Second"));
    LeftClick(s.Control(kTab));
    EXPECT_TRUE(TextBecomes(s.Control(kButton), "First"));

    struct Shown {
        int control;
        bool right;
        const char* name;
    };
    for (Shown shown : {Shown{kTab + 1, true, "menu-section"}, Shown{kOptionsButton, false, "menu-options"}}) {
        if (shown.right)
            RightClick(s.Control(shown.control));
        else
            PostLeftClick(s.Control(shown.control));
        HWND menu = WaitForMenu(s);
        ASSERT_NE(menu, nullptr) << shown.name;
        PhotographAndDismiss(s, menu, shown.name);
    }
    EXPECT_TRUE(ProbeLines(s.folder).empty());
    s.Close();
}

// The colour the screen shows at `point` (screen coordinates).
COLORREF ScreenColourAt(POINT point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// With colours on, the button area takes the colour of the section shown.
TEST(Tabs, TheButtonAreaTakesTheColourOfTheSectionShown) {
    ProbeSetup s;
    const std::string ini = PreparedIni({Record(s.probe, 1, "First"), Record(s.probe, 2, "Second")}) +
                            "[Sections]\r\nColor1=13158600\r\nColor2=200\r\n";
    ASSERT_NE(s.Start(ini), nullptr);
    HWND area = s.Control(3002);
    ASSERT_NE(area, nullptr);
    RECT r;
    GetWindowRect(area, &r);
    const POINT corner{r.left + 3, r.bottom - 3};  // beside the centred buttons
    LeftClick(s.Control(kTab + 1));
    ASSERT_TRUE(TextBecomes(s.Control(kButton), "Second"));
    Settle(s.window);
    EXPECT_TRUE(WaitUntil([&] { return ScreenColourAt(corner) == RGB(200, 0, 0); }, 5000))
        << std::hex << ScreenColourAt(corner);
    EXPECT_TRUE(testing::SaveScreenshot(s.window, "section-colour"));
    LeftClick(s.Control(kTab));
    ASSERT_TRUE(TextBecomes(s.Control(kButton), "First"));
    EXPECT_TRUE(WaitUntil([&] { return ScreenColourAt(corner) == RGB(200, 200, 200); }, 5000))
        << std::hex << ScreenColourAt(corner);
    s.Close();
}

TEST(Menus, TheSectionMenusAddNewSectionAsksForItsNameAndShowsItsTab) {
    ProbeSetup s;
    ASSERT_NE(s.Start(PreparedIni({Record(s.probe, 1, "First")})), nullptr);
    RightClick(s.Control(kTab));
    HWND menu = WaitForMenu(s);
    ASSERT_NE(menu, nullptr);
    PostMessageA(menu, WM_CHAR, 'a', 0);  // the mnemonic of "&Add New Section"
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = testing::FindMessageBox(s.launcher.ProcessId())) != nullptr; }, 10000))
        << "no input box";
    EXPECT_EQ(testing::WindowText(box), "New Section");
    // The proposed name; another process reads an edit control's text with WM_GETTEXT.
    char proposed[64] = {};
    SendMessageA(GetDlgItem(box, 101), WM_GETTEXT, sizeof proposed, reinterpret_cast<LPARAM>(proposed));
    EXPECT_STREQ(proposed, "Section 3");
    SendMessageA(GetDlgItem(box, 101), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Music"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(s.Control(kTab + 2)) != FALSE; }, 10000));
    EXPECT_EQ(testing::WindowText(s.Control(kTab + 2)), "Music");
    EXPECT_NE(testing::FileBytes(s.folder.File("Corvella.ini")).find("Section3Name=Music"), std::string::npos);
    s.Close();
}

POINT CentreOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Drags with the real pointer, in small steps, from one control to another.
void DragBetween(HWND from, HWND to) {
    const POINT a = CentreOf(from), b = CentreOf(to);
    SetCursorPos(a.x, a.y);
    Sleep(100);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(100);
    for (int step = 1; step <= 10; ++step) {
        SetCursorPos(a.x + (b.x - a.x) * step / 10, a.y + (b.y - a.y) * step / 10);
        SendMouse(MOUSEEVENTF_MOVE);
        Sleep(30);
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    Sleep(200);
}

TEST(MoveMode, DraggingTheThirdButtonOntoTheFirstIsWrittenWhenMoveModeEnds) {
    ProbeSetup s;
    ASSERT_NE(s.Start(PreparedIni({Record(s.probe, 1, "A"), Record(s.probe, 2, "X"), Record(s.probe, 1, "B"),
                                   Record(s.probe, 1, "C")})),
              nullptr);
    HWND moveSwitch = s.Control(kMoveSwitch);
    EXPECT_EQ(testing::WindowText(moveSwitch), "Glued");
    SetForegroundWindow(s.window);
    PostLeftClick(moveSwitch);
    ASSERT_TRUE(TextBecomes(moveSwitch, "Move"));
    DragBetween(s.Control(kButton + 2), s.Control(kButton));
    EXPECT_TRUE(TextBecomes(s.Control(kButton), "C"));
    EXPECT_TRUE(testing::SaveScreenshot(s.window, "move-mode"));
    PostLeftClick(moveSwitch);
    ASSERT_TRUE(TextBecomes(moveSwitch, "Glued"));
    Settle(s.window);
    const std::string ini = testing::FileBytes(s.folder.File("Corvella.ini"));
    auto textOf = [&](int n) {
        const std::string key = "Button" + std::to_string(n) + "=";
        const std::size_t at = ini.find(key);
        if (at == std::string::npos) return std::string("<none>");
        const std::string line = ini.substr(at, ini.find('\r', at) - at);
        const std::size_t third = line.find('\xFF', line.find('\xFF', line.find('\xFF') + 1) + 1);
        return line.substr(third + 1, line.find('\xFF', third + 1) - third - 1);
    };
    EXPECT_EQ(textOf(1), "C");
    EXPECT_EQ(textOf(2), "X");
    EXPECT_EQ(textOf(3), "A");
    EXPECT_EQ(textOf(4), "B");
    EXPECT_TRUE(ProbeLines(s.folder).empty());  // dragging launches nothing
    s.Close();
}

}  // namespace
}  // namespace corvella
