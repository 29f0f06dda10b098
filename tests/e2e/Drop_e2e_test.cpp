// Drops from the shell onto the running launcher, made with a real OLE drag
// from this process: shortcuts dropped on the window or a tab become buttons
// whose copies lie in the program folder, documents dropped on a launch
// button start its program with them, and a locked launcher refuses drops,
// moving and every editing command of its menus with their messages and
// writes nothing.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/DragSource_win.h"
#include "e2e/Driver_win.h"
#include "e2e/Shortcut_win.h"

namespace corvella {
namespace {

using testing::OleDrag;
using testing::WaitUntil;

using testing::kButton;
using testing::kMoveSwitch;
using testing::kOptionsButton;
using testing::kTab;
// Where each drag starts: away from the launcher's window.
constexpr POINT kDragStart{1100, 900};
constexpr char kSep = '\xFF';

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(tolower(c)); });
    return text;
}

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD n = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

// A program folder with the launcher, the probe in "Probe Tools" as the one
// button of section Work, and folders for the shortcuts and documents that
// the tests drop.
struct DropScene {
    explicit DropScene(const std::string& options = "") {
        CoInitialize(nullptr);
        for (const char* sub : {"Probe Tools", "Links", "Letters"}) CreateDirectoryA(folder.File(sub).c_str(), nullptr);
        probe = folder.File("Probe Tools\\Probe.exe");
        CopyFileA(CORVELLA_PROBE_EXE, probe.c_str(), FALSE);
        folder.WriteFile("Corvella.ini",
                         "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3600\r\nWindowHeight=8000\r\n"
                         "EnableSound=0\r\nSection1Name=Work\r\nSection2Name=Games\r\n" + options +
                             "[Buttons]\r\nButton1=" + probe + kSep + "1" + kSep + kSep + "Probe" + kSep + "\r\n");
    }
    ~DropScene() {
        if (window) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            EXPECT_TRUE(launcher.WaitForExit(30000));
        }
        CoUninitialize();
    }
    bool Start() {
        if (!launcher.Start({"CORVELLA_PROBE_LOG=" + folder.File("probe.log")})) return false;
        window = launcher.WaitForMainWindow();
        return window != nullptr;
    }
    std::string Shortcut(const std::string& name) {
        const std::string path = folder.File("Links\\" + name + ".lnk");
        EXPECT_TRUE(testing::MakeShortcut(path, probe, "", folder.File("Probe Tools"))) << name;
        return path;
    }
    std::string Document(const std::string& name) {
        folder.WriteFile("Letters\\" + name, "a letter");
        return folder.File("Letters\\" + name);
    }
    std::string Record(int n) const {
        char value[1024] = {};
        GetPrivateProfileStringA("Buttons", ("Button" + std::to_string(n)).c_str(), "", value, sizeof value,
                                 folder.File("Corvella.ini").c_str());
        return value;
    }
    // The record AddButton writes for a dropped shortcut: the short name of
    // its copy in the program folder, the section, the caption twice.
    std::string ShortcutRecord(const std::string& name, int section) const {
        const std::string copy = ShortPath(folder.File(Lower(name) + ".lnk"));
        const std::string target = copy.substr(copy.rfind('\\') + 1);
        return target + kSep + std::to_string(section) + kSep + name + kSep + name + kSep;
    }
    POINT Empty() const {
        POINT p{};
        EXPECT_TRUE(testing::UncoveredPointOf(window, &p));
        return p;
    }
    HWND Control(int id) const { return GetDlgItem(window, id); }
    std::string ProbeLog() const { return testing::FileBytes(folder.File("probe.log")); }

    testing::TempFolder folder;
    testing::LauncherProcess launcher{folder};
    std::string probe;
    HWND window = nullptr;
};

// Waits for the launcher's message box, checks and photographs it, answers it.
void AnswerMessage(const DropScene& s, const std::string& text, const char* shot) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = testing::FindMessageBox(s.launcher.ProcessId())) != nullptr; }, 15000))
        << "no message: " << text;
    EXPECT_EQ(testing::MessageBoxText(box), text);
    if (shot) {
        EXPECT_TRUE(testing::SaveScreenshot(box, shot));
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 10000));
}

