#pragma once
// The running launcher: its state, the ports wired to the real platform and
// the windows, from the start procedure to the end of the message loop.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "dialogs/EdgeStripWindow_win.h"
#include "dialogs/SplashWindow_win.h"
#include "dialogs/TrayIcon.h"
#include "dialogs/TrayWindow_win.h"
#include "external/HotKeyReceiver_win.h"
#include "launch/DropHandlers.h"
#include "launch/FolderListFallback.h"
#include "launch/LaunchItem.h"
#include "launch/Shell_win.h"
#include "launch/ShortcutReader_win.h"
#include "launch/EjectDrives.h"
#include "launch/SystemActions.h"
#include "launch/SystemPorts_win.h"
#include "mainwindow/ArrangeWindow.h"
#include "mainwindow/ContextMenus.h"
#include "mainwindow/FolderListHost_win.h"
#include "mainwindow/Interaction.h"
#include "mainwindow/LayoutCommands.h"
#include "mainwindow/MainWindowControls_win.h"
#include "mainwindow/MainWindowEvents_win.h"
#include "mainwindow/MainWindow_win.h"
#include "mainwindow/WindowShade.h"
#include "model/IconStore_win.h"
#include "model/Model.h"
#include "platform/Clock_win.h"
#include "platform/Desktop_win.h"
#include "platform/Dialogs_win.h"
#include "platform/FileStreams_win.h"
#include "platform/IniFileProfile.h"
#include "platform/SettingsStore_win.h"
#include "settings/SaveFailure.h"
#include "settings/Settings.h"
#include "settings/SoundCues.h"
#include "settings/Startup.h"
#include "settings/Startup_win.h"

namespace corvella {

class LauncherApp final : private StartupLinks {
public:
    explicit LauncherApp(const std::string& programFolder);
    ~LauncherApp() override;

    // Runs the launcher; the process's exit code.
    int Run(HINSTANCE instance);

    // The main window's shade request for other windows: as a click on its
    // background.
    void RequestShade();

private:
    bool CreateMainWindow(HINSTANCE instance);
    StartupDeps Deps();
    SettingsDeps SettingsDepsNow();
    void CreateModel();
    void OnHotKeyPressed();
    int MessageLoop();
    // Registers the launcher's own components that are missing, once.
    void CheckOwnComponents();

    // What the start-up and shut-down ask of the main window's controls.
    void RemoveButtonsFromTabOrder() override;
    void FocusCurrentTab() override;
    void StopTimers() override;
    void SetAllSectionStyles(int16_t style) override;
    void ShowCurrentSection(bool paint) override;
    void ArrangeWindow() override;
    void OnResize();
    void OnScroll(int code, int thumb);
    LayoutCommandDeps LayoutCommands();

    // The main window's interaction: its handlers, the menus' commands and
    // the launch of an item (LauncherInteraction_win.cpp).
    void CreateInteraction();
    void ShowContextMenu(ContextMenuName menu);
    MenuCommandDeps MenuCommands();
    void Launch(int record);
    LaunchDeps LaunchDepsNow();

    // The shade, title clock, tray icon, edge strip and welcome window
    // (LauncherShade_win.cpp).
    void CreateAuxiliaryWindows(HINSTANCE instance);
    ShadeDeps ShadeDepsNow(WindowStatePort& windowState);
    void ToggleShade() override;
    void LoadTray() override;
    void LoadSplash() override;
    void UnloadSplash() override;
    void UnloadAuxiliaryWindows() override;
    void KeepWindowOnScreen() override;
    void LoadTrayWindow(bool load);
    void HideToTray();
    void OnTrayIconMessage(int mouseMessage);
    void OnStripClicked();
    void OnTitleClockTick();
    void ShowAbout();
    void SetHotKeyEnabled(bool enabled);

    // The appearance dialogs and the looks they apply (LauncherDialogs_win.cpp).
    void ShowThemeDialog();
    void ShowButtonSizesDialog();
    void ApplyLooksNow();
    void WithHotKeyResting(const std::function<void()>& showDialog);

    // The drive list, the eject button, the three system commands and the
    // Options dialog (LauncherSystem_win.cpp).
    void CreateSystemActions();
    void BuildEjectDriveList() override;
    EjectDeps EjectDepsNow();
    void RunSystem(SystemCommand command);
    void ShowOptionsDialog();

    // Files dropped from the shell (LauncherDrops_win.cpp).
    void CreateDrops();
    DropDeps DropDepsNow();

    static constexpr UINT_PTR kIconTimer = 3;
    static constexpr UINT_PTR kFolderListTimer = 4;
    static constexpr int kIconsPerTick = 4;

    Settings settings_;
    StartupState state_;
    WinSettingsStore settingsFile_;
    IniFileProfile profile_;
    WinSoundPlayer sound_;
    WinEventLoop events_;
    WinScreen screen_;
    NoHotKeyReceiver noHotKey_;
    std::unique_ptr<HotKeyReceiver> hotKey_;
    SectionTable sections_;
    ButtonTable buttons_;
    std::unique_ptr<WinIconStore> icons_;
    std::unique_ptr<Model> model_;
    LayoutState layout_;
    InteractionState interaction_;
    std::unique_ptr<MainWindowInteraction> handlers_;
    MainWindowEvents controlEvents_;
    LaunchState launch_;
    WinShell shell_;
    WinShortcutReader shortcuts_;
    NoFolderList folderList_;
    FolderListHost folderListControl_;
    CuePlayer cues_;
    MainWindow window_;
    MainWindowControls controls_;
    WinStartupPlatform platform_;
    WinDialogs dialogs_;
    SaveFailureNotice saveFailure_{dialogs_};
    WinFileSystem files_;
    WinFileStreams fileStreams_;
    std::string programFolder_;
    HINSTANCE instance_ = nullptr;
    bool largeFonts_ = false;
    bool oleStarted_ = false;
    bool componentsChecked_ = false;
    EdgeStripWindow strip_{screen_};
    std::unique_ptr<TrayWindow> tray_;
    TrayClickHandler trayClicks_;
    std::unique_ptr<SplashWindow> splash_;
    WinClock clock_;
    int16_t gTitlePhase_ = 0;
    WinDrives drives_;
    WinStopwatch stopwatch_;
    WinSession session_;
    std::unique_ptr<WinEjectLibrary> ejectLibrary_;
    EjectDriveState ejectDrives_;
};

}  // namespace corvella
