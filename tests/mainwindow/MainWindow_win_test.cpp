// The main window and its controls as the real platform shows them: what the
// core's fakes promise must hold for the real window too.
#include <gtest/gtest.h>

#include "mainwindow/MainWindowControls_win.h"
#include "mainwindow/MainWindow_win.h"
#include "platform/Desktop_win.h"
#include "win/SolidIcon_win.h"

namespace corvella {
namespace {

class MainWindowWin : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), " Corvella"));
        ASSERT_TRUE(controls.Create(window.Handle(), GetModuleHandleA(nullptr), nullptr));
        window.onControlColour = [this](HWND control) { return controls.BackgroundBrush(control); };
        const int tx = screen.TwipsPerPixelX(), ty = screen.TwipsPerPixelY();
        window.SetLeft(100 * tx);
        window.SetTop(80 * ty);
        window.SetWidth(300 * tx);
        window.SetHeight(400 * ty);
        window.Show(SW_SHOWNORMAL);
    }
    void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

    WinScreen screen;
    MainWindow window{screen};
    MainWindowControls controls{screen};
};

// Minimised and closed from the task bar, the window must come back where it
// was, not at the far-off place the system parks minimised windows.
TEST_F(MainWindowWin, KeepsItsRestoredPlacementWhileMinimised) {
    const Placement shown = window.CurrentPlacement();
    ShowWindow(window.Handle(), SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(window.IsMinimised());
    EXPECT_EQ(window.CurrentPlacement(), shown);
    ShowWindow(window.Handle(), SW_RESTORE);
    Pump();
    EXPECT_EQ(window.CurrentPlacement(), shown);
}

// The moves of `window` asked of the system while the hook lived (the
// system tells the window of each, even of one that changes nothing).
class MoveCounter {
public:
    explicit MoveCounter(HWND window) {
        watched_ = window;
        moves_ = 0;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &Note, nullptr, GetCurrentThreadId());
    }
    ~MoveCounter() { UnhookWindowsHookEx(hook_); }
    int Moves() const { return moves_; }

private:
    static LRESULT CALLBACK Note(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->hwnd == watched_ && call->message == WM_WINDOWPOSCHANGING) ++moves_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND watched_ = nullptr;
    static inline int moves_ = 0;
    HHOOK hook_ = nullptr;
};

// The stored placement arrives in one move, lands where the four single
// values would put it, and a window already there is left alone (each move
// of the shown window repaints it).
TEST_F(MainWindowWin, TakesAWholePlacementInOneMoveAndNoneWhenAlreadyThere) {
    const int tx = screen.TwipsPerPixelX(), ty = screen.TwipsPerPixelY();
    // Uneven twips: the window keeps the very values it was given.
    const Placement wanted{120 * tx + 7, 90 * ty + 3, 320 * tx + 1, 380 * ty + 11};
    {
        MoveCounter counter(window.Handle());
        window.SetPlacement(wanted);
        EXPECT_EQ(counter.Moves(), 1);
    }
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    EXPECT_EQ(r.left, PixelsFromTwips(wanted.left, tx));
    EXPECT_EQ(r.top, PixelsFromTwips(wanted.top, ty));
    EXPECT_EQ(r.right - r.left, PixelsFromTwips(wanted.width, tx));
    EXPECT_EQ(r.bottom - r.top, PixelsFromTwips(wanted.height, ty));
    EXPECT_EQ(window.CurrentPlacement(), wanted);

    const RECT placed = r;
    window.SetLeft(50 * tx);
    window.SetTop(60 * ty);
    window.SetWidth(200 * tx);
    window.SetHeight(250 * ty);
    window.SetPlacement(wanted);
    GetWindowRect(window.Handle(), &r);
    EXPECT_TRUE(EqualRect(&r, &placed));

    MoveCounter counter(window.Handle());
    window.SetPlacement(wanted);
    window.SetLeft(wanted.left);
    EXPECT_EQ(counter.Moves(), 0);
}

