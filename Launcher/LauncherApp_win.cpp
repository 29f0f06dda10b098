#include "LauncherApp_win.h"

#include <ole2.h>

#include "mainwindow/HotKeyHandler.h"
#include "mainwindow/MainWindowLoad.h"
#include "model/IconFileDialog_win.h"

namespace corvella {

LauncherApp::LauncherApp(const std::string& programFolder)
    : profile_(programFolder + "\\Corvella.ini"),
      cues_(sound_, programFolder, settings_.EnableSound),
      window_(screen_),
      controls_(screen_),
      platform_(MainWindow::kClassName),
      programFolder_(programFolder) {}

LauncherApp::~LauncherApp() = default;

bool LauncherApp::CreateMainWindow(HINSTANCE instance) {
    if (!window_.Create(instance, kTitleText)) return false;
    if (!controls_.Create(window_.Handle(), instance, nullptr)) return false;
    OnMainWindowLoad(controls_);
    CreateModel();
    hotKey_ = std::make_unique<HotKeyReceiver>(window_.Handle());
    hotKey_->onHotKey = [this] { OnHotKeyPressed(); };
    platform_.SetMainWindow(window_.Handle());
    dialogs_.SetOwner(window_.Handle());
    window_.onCloseRequest = [this] { OnMainWindowCloseRequest(settings_, Deps()); };
    window_.onResize = [this] { OnResize(); };
    window_.onActivate = [this] { OnMainWindowActivate(Deps(), model_->CurrentSection()); };
    return true;
}

void LauncherApp::CreateModel() {
    icons_ = std::make_unique<WinIconStore>(controls_.ImageList(0), controls_.ImageList(1));
    controls_.iconIndexOf = [this](const std::string& key) { return icons_->IndexOf(key); };
    ModelDeps deps{settings_, profile_, dialogs_, controls_, files_, *icons_, programFolder_,
                   [this] { ArrangeWindow(); },
                   [this] { SaveLooksAndSections(settings_, SettingsDepsNow()); },
                   [this] { SaveSwitches(settings_, SettingsDepsNow()); },
                   [this] { return ChooseIconFile(window_.Handle()); }};
    model_ = std::make_unique<Model>(sections_, buttons_, std::move(deps));
}

SettingsDeps LauncherApp::SettingsDepsNow() {
    HotKeyReceiverPort& hotKey = hotKey_ ? static_cast<HotKeyReceiverPort&>(*hotKey_) : noHotKey_;
    return {profile_, window_, screen_, events_, cues_, hotKey, *model_, state_.startupFlag};
}

StartupDeps LauncherApp::Deps() { return {SettingsDepsNow(), platform_, *this, dialogs_, files_}; }

void LauncherApp::OnHotKeyPressed() {
    OnHotKey(settings_, false, HotKeyDeps{window_, events_, *hotKey_, {}});
}

void LauncherApp::RemoveButtonsFromTabOrder() { corvella::RemoveButtonsFromTabOrder(controls_); }
void LauncherApp::FocusCurrentTab() { corvella::FocusCurrentTab(controls_, model_->CurrentSection()); }
void LauncherApp::ArrangeWindow() {
    const bool largeFonts = false;  // the large-font screen test arrives with the auxiliary windows
    corvella::ArrangeWindow(layout_, LayoutDeps{settings_, sections_, buttons_, window_, controls_, screen_,
                                                events_, largeFonts, false});
}

// The window changed size: the pages start again at the first, and the
// layout follows the new size (once the start procedure has loaded it).
void LauncherApp::OnResize() {
    if (state_.startupFlag == 0 || !model_) return;
    controls_.SetScrollValue({ControlName::HScroll1}, 0);
    if (IsWindowVisible(window_.Handle()) && !window_.IsMinimised()) ArrangeWindow();
}

void LauncherApp::SetAllSectionStyles(int16_t style) { model_->SetAllSectionStyles(style); }
void LauncherApp::ShowCurrentSection(bool paint) { model_->ShowCurrentSection(paint); }
void LauncherApp::StopTimers() { StopMainWindowTimers(controls_); }

int LauncherApp::Run(HINSTANCE instance) {
    // OLE drag and drop brings the shell's file drags to the controls.
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    int code = 1;
    if (CreateMainWindow(instance)) code = RunStartProcedure(state_, settings_, Deps()) ? MessageLoop() : 0;
    if (ole) OleUninitialize();
    return code;
}

int LauncherApp::MessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window_.Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace corvella
