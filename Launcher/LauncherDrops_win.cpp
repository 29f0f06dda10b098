// Files dropped from the shell onto the running launcher's main window: the
// window's one drop target hands each drop to the core's handlers.
#include "LauncherApp_win.h"

namespace corvella {

void LauncherApp::CreateDrops() {
    controlEvents_.onDrop = [this](std::optional<ControlRef> on, DroppedData& data) {
        RouteDrop(on, data, DropDepsNow());
    };
    controlEvents_.onDragOver = [this](std::optional<ControlRef> over) { RouteDragOver(over, DropDepsNow()); };
}

DropDeps LauncherApp::DropDepsNow() {
    return {settings_, sections_, buttons_, *model_, launch_, controls_, dialogs_, events_,
            AddButtonDeps{profile_, shell_, fileStreams_, dialogs_, programFolder_},
            [this] { ArrangeWindow(); },
            [this] { FocusCurrentTab(); },
            [this] { SetFocus(window_.Handle()); },
            [this](int record, const std::string& documents) {
                if (buttons_.Valid(record))
                    LaunchItem(launch_, buttons_.gButtonTarget[static_cast<size_t>(record)], documents, LaunchDepsNow());
            },
            [this] { handlers_->ReturnHome(); },
            [this](int tab) { handlers_->OnFilesOverTab(tab); }};
}

}  // namespace corvella
