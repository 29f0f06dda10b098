// Documents and shortcuts with arguments open through the folder list
// control the main window carries: the launch points the control at the
// item's folder, selects the item and runs its first context-menu command.
// The probe records each start; the control's own list-view, read across
// the process boundary, shows that the launch went through it.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "e2e/Driver_win.h"
#include "e2e/ProbeRegistry_win.h"
#include "e2e/Shortcut_win.h"
#include "win/RegisterControl_win.h"

namespace corvella {
namespace {

using testing::LauncherProcess;
using testing::TempFolder;
using testing::WaitUntil;

std::string Record(const std::string& target, const std::string& text) {
    return target + "\xFF" "1\xFF\xFF" + text + "\xFF";
}

struct ListScene {
    ListScene() {
        CreateDirectoryA(folder.File("Probe Tools").c_str(), nullptr);
        CreateDirectoryA(folder.File("Papers").c_str(), nullptr);
        probe = folder.File("Probe Tools\\Probe.exe");
        CopyFileA(CORVELLA_PROBE_EXE, probe.c_str(), FALSE);
        for (const char* name : {"Papers\\a.txt", "Papers\\notes.cvprobe", "Papers\\z.txt"}) folder.WriteFile(name, "x");
    }
    HWND Start(const std::vector<std::string>& records) {
        std::string ini = "[Options]\r\nWindowLeft=1500\r\nWindowTop=0\r\nEnableSound=0\r\nEnableTrayIcon=0\r\n"
                          "EnableShade=0\r\n[Buttons]\r\n";
        for (std::size_t i = 0; i < records.size(); ++i)
            ini += "Button" + std::to_string(i + 1) + "=" + records[i] + "\r\n";
        folder.WriteFile("Corvella.ini", ini);
        if (!launcher.Start({"CORVELLA_PROBE_LOG=" + folder.File("probe.log")})) return nullptr;
        window = launcher.WaitForMainWindow();
        return window;
    }
    std::vector<std::string> ProbeLines() const {
        std::istringstream in(folder.ReadFile("probe.log"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    std::size_t Starts() const { return ProbeLines().size() / 2; }
    // The list-view inside the hosted control.
    HWND ControlList() const {
        HWND control = FindWindowExA(window, nullptr, "PanorellListViewControl", nullptr);
        HWND frame = control ? FindWindowExA(control, nullptr, nullptr, "PanorellListView") : nullptr;
        HWND pane = frame ? GetDlgItem(frame, 1005) : nullptr;
        return pane ? GetDlgItem(pane, 1001) : nullptr;
    }
    void Close() {
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(launcher.WaitForExit(30000));
    }

    TempFolder folder;
    LauncherProcess launcher{folder};
    std::string probe;
    HWND window = nullptr;
};

// Off until the control's "open" command starts programs under Wine: the
// launcher keeps the shell route meanwhile (LauncherApp_win.h).
// Posted: the launch lets events run for a while before the click returns.
void Click(HWND button) {
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
}

// A start that would come twice has come within this time.
void ExpectNoSecondStart(const ListScene& s, std::size_t starts) {
    WaitUntil([&] { return s.Starts() > starts; }, 2000);
    EXPECT_EQ(s.Starts(), starts) << "the item started more than once";
}

TEST(LaunchThroughList, DISABLED_ADocumentOpensThroughTheControlOnce) {
    ASSERT_TRUE(testing::RegisterFolderListControl());
    ListScene s;
    testing::ProbeDocumentType documents(s.probe);
    ASSERT_TRUE(documents.Ok());
    ASSERT_NE(s.Start({Record(s.folder.File("Papers\\notes.cvprobe"), "Notes")}), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return s.ControlList() != nullptr; }, 10000)) << "no control on the main window";
    Click(GetDlgItem(s.window, testing::kButton));
    ASSERT_TRUE(WaitUntil([&] { return s.Starts() >= 1; }, 20000)) << "the document did not open";
    EXPECT_NE(s.ProbeLines()[0].find("notes.cvprobe"), std::string::npos) << s.ProbeLines()[0];
    ExpectNoSecondStart(s, 1);
    HWND list = s.ControlList();
    EXPECT_EQ(ListView_GetItemCount(list), 3) << "the control shows the document's folder";
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1) << "the document is selected";
    s.Close();
}

TEST(LaunchThroughList, DISABLED_AShortcutWithArgumentsOpensThroughTheControl) {
    ASSERT_TRUE(testing::RegisterFolderListControl());
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        ListScene s;
        testing::ReaderRegistration reader(s.folder.File("shortcutreader.dll"));
        ASSERT_TRUE(reader.registered());
        ASSERT_TRUE(testing::MakeShortcut(s.folder.File("withargs.lnk"), s.probe, "/via list", s.folder.File("Probe Tools")));
        ASSERT_NE(s.Start({Record("withargs.lnk", "Args")}), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return s.ControlList() != nullptr; }, 10000)) << "no control on the main window";
        Click(GetDlgItem(s.window, testing::kButton));
        ASSERT_TRUE(WaitUntil([&] { return s.Starts() >= 1; }, 20000)) << "the shortcut did not open";
        EXPECT_NE(s.ProbeLines()[0].find("/via list"), std::string::npos) << s.ProbeLines()[0];
        ExpectNoSecondStart(s, 1);
        HWND list = s.ControlList();
        EXPECT_GE(ListView_GetNextItem(list, -1, LVNI_SELECTED), 0) << "the shortcut is selected in the control";
        s.Close();
    }
    CoUninitialize();
}

}  // namespace
}  // namespace corvella