TEST(Dropping, ThreeShortcutsOnTheWindowBecomeThreeButtonsWithTheirCopies) {
    DropScene s;
    const std::vector<std::string> links{s.Shortcut("Alpha"), s.Shortcut("Beta"), s.Shortcut("Gamma")};
    ASSERT_TRUE(s.Start());
    OleDrag drag(OleDrag::Data::FileList, links, kDragStart, s.Empty());
    EXPECT_NE(drag.Finish(), static_cast<DWORD>(DROPEFFECT_NONE));
    ASSERT_TRUE(WaitUntil([&] { return !s.Record(4).empty(); }, 20000)) << "the drop wrote no fourth record";
    const char* names[] = {"Alpha", "Beta", "Gamma"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.Record(i + 2), s.ShortcutRecord(names[i], 1));
        EXPECT_EQ(testing::FileBytes(s.folder.File(Lower(names[i]) + ".lnk")), testing::FileBytes(links[i]));
        HWND button = s.Control(kButton + i + 1);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(button) && testing::WindowText(button) == names[i]; }, 10000))
            << names[i];
    }
    EXPECT_TRUE(testing::SaveScreenshot(s.window, "drop-three-shortcuts"));

    // Text is not a file list: the user is told to make a shortcut.
    OleDrag text(OleDrag::Data::Text, {"just some words"}, kDragStart, s.Empty());
    AnswerMessage(s,
                  "You must create a shortcut for this item first, then drop it onto Corvella.  You can delete the "
                  "shortcut when you're done.",
                  nullptr);
    text.Finish();
    EXPECT_TRUE(s.Record(5).empty());
}

TEST(Dropping, AShortcutOnTheTabOfAnotherSectionJoinsThatSection) {
    DropScene s;
    const std::string link = s.Shortcut("Delta");
    ASSERT_TRUE(s.Start());
    OleDrag drag(OleDrag::Data::FileList, {link}, kDragStart, testing::CentreOf(s.Control(kTab + 1)));
    drag.Finish();
    ASSERT_TRUE(WaitUntil([&] { return !s.Record(2).empty(); }, 20000)) << "the drop on the tab wrote no record";
    EXPECT_EQ(s.Record(2), s.ShortcutRecord("Delta", 2));
    EXPECT_EQ(testing::FileBytes(s.folder.File("delta.lnk")), testing::FileBytes(link));
}

// Documents dropped on a launch button reach its program as short paths.
void DropDocumentsOnTheProbe(DropScene& s, std::size_t startsBefore) {
    const std::string a = s.Document("A Letter.txt"), b = s.Document("b.txt");
    OleDrag drag(OleDrag::Data::FileList, {a, b}, kDragStart, testing::CentreOf(s.Control(kButton)));
    drag.Finish();
    auto starts = [&] {
        const std::string log = s.ProbeLog();
        return static_cast<std::size_t>(std::count(log.begin(), log.end(), '\n')) / 2;
    };
    ASSERT_TRUE(WaitUntil([&] { return starts() > startsBefore; }, 20000)) << "the probe did not start";
    const std::string log = Lower(s.ProbeLog());
    EXPECT_NE(log.find(Lower(ShortPath(a) + " " + ShortPath(b))), std::string::npos) << log;
    EXPECT_TRUE(s.Record(2).empty());
}

TEST(Dropping, DocumentsOnALaunchButtonStartItsProgramWithThem) {
    DropScene s;
    ASSERT_TRUE(s.Start());
    DropDocumentsOnTheProbe(s, 0);
}