// Paints `control` into a bitmap and answers the colour at x, y.
COLORREF PixelOf(HWND control, int x, int y) {
    RECT r;
    GetClientRect(control, &r);
    HDC screenDc = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screenDc);
    HBITMAP bits = CreateCompatibleBitmap(screenDc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bits);
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bits);
    DeleteDC(dc);
    ReleaseDC(nullptr, screenDc);
    return colour;
}

// The colour of the middle of `control`.
COLORREF PaintedColour(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    return PixelOf(control, r.right / 2, r.bottom / 2);
}

TEST_F(MainWindowWin, PaintsTheButtonAreaInTheColourItIsGiven) {
    const ControlRef area{ControlName::buttonBG};
    ASSERT_TRUE(controls.SetGeometry(area, {150, 150, 1500, 1500}));
    for (int32_t colour : {0x0000C8, 0x00A05000}) {
        ASSERT_TRUE(controls.SetBackColor(area, colour));
        EXPECT_EQ(PaintedColour(controls.Handle(area)), static_cast<COLORREF>(colour)) << std::hex << colour;
    }
    // A system colour as the sections store their default.
    ASSERT_TRUE(controls.SetBackColor(area, static_cast<int32_t>(0x8000000F)));
    EXPECT_EQ(PaintedColour(controls.Handle(area)), GetSysColor(COLOR_BTNFACE));
    // What the plain controls do not take, they refuse, as the core's fake does.
    EXPECT_FALSE(controls.SetForeColor(area, 0));
    EXPECT_FALSE(controls.SetBackColor({ControlName::HScroll1}, 0));
}

void AddToBothLists(MainWindowControls& controls, COLORREF colour) {
    HICON icon = testing::SolidIcon(colour);
    for (int list : {0, 1}) ImageList_AddIcon(controls.ImageList(list), icon);
    DestroyIcon(icon);
}

// A launch button shows the icon its key names; given it again it keeps it
// without a repaint; once the lists were emptied and filled anew, the same
// place holds another icon, and the button takes that one.
TEST_F(MainWindowWin, LaunchButtonsShowTheIconTheirKeyNames) {
    const ControlRef button{ControlName::buttonObj, 0};
    ASSERT_TRUE(controls.SetGeometry(button, {150, 150, 900, 900}));
    ASSERT_TRUE(controls.SetVisible(button, true));
    ASSERT_TRUE(controls.SetThreeDProperty(button, threed::kPropPicturePosition, 0));
    controls.iconIndexOf = [](const std::string& key) { return key == "I0" ? 0 : -1; };
    AddToBothLists(controls, RGB(255, 0, 0));
    HWND window = controls.Handle(button);
    const int inside = GetSystemMetrics(SM_CXSMICON) / 2 + 4;

    ASSERT_TRUE(controls.SetPicture(button, 1, "I0"));
    EXPECT_EQ(PixelOf(window, inside, inside), RGB(255, 0, 0));
    EXPECT_FALSE(controls.SetPicture(button, 1, "I9")) << "a key without an icon";
    EXPECT_FALSE(controls.SetPicture(button, 2, "I0")) << "there are two lists";
    ValidateRect(window, nullptr);
    ASSERT_TRUE(controls.SetPicture(button, 1, "I0"));
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "the same icon was made again";

    for (int list : {0, 1}) ImageList_RemoveAll(controls.ImageList(list));
    AddToBothLists(controls, RGB(0, 0, 255));
    controls.ForgetPictureSources();
    ASSERT_TRUE(controls.SetPicture(button, 1, "I0"));
    EXPECT_EQ(PixelOf(window, inside, inside), RGB(0, 0, 255));

    ASSERT_TRUE(controls.ClearPicture(button));
    ASSERT_TRUE(controls.SetPicture(button, 1, "I0")) << "a cleared button takes its icon again";
    EXPECT_EQ(PixelOf(window, inside, inside), RGB(0, 0, 255));
}

