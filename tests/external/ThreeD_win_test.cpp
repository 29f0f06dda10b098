#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Host_win.h"
#include "external/ThreeDControl_win.h"
#include "external/ThreeDLayout.h"
#include "external/ThreeD_win.h"
#include "win/SolidIcon_win.h"

namespace corvella::testing {
namespace {

using namespace corvella::threed;

int Twips(int pixels) {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return PixelsToTwips(pixels, dpi);
}

std::string Line(const char* verb, std::initializer_list<int> values) {
    std::ostringstream out;
    out << verb;
    for (int v : values) out << ' ' << v;
    return out.str();
}

HWND Placed(HWND control, int x, int y, int width, int height) {
    SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_SHOWWINDOW);
    UpdateWindow(control);
    return control;
}

class ThreeDWin : public ::testing::Test {
protected:
    Host host;
    Recorder events;
    HWND Button(int id, int x = 10, int y = 10, int w = 120, int h = 50) {
        return Placed(CreateButton(host.Window(), id, &events), x, y, w, h);
    }
};

TEST_F(ThreeDWin, MouseEventsCarryButtonShiftStateAndTwips) {
    HWND button = Button(7);
    ASSERT_TRUE(button);
    struct Case {
        int button;
        WORD modifier;
        int shift;
        bool click;
    };
    const Case cases[] = {{kLeftButton, 0, 0, true},
                          {kLeftButton, VK_SHIFT, kShiftMask, true},
                          {kRightButton, VK_CONTROL, kControlMask, false},
                          {kMiddleButton, 0, 0, false}};
    MoveMouseTo(ScreenPointIn(button, 20, 10));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        events.lines.clear();
        if (c.modifier) Key(c.modifier, true);
        MouseButton(c.button, true);
        MouseButton(c.button, false);
        if (c.modifier) Key(c.modifier, false);
        std::vector<std::string> expected = {Line("down", {7, c.button, c.shift, Twips(20), Twips(10)}),
                                             Line("up", {7, c.button, c.shift, Twips(20), Twips(10)})};
        if (c.click) expected.push_back("click 7");
        EXPECT_EQ(events.Starting("down"), std::vector<std::string>{expected[0]});
        std::vector<std::string> mouse;
        for (const auto& line : events.lines)
            if (line.rfind("key", 0) != 0) mouse.push_back(line);
        EXPECT_EQ(mouse, expected);
    }
}

TEST_F(ThreeDWin, ReleasingOutsideTheButtonIsNoClick) {
    HWND button = Button(3);
    MoveMouseTo(ScreenPointIn(button, 30, 20));
    MouseButton(kLeftButton, true);
    MoveMouseTo(ScreenPointIn(button, 300, 150));
    MouseButton(kLeftButton, false);
    EXPECT_EQ(events.Starting("down").size(), 1u);
    EXPECT_EQ(events.Starting("up").size(), 1u);
    EXPECT_TRUE(events.Starting("click").empty());
}

TEST_F(ThreeDWin, KeyEventsCarryKeyCodeAndShiftState) {
    HWND button = Button(4);
    SetFocus(button);
    Pump(20);
    Key('A', true);
    Key('A', false);
    Key(VK_CONTROL, true);
    Key('B', true);
    Key('B', false);
    Key(VK_CONTROL, false);
    Key(VK_SPACE, true);
    Key(VK_SPACE, false);
    const std::vector<std::string> expected = {
        "keydown 4 65 0", "keyup 4 65 0",   "keydown 4 17 2", "keydown 4 66 2", "keyup 4 66 2",
        "keyup 4 17 0",   "keydown 4 32 0", "keyup 4 32 0",   "click 4"};
    EXPECT_EQ(events.lines, expected);
}

