// The control as a clipboard viewer, on real files: the marks of a Cut stay
// through the control's own clipboard change and go when another program
// or another control fills the clipboard, and controls that come and go in
// any order leave the chain whole and leave it when they are all gone.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EmbeddedControl_win.h"
#include "win/TempFolder_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

BOOL CALLBACK FindList(HWND window, LPARAM found) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != WC_LISTVIEWA) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// One control in its own part of the host window, listing a folder of its
// own with three text files.
struct Shown {
    TempFolder folder;
    ControlSite site;
    HWND list = nullptr;

    IDispatch* Control() const { return site.Dispatch(); }
    // The names of the items the list shows dimmed as cut.
    std::vector<std::string> Marked() const {
        std::vector<std::string> names;
        for (int i = 0, count = ListView_GetItemCount(list); i < count; ++i) {
            if ((ListView_GetItemState(list, i, LVIS_CUT) & LVIS_CUT) == 0) continue;
            const std::wstring path = AsText(GetIndexed(Control(), L"List", i).value);
            names.emplace_back(path.begin() + static_cast<std::ptrdiff_t>(path.rfind(L'\\') + 1), path.end());
        }
        return names;
    }
};

class ControlClipboard : public Embedded {
protected:
    void SetUp() override {
        Embedded::SetUp();
        viewerBefore = GetClipboardViewer();
    }
    void TearDown() override {
        controls.clear();
        Embedded::TearDown();
    }
    // A new control beside the others, showing a folder of its own once its
    // list has finished its background work.
    Shown& Add() {
        auto shown = std::make_unique<Shown>();
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) shown->folder.WriteFile(name, "x");
        const int left = 10 + 160 * static_cast<int>(controls.size());
        const RECT rect{left, 10, left + 150, 240};
        EXPECT_EQ(shown->site.Create(CLSID_PanorellListView, host, rect, true), S_OK);
        const std::wstring path(shown->folder.Path().begin(), shown->folder.Path().end());
        EXPECT_EQ(Put(shown->Control(), L"CurrentFolder", Text(path.c_str())).hr, S_OK);
        EnumChildWindows(shown->site.Window(), FindList, reinterpret_cast<LPARAM>(&shown->list));
        EXPECT_NE(shown->list, nullptr);
        controls.push_back(std::move(shown));
        return *controls.back();
    }

    // Selects the named items and runs the menu's "cut" on them once the
    // list answers commands (a verb no entry has gives True).
    void CutIn(Shown& shown, const std::vector<std::string>& names) {
        IDispatch* control = shown.Control();
        ASSERT_TRUE(PumpUntil([&] { return Run(control, L"no such verb") == -1; }));
        for (long i = 0, count = AsLong(Get(control, L"ListCount").value); i < count; ++i) {
            const std::wstring path = AsText(GetIndexed(control, L"List", i).value);
            bool wanted = false;
            for (const std::string& name : names) wanted |= path == Wide(shown.folder.File(name));
            ASSERT_EQ(PutIndexed(control, L"Selected", i, Bool(wanted)).hr, S_OK);
        }
        const DWORD before = GetClipboardSequenceNumber();
        ASSERT_EQ(Run(control, L"cut"), -1);
        ASSERT_NE(GetClipboardSequenceNumber(), before) << "the Cut filled the clipboard";
        ASSERT_EQ(shown.Marked(), names);
    }

    // Another program copies text; meanwhile this thread answers the
    // clipboard's owner (a window of ours after a Cut), as a program must.
    void CopyInAnotherProgram() {
        std::string command = std::string("\"") + CORVELLA_CLIP_WRITER_EXE + "\" elsewhere";
        STARTUPINFOA start{};
        start.cb = sizeof start;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                                   &process));
        const bool ended = PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 20000);
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ASSERT_TRUE(ended);
        ASSERT_EQ(code, 0u) << "the other program's copy failed";
    }

    // The marks are still there after the window has had time for any
    // notice on its way.
    void ExpectKept(const Shown& shown, const std::vector<std::string>& names) {
        PumpUntil([] { return false; }, 400);
        EXPECT_EQ(shown.Marked(), names);
    }
    bool Cleared(const Shown& shown) {
        return PumpUntil([&] { return shown.Marked().empty(); });
    }

    static long Run(IDispatch* control, const wchar_t* verb) {
        VARIANT item = Text(verb);
        return AsLong(Invoke(control, L"ExecuteContextMenuItem", DISPATCH_METHOD, &item, 1).value);
    }
    static std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

    HWND viewerBefore = nullptr;
    std::vector<std::unique_ptr<Shown>> controls;
};

TEST_F(ControlClipboard, OwnCutKeepsItsMarksAnotherProgramsCopyTakesThem) {
    Shown& one = Add();
    CutIn(one, {"a.txt", "c.txt"});
    ExpectKept(one, {"a.txt", "c.txt"});
    // A second Cut replaces the marks and again keeps them.
    CutIn(one, {"b.txt"});
    ExpectKept(one, {"b.txt"});
    CopyInAnotherProgram();
    EXPECT_TRUE(Cleared(one)) << "the other program's copy left the cut marks";
}

// Whichever control goes first, every one left still hears of changes: a
// Cut in one takes another's marks, another program's copy the last ones;
// when all are gone the chain is as it was.
TEST_F(ControlClipboard, ControlsLeavingInAnyOrderKeepTheChainWhole) {
    for (size_t leaving : {0u, 1u, 2u}) {
        SCOPED_TRACE("control " + std::to_string(leaving) + " of 3 goes first");
        for (int i = 0; i < 3; ++i) Add();
        controls.erase(controls.begin() + static_cast<std::ptrdiff_t>(leaving));
        Shown& first = *controls[0];
        Shown& second = *controls[1];
        CutIn(first, {"a.txt"});
        CutIn(second, {"b.txt"});
        EXPECT_TRUE(Cleared(first)) << "the other control's Cut left the marks";
        ExpectKept(second, {"b.txt"});
        CopyInAnotherProgram();
        EXPECT_TRUE(Cleared(second)) << "the other program's copy left the cut marks";
        controls.clear();
        EXPECT_EQ(GetClipboardViewer(), viewerBefore) << "a control stayed in the chain";
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace panorell::testing