// The controls remember where they put each control rather than asking the
// system each time: what they report must still be where it really lies.
// A hidden launch button reports the place it was given and is moved there
// when it shows.
TEST_F(MainWindowWin, ReportsWhereEachControlReallyLies) {
    const int tx = screen.TwipsPerPixelX(), ty = screen.TwipsPerPixelY();
    const ControlRef button{ControlName::buttonObj, 3};
    HWND handle = controls.Handle(button);
    auto realPlace = [&] {
        RECT r;
        GetWindowRect(handle, &r);
        MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return ControlGeometry{r.left * tx, r.top * ty, (r.right - r.left) * tx, (r.bottom - r.top) * ty};
    };
    const ControlGeometry first{10 * tx, 20 * ty, 60 * tx, 40 * ty}, second{70 * tx, 5 * ty, 30 * tx, 30 * ty};
    const ControlGeometry unmoved = realPlace();
    ASSERT_TRUE(controls.SetGeometry(button, second));
    EXPECT_EQ(controls.Geometry(button), second);
    EXPECT_EQ(realPlace(), unmoved) << "a hidden button waits for its show to move";
    ASSERT_TRUE(controls.SetVisible(button, true));
    EXPECT_EQ(realPlace(), second);
    for (const ControlGeometry& place : {first, second, first, first}) {
        ASSERT_TRUE(controls.SetGeometry(button, place));
        EXPECT_EQ(realPlace(), place);
        EXPECT_EQ(controls.Geometry(button), place);
    }
    // Hidden again, moved, and shown: where it was last put.
    ASSERT_TRUE(controls.SetVisible(button, false));
    ASSERT_TRUE(controls.SetGeometry(button, second));
    ASSERT_TRUE(controls.SetGeometry(button, first));
    ASSERT_TRUE(controls.SetVisible(button, true));
    EXPECT_EQ(realPlace(), first);
    EXPECT_EQ(controls.Geometry(button), first);
    // A size the design gives before any layout runs.
    RECT options;
    GetWindowRect(controls.Handle({ControlName::oButton}), &options);
    EXPECT_EQ(controls.Geometry({ControlName::oButton})->width, (options.right - options.left) * tx);
}

// The keyboard moves through the controls in their z-order, which must be the
// tab order they were made in: the section tabs, then the launch buttons.
TEST_F(MainWindowWin, StacksTheControlsInTheirTabOrder) {
    std::vector<HWND> expected;
    for (int i = 0; i < kSectionTabs; ++i) expected.push_back(controls.Handle({ControlName::sectionButton, i}));
    for (int s = 0; s < kLaunchButtons; ++s) expected.push_back(controls.Handle({ControlName::buttonObj, s}));
    std::vector<HWND> stacked;
    for (HWND child = GetWindow(window.Handle(), GW_CHILD); child && stacked.size() < expected.size();
         child = GetWindow(child, GW_HWNDNEXT))
        stacked.push_back(child);
    EXPECT_EQ(stacked, expected);
    // Given tab position 0, a later button goes to the top of the stack.
    ASSERT_TRUE(controls.SetTabIndex({ControlName::buttonObj, 7}, 0));
    EXPECT_EQ(GetWindow(window.Handle(), GW_CHILD), controls.Handle({ControlName::buttonObj, 7}));
}

// The launcher counts on the scroll bar's change event whenever its
// position changes, also when the program sets it.
TEST_F(MainWindowWin, RaisesTheScrollChangeWhenThePositionChanges) {
    const ControlRef bar{ControlName::HScroll1};
    int changes = 0;
    ASSERT_TRUE(controls.SetScrollRange(bar, 0, 3));
    ASSERT_TRUE(controls.SetScrollValue(bar, 2));
    controls.onScrollChange = [&] { ++changes; };
    ASSERT_TRUE(controls.SetScrollValue(bar, 0));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(controls.ScrollValue(bar), 0);
    ASSERT_TRUE(controls.SetScrollValue(bar, 0));
    EXPECT_EQ(changes, 1);
}

// Log-off and shut-down end the program without a close request: what a
// close saves is saved when the session ends, and only once.
TEST_F(MainWindowWin, RunsTheCloseRequestWhenTheSessionEnds) {
    int requests = 0;
    window.onCloseRequest = [&] { ++requests; };
    EXPECT_EQ(SendMessageA(window.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageA(window.Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);  // another program said no
    EXPECT_EQ(requests, 0);
    SendMessageA(window.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(requests, 1);
    SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(requests, 1);
}

}  // namespace
}  // namespace corvella
