// The appearance dialogs opened from the options menu, and the looks they
// give the main window.
#include "LauncherApp_win.h"
#include "dialogs/ButtonSizesDialog_win.h"
#include "dialogs/Looks.h"
#include "dialogs/ThemeDialog_win.h"

namespace corvella {

void LauncherApp::ApplyLooksNow() {
    ApplyLooks(LooksDeps{settings_, sections_, controls_, window_, [this](bool paint) { ShowCurrentSection(paint); }});
}

// The hot key would bring the main window up over a modal dialog: it rests
// while one is open.
void LauncherApp::WithHotKeyResting(const std::function<void()>& showDialog) {
    if (hotKey_) hotKey_->SetEnabled(false);
    showDialog();
    if (hotKey_) hotKey_->SetEnabled(true);
}

void LauncherApp::ShowThemeDialog() {
    auto deps = [this](ThemeView& view) {
        return ThemeDeps{settings_, sections_, view, dialogs_, state_.fontList,
                         [this](int index) { return controls_.Caption({ControlName::sectionButton, index}); },
                         [this] { SaveLooksAndSections(settings_, SettingsDepsNow()); },
                         [this] { ArrangeWindow(); },
                         [this](bool paint) { ShowCurrentSection(paint); },
                         [this] { ApplyLooksNow(); }};
    };
    ThemeDialogWindow dialog(deps, screen_, programFolder_);
    WithHotKeyResting([&] { dialog.Show(window_.Handle()); });
}

void LauncherApp::ShowButtonSizesDialog() {
    auto deps = [this](ButtonSizesView& view) {
        return ButtonSizesDeps{settings_, view, screen_, programFolder_,
                               [this] { SaveButtonSizes(settings_, SettingsDepsNow()); },
                               [this] { model_->LoadButtons(); },
                               [this] { ArrangeWindow(); }};
    };
    ButtonSizesDialogWindow dialog(deps);
    WithHotKeyResting([&] { dialog.Show(window_.Handle()); });
}

}  // namespace corvella
