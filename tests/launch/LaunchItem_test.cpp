#include "launch/LaunchItem.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "fakes/FakeShell.h"
#include "fakes/StartupHarness.h"
#include "launch/FolderListFallback.h"
#include "launch/PathText.h"
#include "settings/ProfileText.h"

namespace corvella {
namespace {

using testing::CallLog;
using testing::FakeShell;

class FakeShortcuts final : public ShortcutReader {
public:
    std::optional<ShortcutInfo> Read(const std::string& path) override {
        if (!available) return std::nullopt;
        auto it = links.find(path);
        return it == links.end() ? ShortcutInfo{} : it->second;
    }
    std::map<std::string, ShortcutInfo> links;
    bool available = true;
};

// Records the starts in the shared log and every call on the control, in
// order, in `calls`; a call named in `failing` fails.
class FakeFolderList final : public FolderList {
public:
    explicit FakeFolderList(CallLog& log) : log_(log) {}
    bool SetCurrentFolder(const std::string& f) override {
        log_.push_back("list folder [" + f + "]");
        return Call("folder");
    }
    std::optional<int> ListCount() override {
        if (!Call("count")) return std::nullopt;
        return static_cast<int>(items.size());
    }
    std::optional<std::string> List(int i) override {
        if (!Call("list " + std::to_string(i))) return std::nullopt;
        return items[static_cast<size_t>(i)];
    }
    bool Focus() override { return Call("focus"); }
    bool Select(int i) override {
        log_.push_back("select " + std::to_string(i));
        return Call("select");
    }
    std::optional<bool> ExecuteContextMenuItem(int position) override {
        log_.push_back("menu item " + std::to_string(position));
        if (!Call("item")) return std::nullopt;
        return defaultWorks;
    }
    std::optional<bool> ExecuteContextMenuItem(const std::string& verb) override {
        log_.push_back("menu verb " + verb);
        if (!Call("verb")) return std::nullopt;
        return true;
    }
    std::vector<std::string> items;
    bool defaultWorks = true;
    std::set<std::string> failing;
    CallLog calls;

private:
    bool Call(const std::string& what) {
        calls.push_back(what);
        return failing.count(what) == 0;
    }
    CallLog& log_;
};

class QuietEvents final : public EventLoop {
public:
    void LetPendingEventsRun() override { ++passes; }
    void SleepMs(int) override {}
    long passes = 0;
};

struct LaunchHarness {
    LaunchHarness() {
        shell.shortPaths["c:\\program files\\tool"] = "C:\\PROGRA~1\\TOOL";
        shell.shortPaths["c:\\corvella"] = "C:\\CORVEL~1";
        shell.shortPaths["c:\\docs"] = "C:\\DOCS";
        shell.folders = {"c:\\docs", "c:\\docs\\", "c:\\", "d:\\photos", "d:\\photos\\"};
    }
    void Launch(const std::string& target, const std::string& documents = "") {
        LaunchItem(state, target, documents, LaunchDeps{shell, shortcuts, list, events, dialogs, "C:\\Corvella", enableDocPath});
    }
    CallLog log;
    FakeShell shell{log};
    FakeShortcuts shortcuts;
    FakeFolderList list{log};
    QuietEvents events;
    testing::FakeDialogs dialogs{log};
    LaunchState state;
    int16_t enableDocPath = 1;
};

TEST(PathText, SplitsPathsAtTheirLastBackslash) {
    EXPECT_EQ(ParentFolderOf("c:\\tools\\x.exe"), "c:\\tools");
    EXPECT_EQ(ParentFolderOf("c:\\x.exe"), "c:");
    EXPECT_EQ(ParentFolderOf("c:\\\\x.exe"), "c:");  // the backslash it would end with comes off
    EXPECT_EQ(ParentFolderOf("x.exe"), "");
    EXPECT_EQ(FileNameOf("c:\\tools\\x.exe"), "x.exe");
    EXPECT_EQ(FileNameOf("x.exe"), "x.exe");
    EXPECT_EQ(FileNameOf("c:\\tools\\"), "");
}

TEST(LaunchItem, PlaysSoundsAndOpensFolders) {
    struct Case { const char* target; const char* started; };
    const Case cases[] = {
        {"C:\\Sounds\\DING.WAV", "play [c:\\sounds\\ding.wav]"},
        {"C:\\Docs", "start [explorer c:\\docs\\]"},
        {"C:\\Docs\\", "start [explorer c:\\docs\\]"},
        {"C:\\", "start [explorer c:\\]"},
    };
    for (const Case& c : cases) {
        LaunchHarness h;
        h.Launch(c.target);
        EXPECT_EQ(h.log, CallLog{c.started}) << c.target;
    }
}

TEST(LaunchItem, StartsProgramsFromTheirShortFolder) {
    LaunchHarness h;
    h.Launch("C:\\Program Files\\Tool\\Tool.EXE");
    EXPECT_EQ(h.log, CallLog{"open [C:\\PROGRA~1\\TOOL\\tool.exe] [] [C:\\PROGRA~1\\TOOL]"});
}

TEST(LaunchItem, OpensAShortcutToAProgramDirectlyAndOthersThroughTheList) {
    LaunchHarness h;
    h.shortcuts.links["C:\\Corvella\\editor.lnk"] = {std::string("C:\\Apps\\ED.EXE\0\0\0", 17), ""};
    h.Launch("Editor.lnk");
    EXPECT_EQ(h.log, CallLog{"open [C:\\Corvella\\editor.lnk] [] []"});

    LaunchHarness args;
    args.shortcuts.links["C:\\Corvella\\editor.lnk"] = {"C:\\Apps\\ED.EXE", "/new"};
    args.shell.shortPaths["c:\\corvella\\editor.lnk"] = "C:\\CORVEL~1\\EDITOR.LNK";
    args.list.items = {"C:\\Corvella\\Corvella.ini", "C:\\Corvella\\editor.lnk"};
    args.Launch("Editor.lnk");
    EXPECT_EQ(args.log, (CallLog{"list folder [C:\\CORVEL~1]", "select 1", "menu item 0"}));
}

TEST(LaunchItem, RunsWebShortcutsAndDocumentsThroughTheListsDefaultCommand) {
    LaunchHarness h;
    h.shell.shortPaths["c:\\corvella\\site.url"] = "C:\\CORVEL~1\\SITE.URL";
    h.list.items = {"C:\\Corvella\\site.url"};
    h.list.defaultWorks = false;
    h.Launch("Site.url");
    EXPECT_EQ(h.log, (CallLog{"list folder [C:\\CORVEL~1]", "select 0", "menu item 0", "menu verb open"}));
    EXPECT_GE(h.events.passes, 60000);

    LaunchHarness missing;
    missing.Launch("C:\\Docs\\gone.doc");
    EXPECT_EQ(missing.log, CallLog{"list folder [C:\\DOCS]"});  // no match: nothing starts
}

TEST(LaunchItem, CallsTheListInOrder) {
    LaunchHarness h;
    h.shell.shortPaths["c:\\docs\\b.doc"] = "C:\\DOCS\\B.DOC";
    h.list.items = {"C:\\Docs\\a.doc", "C:\\Docs\\b.doc", "C:\\Docs\\b.doc"};
    h.list.defaultWorks = false;
    h.Launch("C:\\Docs\\B.doc");
    EXPECT_EQ(h.list.calls, (CallLog{"folder", "count", "list 0", "list 1", "focus", "select", "item", "verb"}))
        << "the first match is the only one used";
}

// A failing call on the control sends the launch to the shell at once, so
// the item starts exactly once, and no later call is made.
TEST(LaunchItem, AFailingListCallOpensTheItemThroughTheShellOnce) {
    struct Case {
        const char* failing;
        bool defaultWorks;
        CallLog calls;
        CallLog log;
    };
    const std::string open = "open [C:\\Docs\\b.doc] [] []";
    const Case cases[] = {
        {"folder", true, {"folder"}, {"list folder [C:\\DOCS]", open}},
        {"count", true, {"folder", "count"}, {"list folder [C:\\DOCS]", open}},
        {"list 0", true, {"folder", "count", "list 0"}, {"list folder [C:\\DOCS]", open}},
        {"focus", true, {"folder", "count", "list 0", "focus"}, {"list folder [C:\\DOCS]", open}},
        {"select", true, {"folder", "count", "list 0", "focus", "select"},
         {"list folder [C:\\DOCS]", "select 0", open}},
        {"item", true, {"folder", "count", "list 0", "focus", "select", "item"},
         {"list folder [C:\\DOCS]", "select 0", "menu item 0", open}},
        {"verb", false, {"folder", "count", "list 0", "focus", "select", "item", "verb"},
         {"list folder [C:\\DOCS]", "select 0", "menu item 0", "menu verb open", open}},
        {"verb", true, {"folder", "count", "list 0", "focus", "select", "item"},
         {"list folder [C:\\DOCS]", "select 0", "menu item 0"}},
    };
    for (const Case& c : cases) {
        LaunchHarness h;
        h.shell.shortPaths["c:\\docs\\b.doc"] = "C:\\DOCS\\B.DOC";
        h.list.items = {"C:\\Docs\\b.doc"};
        h.list.failing = {c.failing};
        h.list.defaultWorks = c.defaultWorks;
        h.Launch("C:\\Docs\\B.doc");
        EXPECT_EQ(h.list.calls, c.calls) << c.failing;
        EXPECT_EQ(h.log, c.log) << c.failing;
    }
}

// Until the main window hosts the folder list, documents open through the
// shell by their long path.
TEST(LaunchItem, WithoutTheFolderListOpensDocumentsThroughTheShell) {
    LaunchHarness h;
    NoFolderList none;
    LaunchItem(h.state, "C:\\Docs\\Report.DOC", "",
               LaunchDeps{h.shell, h.shortcuts, none, h.events, h.dialogs, "C:\\Corvella", 1});
    EXPECT_EQ(h.log, CallLog{"open [C:\\Docs\\report.doc] [] []"});
}

TEST(LaunchItem, HandsDroppedDocumentsToPrograms) {
    LaunchHarness h;
    h.Launch("C:\\PROGRA~1\\TOOL\\TOOL.EXE", "C:\\DOCS\\A.TXT C:\\DOCS\\B.TXT");
    h.enableDocPath = 0;
    h.Launch("C:\\PROGRA~1\\TOOL\\TOOL.EXE", "C:\\DOCS\\A.TXT");
    EXPECT_EQ(h.log, (CallLog{"open [C:\\PROGRA~1\\TOOL\\TOOL.EXE] [C:\\DOCS\\A.TXT C:\\DOCS\\B.TXT] [C:\\DOCS]",
                              "open [C:\\PROGRA~1\\TOOL\\TOOL.EXE] [C:\\DOCS\\A.TXT] [C:\\PROGRA~1\\TOOL]"}));
}

TEST(LaunchItem, HandsDroppedDocumentsToAShortcutsProgramWithoutItsArguments) {
    LaunchHarness h;
    h.shortcuts.links["C:\\Corvella\\Ed.lnk"] = {"C:\\Program Files\\Tool\\Tool.exe", "/x"};
    h.shell.shortPaths["c:\\program files\\tool\\tool.exe"] = "C:\\PROGRA~1\\TOOL\\TOOL.EXE";
    h.Launch("Ed.lnk", "C:\\DOCS\\A.TXT");
    EXPECT_EQ(h.log, CallLog{"open [C:\\PROGRA~1\\TOOL\\TOOL.EXE] [C:\\DOCS\\A.TXT] [C:\\DOCS]"});

    LaunchHarness noReader;
    noReader.shortcuts.available = false;
    noReader.Launch("Ed.lnk", "C:\\DOCS\\A.TXT");
    EXPECT_EQ(noReader.log, CallLog{"open [Ed.lnk] [C:\\DOCS\\A.TXT] [C:\\Corvella]"});
}

// A shortcut copy the reader cannot read (the component is there) is handed
// the documents itself, in the documents' folder; only a missing component
// takes the shell's way with the program folder.
TEST(LaunchItem, HandsDroppedDocumentsToAnUnreadableShortcutCopyItself) {
    LaunchHarness h;
    h.Launch("Broken.lnk", "C:\\DOCS\\A.TXT");
    h.enableDocPath = 0;
    h.Launch("Broken.lnk", "C:\\DOCS\\A.TXT");
    EXPECT_EQ(h.log, (CallLog{"open [C:\\Corvella\\Broken.lnk] [C:\\DOCS\\A.TXT] [C:\\DOCS]",
                              "open [C:\\Corvella\\Broken.lnk] [C:\\DOCS\\A.TXT] [C:\\Corvella]"}));
}

TEST(LaunchItem, CopiesDocumentsDroppedOnFoldersAndReportsTheCopy) {
    LaunchHarness h;
    h.state.gDropCopyList = std::string("C:\\a.txt\0", 9);
    h.Launch("D:\\Photos", "C:\\A.TXT");
    h.shortcuts.links["C:\\Corvella\\Pics.lnk"] = {"D:\\Photos", ""};
    h.shell.copyResult = {0, true};
    h.Launch("Pics.lnk", "C:\\A.TXT");
    h.shell.copyResult = {1, false};
    h.Launch("D:\\Photos\\", "C:\\A.TXT");
    EXPECT_EQ(h.log, (CallLog{"copy [9 bytes] into [D:\\Photos\\]", "copy [9 bytes] into [D:\\Photos\\]",
                              "message Copy operation Failed | Corvella", "copy [9 bytes] into [D:\\Photos\\]",
                              "message Copy operation aborted... | Corvella"}));
}

TEST(LaunchItem, OpensADocumentWithTheDroppedDocumentsInItsFolder) {
    LaunchHarness h;
    h.Launch("C:\\Docs\\report.doc", "C:\\DOCS\\A.TXT");
    EXPECT_EQ(h.log, CallLog{"open [report.doc] [C:\\DOCS\\A.TXT] [C:\\Docs\\]"});
}

}  // namespace
}  // namespace corvella
