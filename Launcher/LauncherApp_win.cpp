#include "LauncherApp_win.h"

#include <ole2.h>

#include <algorithm>

#include "external/OwnComponents_win.h"
#include "mainwindow/HotKeyHandler.h"
#include "mainwindow/MainWindowLoad.h"
#include "model/IconFileDialog_win.h"
#include "model/IconPrefetch_win.h"
#include "settings/StartupTrace_win.h"

namespace corvella {

LauncherApp::LauncherApp(const std::string& programFolder)
    : settingsFile_(programFolder + "\\Corvella.ini"),
      profile_(settingsFile_),
      shell_([this] { return window_.Handle(); }),
      cues_(sound_, programFolder, settings_.EnableSound),
      window_(screen_),
      controls_(screen_),
      platform_(MainWindow::kClassName),
      programFolder_(programFolder) {
    profile_.onSaveFailed = [this](const std::string& folder) { saveFailure_.Report(folder); };
}

LauncherApp::~LauncherApp() = default;

bool LauncherApp::CreateMainWindow(HINSTANCE instance) {
    if (!window_.Create(instance, kTitleText)) return false;
    MarkStartup("main window created");
    // Before the controls, so that they register no drop targets of their own.
    threed::RegisterWindowFileDrop(window_.Handle(), &controlEvents_);
    if (!controls_.Create(window_.Handle(), instance, &controlEvents_)) return false;
    MarkStartup("main window and its controls created");
    OnMainWindowLoad(controls_);
    CreateModel();
    CreateInteraction();
    CreateDrops();
    hotKey_ = std::make_unique<HotKeyReceiver>(window_.Handle());
    hotKey_->onHotKey = [this] { OnHotKeyPressed(); };
    CreateAuxiliaryWindows(instance);
    CreateSystemActions();
    MarkStartup("model, drops, hot key and auxiliary windows made");
    // Without a registered control the launcher opens items through the shell.
    // The control comes when the window is up (kFolderListTimer) or at its
    // first use, whichever is first.
    folderListControl_.CreateLater(window_.Handle());
    platform_.SetMainWindow(window_.Handle());
    dialogs_.SetOwner(window_.Handle());
    window_.onCloseRequest = [this] { OnMainWindowCloseRequest(settings_, Deps()); };
    window_.onResize = [this] { OnResize(); };
    window_.onScroll = [this](int code, int thumb) { OnScroll(code, thumb); };
    window_.onControlColour = [this](HWND control) { return controls_.BackgroundBrush(control); };
    controls_.onScrollChange = [this] { OnScrollChange(LayoutCommands()); };
    window_.onActivate = [this] { OnMainWindowActivate(Deps(), model_->CurrentSection()); };
    window_.onClick = [this] { handlers_->OnWindowClick(); };
    window_.onTimer = [this](UINT_PTR timer) {
        if (timer == MainWindowControls::kTimer2) handlers_->OnHoverTimerTick();
        if (timer == MainWindowControls::kTimer1) OnTitleClockTick();
        if (timer == kIconTimer && !model_->FetchWaitingIcons(kIconsPerTick)) KillTimer(window_.Handle(), kIconTimer);
        if (timer == kFolderListTimer) {
            KillTimer(window_.Handle(), kFolderListTimer);
            CheckOwnComponents();
            folderListControl_.CreatePending();
        }
    };
    return true;
}

void LauncherApp::CreateModel() {
    icons_ = std::make_unique<WinIconStore>(controls_.ImageList(0), controls_.ImageList(1));
    controls_.iconIndexOf = [this](const std::string& key) { return icons_->IndexOf(key); };
    icons_->onCleared = [this] { controls_.ForgetPictureSources(); };
    ModelDeps deps{settings_, profile_, dialogs_, controls_, files_, *icons_, programFolder_,
                   [this] { ArrangeWindow(); },
                   [this] { SaveLooksAndSections(settings_, SettingsDepsNow()); },
                   [this] { SaveSwitches(settings_, SettingsDepsNow()); },
                   [this] { return ChooseIconFile(window_.Handle()); },
                   [this] { events_.LetPendingEventsRun(); }};
    model_ = std::make_unique<Model>(sections_, buttons_, std::move(deps));
}

SettingsDeps LauncherApp::SettingsDepsNow() {
    HotKeyReceiverPort& hotKey = hotKey_ ? static_cast<HotKeyReceiverPort&>(*hotKey_) : noHotKey_;
    return {profile_, window_, screen_, events_, cues_, hotKey, *model_, state_.startupFlag};
}

StartupDeps LauncherApp::Deps() { return {SettingsDepsNow(), platform_, *this, dialogs_, files_}; }

void LauncherApp::OnHotKeyPressed() {
    OnHotKey(settings_, model_->busy(),
             HotKeyDeps{window_, events_, *hotKey_, [this] { ToggleShade(); }, [this] { strip_.Hide(); }});
}

void LauncherApp::RemoveButtonsFromTabOrder() { corvella::RemoveButtonsFromTabOrder(controls_); }
void LauncherApp::FocusCurrentTab() { corvella::FocusCurrentTab(controls_, model_->CurrentSection()); }
void LauncherApp::ArrangeWindow() {
    model_->FetchIconsOfSection(sections_.gCurrentSection);
    MarkStartup("layout: icons of the section on show fetched");
    corvella::ArrangeWindow(layout_, LayoutDeps{settings_, sections_, buttons_, window_, controls_, screen_,
                                                events_, largeFonts_, interaction_.gMoveMode});
    MarkStartup("layout done");
}

LayoutCommandDeps LauncherApp::LayoutCommands() {
    return {settings_, sections_, dialogs_, controls_, window_, cues_,
            [this] { SaveSettings(settings_, SettingsDepsNow()); },
            [this] { SaveLooksAndSections(settings_, SettingsDepsNow()); },
            [this] { model_->LoadButtons(); },
            [this] { ArrangeWindow(); },
            [this] { FocusCurrentTab(); },
            [this] { HideToTray(); }};
}

// The window changed size (once the start procedure has loaded the tables).
void LauncherApp::OnResize() {
    if (state_.startupFlag == 0 || !model_) return;
    OnMainWindowResize(IsWindowVisible(window_.Handle()) != FALSE, LayoutCommands());
}

void LauncherApp::OnScroll(int code, int thumb) {
    const ControlRef bar{ControlName::HScroll1};
    HWND scroll = controls_.Handle(bar);
    int minimum = 0, maximum = 0;
    GetScrollRange(scroll, SB_CTL, &minimum, &maximum);
    int value = controls_.ScrollValue(bar);
    switch (code) {
        case SB_LINELEFT: case SB_PAGELEFT: --value; break;
        case SB_LINERIGHT: case SB_PAGERIGHT: ++value; break;
        case SB_THUMBPOSITION: case SB_THUMBTRACK: value = thumb; break;
        case SB_LEFT: value = minimum; break;
        case SB_RIGHT: value = maximum; break;
        default: return;
    }
    // A new position raises the scroll bar's change event.
    controls_.SetScrollValue(bar, std::clamp(value, minimum, maximum));
}

void LauncherApp::SetAllSectionStyles(int16_t style) {
    model_->SetAllSectionStyles(style);
    MarkStartup("section styles set; the settings load next");
}

void LauncherApp::ShowCurrentSection(bool paint) {
    MarkStartup("current section shown");
    model_->ShowCurrentSection(paint);
}

// Asking OLE for the control's and the shortcut reader's classes loads both
// libraries, which costs more than the window's first paint; nothing needs
// them before the first launch, so the check waits for idle time or that
// launch, whichever comes first.
void LauncherApp::CheckOwnComponents() {
    if (componentsChecked_ || !oleStarted_) return;
    componentsChecked_ = true;
    RegisterMissingComponents(programFolder_);
}

void LauncherApp::StopTimers() { StopMainWindowTimers(controls_); }

int LauncherApp::Run(HINSTANCE instance) {
    // OLE drag and drop brings the shell's file drags to the controls.
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    oleStarted_ = ole;
    MarkStartup("OLE started");
    int code = 1;
    if (CreateMainWindow(instance)) {
        // Once the controls are made: started before, its look-ups slowed
        // their making by about as much as they saved.
        IconPrefetch iconPrefetch(settingsFile_.Path(), programFolder_);
        code = 0;
        if (RunStartProcedure(state_, settings_, Deps())) {
            MarkStartup("start procedure done");
            // The icons of the sections not on show, a few at a time: timer
            // messages come only when no other message waits.
            SetTimer(window_.Handle(), kIconTimer, 1, nullptr);
            SetTimer(window_.Handle(), kFolderListTimer, 1, nullptr);
            code = MessageLoop();
        }
    }
    folderListControl_.Destroy();
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
