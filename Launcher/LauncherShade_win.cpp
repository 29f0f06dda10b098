// The window shade, title clock, notification-area icon, edge strip and
// welcome window wired to the running program.
#include "LauncherApp_win.h"
#include "dialogs/AuxWindows.h"
#include "dialogs/EdgeStrip.h"
#include "dialogs/ScreenClass_win.h"
#include "dialogs/TourWindow_win.h"
#include "mainwindow/PlacementRescue.h"
#include "mainwindow/TitleClock.h"
#include "mainwindow/WorkAreas_win.h"
#include "settings/StartupTrace_win.h"

namespace corvella {

namespace {
// A window counts as reachable while this much of it (in pixels) lies on a
// monitor: enough of the caption to grab.
constexpr int kGripWidthPx = 32;
constexpr int kGripHeightPx = 20;

// The start procedure shades a window saved shaded before it first shows the
// window: for that shade the hidden window counts as on show, so it rolls or
// slides away instead of taking the way back from the minimised state.
class ShownWhileStarting final : public WindowStatePort {
public:
    ShownWhileStarting(WindowStatePort& window, bool starting) : window_(window), starting_(starting) {}
    bool IsVisible() const override { return starting_ || window_.IsVisible(); }
    void RestoreNormal() override { window_.RestoreNormal(); }
    void Show() override { window_.Show(); }
    void MakeVisible() override { window_.MakeVisible(); }
    void Minimise() override { window_.Minimise(); }
    void Hide() override { window_.Hide(); }

private:
    WindowStatePort& window_;
    bool starting_;
};
}  // namespace

void LauncherApp::CreateAuxiliaryWindows(HINSTANCE instance) {
    instance_ = instance;
    largeFonts_ = IsLargeFonts(ScreenClass());
    strip_.Create(instance);
    strip_.onMouseUp = [this] { OnStripClicked(); };
    tray_ = std::make_unique<TrayWindow>(instance);
    tray_->onIconMessage = [this](int mouseMessage) { OnTrayIconMessage(mouseMessage); };
    splash_ = std::make_unique<SplashWindow>(instance, screen_);
    splash_->setHotKeyEnabled = [this](bool enabled) { SetHotKeyEnabled(enabled); };
    splash_->showTour = [this](HWND owner) { TourWindow(instance_, screen_, programFolder_).ShowModal(owner, largeFonts_); };
    model_->onShowSplash = [this] {
        MarkStartup("switches read; welcome window shown");
        splash_->ShowWithoutWaiting();
    };
    window_.onDisplayChange = [this] { KeepWindowOnScreen(); };
}

ShadeDeps LauncherApp::ShadeDepsNow(WindowStatePort& windowState) {
    return {settings_, window_, windowState, strip_, controls_, screen_, events_, cues_,
            [this] { return model_->busy(); },
            [this](bool busy) { model_->SetBusy(busy); },
            [this] { ArrangeWindow(); },
            [this](bool load) { LoadTrayWindow(load); }};
}

void LauncherApp::ToggleShade() {
    ShownWhileStarting windowState(window_, state_.startupFlag == 0);
    corvella::ToggleShade(ShadeDepsNow(windowState));
}

void LauncherApp::RequestShade() { corvella::RequestShade(ShadeDepsNow(window_)); }

void LauncherApp::LoadTray() {
    LoadTrayWindow(true);
    MarkStartup("tray icon loaded");
}

void LauncherApp::LoadTrayWindow(bool load) {
    if (load)
        tray_->Load();
    else
        tray_->Unload();
}

// Minimised: the window leaves the task bar for the notification area. Only
// when the icon is really there: a hidden window without one could never be
// brought back.
void LauncherApp::HideToTray() {
    tray_->Load();
    if (tray_->IconShown()) window_.Hide();
}

void LauncherApp::OnTrayIconMessage(int mouseMessage) {
    trayClicks_.OnIconMessage(mouseMessage, TrayClickDeps{settings_, window_, window_, events_,
                                                          [this] { ToggleShade(); },
                                                          [this] { settings_.WindowShade = 0; },
                                                          [this] { tray_->Unload(); }});
}

// A modal dialog of the launcher disables the main window while it is open.
void LauncherApp::OnStripClicked() {
    const bool busy = model_->busy() || IsWindowEnabled(window_.Handle()) == FALSE;
    OnStripMouseUp(strip_, busy, settings_.WindowShade, [this] { ToggleShade(); });
}

void LauncherApp::OnTitleClockTick() { corvella::OnTitleClockTick(gTitlePhase_, settings_.gLocked != 0, window_, clock_); }

void LauncherApp::LoadSplash() {
    splash_->Load(largeFonts_);
    MarkStartup("welcome window loaded");
}

void LauncherApp::UnloadSplash() {
    splash_->Unload();
    MarkStartup("welcome window unloaded");
}

void LauncherApp::ShowAbout() {
    ShowAboutWindow(hotKey_ ? static_cast<HotKeyReceiverPort&>(*hotKey_) : noHotKey_,
                    [this] { splash_->ShowModal(window_.Handle(), largeFonts_); });
}

void LauncherApp::SetHotKeyEnabled(bool enabled) {
    if (hotKey_ && state_.startupFlag != 0) hotKey_->SetEnabled(enabled);
}

void LauncherApp::UnloadAuxiliaryWindows() {
    folderListControl_.Destroy();
    strip_.Destroy();
    splash_->Unload();
    tray_->Unload();
}

void LauncherApp::KeepWindowOnScreen() {
    if (settings_.WindowShade != 0 || window_.IsMinimised()) return;
    const RescueGrip grip{kGripWidthPx * screen_.TwipsPerPixelX(), kGripHeightPx * screen_.TwipsPerPixelY()};
    const std::optional<Placement> moved = RescuePlacement(window_.CurrentPlacement(), MonitorWorkAreas(screen_), grip);
    if (!moved) return;
    window_.SetWidth(moved->width);
    window_.SetHeight(moved->height);
    window_.SetLeft(moved->left);
    window_.SetTop(moved->top);
}

}  // namespace corvella