TEST_F(ThreeDWin, AutomaticDragReportsSourceAndTarget) {
    HWND source = Button(1, 10, 10);
    HWND target = Button(2, 200, 10);
    SetAutomaticDrag(source, true);
    MoveMouseTo(ScreenPointIn(source, 30, 20));
    MouseButton(kLeftButton, true);
    MoveMouseTo(ScreenPointIn(source, 60, 25));
    MoveMouseTo(ScreenPointIn(target, 20, 20));
    MoveMouseTo(ScreenPointIn(target, 30, 22));
    MouseButton(kLeftButton, false);

    EXPECT_TRUE(events.Starting("down").empty());
    EXPECT_TRUE(events.Starting("up").empty());
    EXPECT_TRUE(events.Starting("click").empty());
    const std::vector<std::string> over = events.Starting("dragover");
    ASSERT_GE(over.size(), 4u);
    EXPECT_EQ(over.front(), "dragover 1 1 0");  // the pressed control itself first
    auto at = [&](const std::string& line) { return std::find(over.begin(), over.end(), line) - over.begin(); };
    EXPECT_LT(at("dragover 1 1 1"), at("dragover 2 1 0"));  // leaves the source, then enters the target
    EXPECT_NE(std::find(over.begin(), over.end(), "dragover 2 1 2"), over.end());
    EXPECT_EQ(events.Starting("dragdrop"), std::vector<std::string>{"dragdrop 2 1"});
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ThreeDWin, LeavingDragModeGivesBackClicks) {
    HWND button = Button(5);
    SetAutomaticDrag(button, true);
    SetAutomaticDrag(button, false);
    MoveMouseTo(ScreenPointIn(button, 10, 10));
    MouseButton(kLeftButton, true);
    MouseButton(kLeftButton, false);
    EXPECT_EQ(events.Starting("click"), std::vector<std::string>{"click 5"});
    EXPECT_TRUE(events.Starting("drag").empty());
}

