// Instruction counts of the layout, read with callgrind (tools/bench.sh):
// ArrangeWindow over 20 sections with 50 buttons in the current one, against
// a baseline that only gives each of the window's controls a place and its
// visibility once through the same in-memory controls. Both run kRounds
// times; the ratio of their inclusive counts is the figure to watch.
#include <cstdio>

#include "fakes/FakePorts.h"
#include "fakes/FakeWindowControls.h"
#include "mainwindow/ArrangeWindow.h"

namespace {

using namespace corvella;

constexpr int kRounds = 100;

struct Window {
    Window() {
        window.placement = {1500, 0, 6000, 12000};
        sections.gSectionCount = 20;
        sections.gCurrentSection = 1;
        for (int i = 1; i <= 20; ++i) {
            sections.gSectionName[static_cast<size_t>(i)] = "Section " + std::to_string(i);
            sections.gSectionSize[static_cast<size_t>(i)] = -1;
        }
        for (int k = 0; k < 50; ++k)
            buttons.Append({"C:\\Program" + std::to_string(k) + ".exe", 1, "tip", "Button " + std::to_string(k), ""});
        controls.SetGeometry({ControlName::HScroll1}, {0, 0, 1500, 255});
        controls.SetGeometry({ControlName::oButton}, {0, 0, 900, 360});
        controls.SetGeometry({ControlName::MinBut}, {0, 0, 555, 210});
        controls.SetGeometry({ControlName::message}, {0, 0, 1800, 600});
    }
    testing::CallLog log;
    Settings settings;
    SectionTable sections;
    ButtonTable buttons;
    testing::FakeWindow window{log};
    testing::FakeWindowControls controls;
    testing::FakeScreen screen{1280, 1024, 15};
    testing::FakeEventLoop events{log};
    LayoutState state;
};

__attribute__((noinline)) void ArrangeRounds(Window& w) {
    for (int r = 0; r < kRounds; ++r) {
        ArrangeWindow(w.state, LayoutDeps{w.settings, w.sections, w.buttons, w.window, w.controls, w.screen,
                                          w.events, false, false});
        w.log.clear();
    }
}

__attribute__((noinline)) void BaselineRounds(Window& w) {
    for (int r = 0; r < kRounds; ++r) {
        for (int i = 0; i < kSectionTabs; ++i) {
            w.controls.SetGeometry({ControlName::sectionButton, i}, {i * 10, 60, 1200, 400});
            w.controls.SetVisible({ControlName::sectionButton, i}, true);
        }
        for (int s = 0; s < kLaunchButtons; ++s) {
            w.controls.SetGeometry({ControlName::buttonObj, s}, {s * 10, 3000, 600, 600});
            w.controls.SetVisible({ControlName::buttonObj, s}, s < 50);
        }
    }
}

}  // namespace

int main() {
    Window arranged, baseline;
    ArrangeRounds(arranged);
    BaselineRounds(baseline);
    int shown = 0;
    for (int s = 0; s < kLaunchButtons; ++s) shown += arranged.controls.Find({ControlName::buttonObj, s})->visible;
    std::printf("%d rounds; %d buttons on view after the layout\n", kRounds, shown);
    return shown > 0 ? 0 : 1;
}