TEST(Dropping, ALockedLauncherRefusesWithItsMessagesAndWritesNothing) {
    DropScene s("gLocked=1\r\n");
    const std::string link = s.Shortcut("Epsilon");
    ASSERT_TRUE(s.Start());
    const std::string before = testing::FileBytes(s.folder.File("Corvella.ini"));

    struct Refusal { POINT at; const char* message; const char* shot; };
    const Refusal refusals[] = {
        {s.Empty(), "Corvella is LOCKED... Cannot add buttons.", "lock-drop-window"},
        {testing::CentreOf(s.Control(kTab + 1)), "Cannot add buttons while Corvella is Locked!", "lock-drop-tab"},
    };
    for (const Refusal& r : refusals) {
        OleDrag drag(OleDrag::Data::FileList, {link}, kDragStart, r.at);
        AnswerMessage(s, r.message, r.shot);
        drag.Finish();
    }
    PostMessageA(s.Control(kMoveSwitch), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(s.Control(kMoveSwitch), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    AnswerMessage(s, "Cannot move buttons while the Corvella is Locked!", "lock-move-buttons");

    // Launching is not locked: documents still reach the program.
    DropDocumentsOnTheProbe(s, 0);
    EXPECT_EQ(testing::FileBytes(s.folder.File("Corvella.ini")), before);
    EXPECT_EQ(GetFileAttributesA(s.folder.File("epsilon.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Opens a context menu of the launcher and chooses an item with the keys a
// user would press: its mnemonic, or Down arrows and Enter.
void ChooseFromMenu(const DropScene& s, HWND control, bool right, const std::string& keys) {
    PostMessageA(control, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(6, 6));
    PostMessageA(control, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = testing::FindProcessWindow(s.launcher.ProcessId(), "#32768")) != nullptr; },
                          10000))
        << keys;
    for (char key : keys) {
        if (key == 'v') {
            PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        } else if (key == '\n') {
            PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        } else {
            PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(key), 0);
        }
    }
}

TEST(Locking, EveryGuardedMenuCommandShowsItsMessageAndWritesNothing) {
    DropScene s("gLocked=1\r\n");
    ASSERT_TRUE(s.Start());
    const std::string before = testing::FileBytes(s.folder.File("Corvella.ini"));
    struct Row { int control; bool right; const char* keys; const char* message; const char* shot; };
    const Row rows[] = {
        {kButton, true, "b", "Cannot edit button text when Corvella is Locked!", "lock-addbuttontext"},
        {kButton, true, "u", "Cannot delete button text when Corvella is Locked!", "lock-delbuttext"},
        {kButton, true, "t", "Cannot add a button tooltip when Corvella is Locked!", "lock-tooltip"},
        {kButton, true, "e", "Cannot delete a button tooltip when Corvella is Locked!", "lock-deltip"},
        {kButton, true, "i", "Cannot change button icon when Corvella is Locked!", "lock-icon"},
        {kButton, true, "r", "Cannot change button icon when Corvella is Locked!", "lock-reseticon"},
        {kButton, true, "d", "Cannot delete a button when Corvella is Locked!", "lock-delete"},
        {kButton, true, "a", "Cannot delete buttons when Corvella is Locked!", "lock-deleteall"},
        {kTab, true, "a", "Cannot add a section when Corvella is Locked!", "lock-addsection"},
        {kTab, true, "r", "Cannot change section name when Corvella is Locked!", "lock-renamesection"},
        {kTab + 1, true, "d", "Cannot delete a section when Corvella is Locked!", "lock-deletesection"},
        {kTab, true, "m", "Cannot change home section when Corvella is Locked!", "lock-home"},
        {kTab, true, "vvvvv\n", "Cannot change section button sizes when Corvella is Locked!", "lock-fullwidth"},
        {kTab, true, "vvvvvvvv\n", "Cannot change section button sizes when Corvella is Locked!", "lock-textonly"},
        {kOptionsButton, false, "c", "Cannot customize Corvella when it is Locked!", "lock-o_looks"},
        {kOptionsButton, false, "b", "Cannot customize buttons while Corvella is Locked!", "lock-o_buttons"},
    };
    for (const Row& row : rows) {
        ChooseFromMenu(s, s.Control(row.control), row.right, row.keys);
        AnswerMessage(s, row.message, row.shot);
    }
    EXPECT_EQ(testing::FileBytes(s.folder.File("Corvella.ini")), before);
    EXPECT_EQ(testing::WindowText(s.Control(kButton)), "Probe");
}

}  // namespace
}  // namespace corvella