HGLOBAL DropFiles(const std::vector<std::string>& paths, POINT at) {
    size_t size = sizeof(DROPFILES) + 1;
    for (const auto& p : paths) size += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = at;
    header->fWide = FALSE;
    char* out = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
    for (const auto& p : paths) {
        memcpy(out, p.c_str(), p.size() + 1);
        out += p.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

const std::vector<std::string> kPaths = {"C:\\b\\second.lnk", "C:\\a\\first.txt", "C:\\c d\\third one.exe"};

TEST_F(ThreeDWin, DroppedFileListArrivesInOrder) {
    HWND button = Button(9);
    PostMessageA(button, WM_DROPFILES, reinterpret_cast<WPARAM>(DropFiles(kPaths, {12, 8})), 0);
    ASSERT_TRUE(PumpUntil([&] { return !events.droppedPaths.empty(); }, 2000));
    EXPECT_EQ(events.droppedPaths, kPaths);
    EXPECT_EQ(events.lines, std::vector<std::string>{Line("files", {9, 3, Twips(12), Twips(8)})});
}

// A data object that offers only a file list, as the shell's does.
class FileListData final : public IDataObject {
public:
    explicit FileListData(const std::vector<std::string>& paths, CLIPFORMAT offered = CF_HDROP)
        : paths_(paths), offered_(offered) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = DropFiles(paths_, {});
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format && format->cfFormat == offered_ && offered_ == CF_HDROP && (format->tymed & TYMED_HGLOBAL)
                   ? S_OK
                   : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    std::vector<std::string> paths_;
    CLIPFORMAT offered_;
};

TEST_F(ThreeDWin, OleDropTargetReportsHoverAndOrderedPaths) {
    HWND button = Button(6);
    IDropTarget* target = NewFileDropTarget(button);
    FileListData data(kPaths);
    POINT screen = ScreenPointIn(button, 5, 6);
    POINTL at{screen.x, screen.y};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target->DragEnter(&data, 0, at, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = DROPEFFECT_LINK;
    EXPECT_EQ(target->DragOver(0, at, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK));
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(&data, 0, at, &effect), S_OK);
    target->Release();
    EXPECT_EQ(events.droppedPaths, kPaths);
    const std::vector<std::string> expected = {"filesover 6", "filesover 6",
                                               Line("files", {6, 3, Twips(5), Twips(6)})};
    EXPECT_EQ(events.lines, expected);
}

TEST_F(ThreeDWin, OleDropTargetRefusesDataWithoutFiles) {
    HWND button = Button(6);
    IDropTarget* target = NewFileDropTarget(button);
    FileListData text({}, CF_TEXT);
    POINTL at{0, 0};
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->DragEnter(&text, 0, at, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(&text, 0, at, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    target->Release();
    EXPECT_TRUE(events.lines.empty());
}

TEST_F(ThreeDWin, OutOfRangeValuesAreRefusedAndChangeNothing) {
    HWND button = Button(1);
    HWND check = Placed(CreateCheck(host.Window(), 2, &events), 10, 80, 120, 24);
    struct Case {
        HWND control;
        int id;
        int32_t value;
        bool accepted;
    };
    const Case cases[] = {{button, kPropButtonStyle, 4, true},     {button, kPropButtonStyle, 5, false},
                          {button, kPropTextEffect, 3, true},      {button, kPropTextEffect, 9, false},
                          {button, kPropPicturePosition, 12, true}, {button, kPropPicturePosition, 13, false},
                          {button, kPropCaptionPosition, 8, true}, {button, kPropCaptionPosition, -1, false},
                          {button, kPropTabLook, 1, true},         {button, kPropTabLook, 0, false},
                          {button, kPropValue, 1, false},          {check, kPropValue, 1, true},
                          {check, kPropValue, 2, false},           {check, kPropPicturePosition, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.id << " = " << c.value);
        int32_t before = Property(c.control, c.id);
        EXPECT_EQ(SetProperty(c.control, c.id, c.value), c.accepted);
        EXPECT_EQ(Property(c.control, c.id), c.accepted ? c.value : before);
    }
    EXPECT_FALSE(SetProperty(host.Window(), kPropButtonStyle, 1));
}

TEST_F(ThreeDWin, WindowTextFollowsCaptionOrToolTip) {
    HWND button = Button(1);
    EXPECT_EQ(GetDlgItem(host.Window(), 1), button);
    EXPECT_EQ(ControlId(button), 1);
    SetCaption(button, "Tools");
    EXPECT_EQ(WindowTextOf(button), "Tools");
    EXPECT_EQ(Caption(button), "Tools");
    SetToolTip(button, "Text editor");
    EXPECT_EQ(WindowTextOf(button), "Tools");
    SetCaption(button, "");
    EXPECT_EQ(WindowTextOf(button), "Text editor");
    EXPECT_EQ(Caption(button), "");
    SetToolTip(button, "Mail");
    EXPECT_EQ(WindowTextOf(button), "Mail");
    // The window text call of the system sets the caption too.
    SetWindowTextA(button, "Games");
    EXPECT_EQ(Caption(button), "Games");
    EXPECT_EQ(WindowTextOf(button), "Games");
}

std::string TipText(HWND control) {
    Control* c = ControlOf(control);
    if (!c || !c->tip) return "<no tip>";
    char text[256] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = control;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageA(c->tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

void Hover(HWND control) { SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }

TEST_F(ThreeDWin, ToolTipShowsTheTextGivenLast) {
    HWND button = Button(1);
    Hover(button);
    EXPECT_EQ(TipText(button), "<no tip>");  // no tip window while there is no text
    SetToolTip(button, "Start the editor");
    // The tip window comes with the first hover, with the text given before it.
    EXPECT_EQ(TipText(button), "<no tip>");
    Hover(button);
    EXPECT_EQ(TipText(button), "Start the editor");
    SetToolTip(button, "Start the mail program");
    EXPECT_EQ(TipText(button), "Start the mail program");
    Hover(button);
    EXPECT_EQ(TipText(button), "Start the mail program");
}

// The layout tells every control all its values each time it runs: a value
// the control has already must not repaint it, and a new one must.
TEST_F(ThreeDWin, RepaintsForANewValueOnly) {
    HWND button = Button(1);
    struct Case {
        const char* name;
        std::function<void(bool second)> set;
    };
    const Case cases[] = {
        {"property", [&](bool second) { SetProperty(button, kPropButtonStyle, second ? 3 : 1); }},
        {"caption", [&](bool second) { SetCaption(button, second ? "Two" : "One"); }},
        {"back colour", [&](bool second) { SetBackColor(button, second ? 0x00C800 : 0x0000C8); }},
        {"fore colour", [&](bool second) { SetForeColor(button, second ? 0xFFFFFF : 0x000000); }},
        {"font", [&](bool second) { SetFont(button, FontSpec{"Arial", second ? 12.0 : 10.0, false, false}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.set(false);
        ValidateRect(button, nullptr);
        c.set(false);
        EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE)) << "the same value repainted the control";
        c.set(true);
        EXPECT_TRUE(GetUpdateRect(button, nullptr, FALSE)) << "a new value left the old look on show";
        ValidateRect(button, nullptr);
    }
}

TEST_F(ThreeDWin, CheckBoxTurnsOverOnClickAndSpace) {
    HWND check = Placed(CreateCheck(host.Window(), 8, &events), 10, 80, 140, 24);
    SetCaption(check, "Show icons");
    MoveMouseTo(ScreenPointIn(check, 8, 12));
    MouseButton(kLeftButton, true);
    MouseButton(kLeftButton, false);
    EXPECT_EQ(Property(check, kPropValue), 1);
    Key(VK_SPACE, true);
    Key(VK_SPACE, false);
    EXPECT_EQ(Property(check, kPropValue), 0);
    EXPECT_EQ(events.Starting("click"), (std::vector<std::string>{"click 8", "click 8"}));
}

// Paints `control` through WM_PRINTCLIENT into a bitmap and returns its pixels.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> data;
    COLORREF At(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
};

Pixels Print(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    Pixels out;
    out.width = r.right;
    out.height = r.bottom;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bits = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bits);
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) out.data.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bits);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return out;
}

constexpr COLORREF kRed = RGB(200, 0, 0);

TEST_F(ThreeDWin, StylesPaintTheirFramesInTheBackColour) {
    HWND button = Button(1, 10, 10, 60, 30);
    SetBackColor(button, 0x000000C8);
    struct Case {
        int style;
        bool framed;
        bool shaded;
    };
    for (const Case& c : {Case{1, true, false}, Case{2, true, true}, Case{3, true, false}, Case{4, false, false}}) {
        SCOPED_TRACE(c.style);
        ASSERT_TRUE(SetProperty(button, kPropButtonStyle, c.style));
        Pixels p = Print(button);
        if (c.shaded) {
            // Light at the top, darker at the bottom, the back colour between.
            EXPECT_GT(GetGValue(p.At(30, 3)), GetGValue(p.At(30, 26)));
            EXPECT_EQ(GetRValue(p.At(30, 19)), 200);
        } else {
            EXPECT_EQ(p.At(30, 24), kRed);
        }
        EXPECT_EQ(p.At(0, 29) != kRed, c.framed);
    }
}

TEST_F(ThreeDWin, TabLookLatchedDrawsTheButtonDown) {
    HWND tab = Button(1, 10, 10, 60, 30);
    SetBackColor(tab, 0x000000C8);
    SetProperty(tab, kPropButtonStyle, 1);
    Pixels normal = Print(tab);
    SetProperty(tab, kPropTabLook, 1);
    Pixels latched = Print(tab);
    // A raised frame is light at the top left, a sunken one dark there.
    EXPECT_GT(GetRValue(normal.At(1, 1)), GetRValue(latched.At(1, 1)));
    EXPECT_NE(normal.At(30, 20), latched.At(30, 20));
}

TEST_F(ThreeDWin, PictureIsTheControlsOwnCopyAndFollowsItsPosition) {
    HWND button = Button(1, 10, 10, 80, 60);
    SetBackColor(button, 0x000000C8);
    HICON icon = SolidIcon(RGB(0, 0, 255));
    SetPicture(button, icon);
    DestroyIcon(icon);  // the control keeps its own copy
    SetProperty(button, kPropPicturePosition, 0);  // left top
    Pixels p = Print(button);
    EXPECT_EQ(p.At(10, 10), RGB(0, 0, 255));
    EXPECT_NE(p.At(70, 50), RGB(0, 0, 255));
    SetProperty(button, kPropPicturePosition, 5);  // right bottom
    p = Print(button);
    EXPECT_EQ(p.At(70, 50), RGB(0, 0, 255));
    EXPECT_NE(p.At(10, 10), RGB(0, 0, 255));
    ClearPicture(button);
    p = Print(button);
    EXPECT_NE(p.At(70, 50), RGB(0, 0, 255));
}

TEST_F(ThreeDWin, PictureFromAnImageListIsItsOwnCopyOfTheIconAtThatPlace) {
    HWND button = Button(1, 10, 10, 80, 60);
    SetBackColor(button, 0x000000C8);
    SetProperty(button, kPropPicturePosition, 0);  // left top
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
    for (COLORREF colour : {RGB(0, 0, 255), RGB(0, 255, 0)}) {
        HICON icon = SolidIcon(colour);
        ImageList_AddIcon(list, icon);
        DestroyIcon(icon);
    }
    ASSERT_TRUE(SetPicture(button, list, 1));
    ForgetListIcons(list);
    ImageList_Destroy(list);
    EXPECT_EQ(Print(button).At(10, 10), RGB(0, 255, 0));
    // A place the list lacks gives no picture and leaves the old one.
    HIMAGELIST empty = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    EXPECT_FALSE(SetPicture(button, empty, 0));
    EXPECT_FALSE(SetPicture(button, nullptr, 0));
    ImageList_Destroy(empty);
    EXPECT_EQ(Print(button).At(10, 10), RGB(0, 255, 0));
}

// Controls showing one entry of a list share one icon: the end of one of them
// leaves the others' pictures whole, and once the owner says the list has
// changed, the next control gets the entry's new icon.
TEST_F(ThreeDWin, ControlsShowingOneListEntryShareItsIcon) {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    HICON blue = SolidIcon(RGB(0, 0, 255));
    ImageList_AddIcon(list, blue);
    DestroyIcon(blue);
    auto showing = [&](int id, int x) {
        HWND button = Button(id, x, 10, 80, 60);
        SetBackColor(button, 0x000000C8);
        SetProperty(button, kPropPicturePosition, 0);  // left top
        EXPECT_TRUE(SetPicture(button, list, 0));
        return button;
    };
    HWND first = showing(1, 10), second = showing(2, 100);

    HICON green = SolidIcon(RGB(0, 255, 0));
    ImageList_ReplaceIcon(list, 0, green);
    DestroyIcon(green);
    ForgetListIcons(list);
    HWND third = showing(3, 190);
    EXPECT_EQ(Print(third).At(10, 10), RGB(0, 255, 0));
    EXPECT_EQ(Print(first).At(10, 10), RGB(0, 0, 255)) << "a control keeps the icon it was given";

    DestroyWindow(first);
    EXPECT_EQ(Print(second).At(10, 10), RGB(0, 0, 255)) << "the shared icon outlives one of its controls";
    ClearPicture(second);
    EXPECT_NE(Print(second).At(10, 10), RGB(0, 0, 255));
    ForgetListIcons(list);
    ImageList_Destroy(list);
    EXPECT_EQ(Print(third).At(10, 10), RGB(0, 255, 0));
}

struct DestroyOnClick : Events {
    HWND victim = nullptr;
    int clicks = 0;
    void OnClick(int) override {
        ++clicks;
        DestroyWindow(victim);
    }
};

TEST_F(ThreeDWin, OwnerMayDestroyTheControlFromItsOwnEvent) {
    DestroyOnClick owner;
    HWND button = Placed(CreateButton(host.Window(), 1, &owner), 10, 10, 80, 30);
    owner.victim = button;
    MoveMouseTo(ScreenPointIn(button, 10, 10));
    MouseButton(kLeftButton, true);
    MouseButton(kLeftButton, false);
    EXPECT_EQ(owner.clicks, 1);
    EXPECT_FALSE(IsWindow(button));
}

}  // namespace
}  // namespace corvella::testing
