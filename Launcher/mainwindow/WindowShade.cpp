#include "WindowShade.h"

namespace corvella {

namespace {

constexpr int32_t kCoarseStep = 1500;
constexpr int32_t kFineStep = 20;
// What stays on the screen of a window slid to a side edge.
constexpr int32_t kSideMargin = 50;
constexpr int32_t kFineStart = 75;
// The side strip: 100 twips wide, 15 of them on the screen.
constexpr int32_t kStripWidth = 100;
constexpr int32_t kStripVisible = 15;
// The top bar: 10 pixels high, one row of them on the screen.
constexpr int kBarHeightPx = 10;

class Animation {
public:
    explicit Animation(const ShadeDeps& deps) : d_(deps) {}

    // Every position from `from` towards `to` (inclusive when reached) by
    // `step`, as a counted loop walks it.
    void Top(int32_t from, int32_t to, int32_t step) const { Walk(from, to, step, true); }
    void Left(int32_t from, int32_t to, int32_t step) const { Walk(from, to, step, false); }

private:
    void Walk(int32_t from, int32_t to, int32_t step, bool top) const {
        for (int32_t at = from; step > 0 ? at <= to : at >= to; at += step) {
            if (top)
                d_.window.SetTop(at);
            else
                d_.window.SetLeft(at);
            d_.events.LetPendingEventsRun();
            d_.events.SleepMs(1);
        }
    }

    const ShadeDeps& d_;
};

void SetBottomBarEnabled(const ShadeDeps& d, bool enabled) {
    d.controls.SetEnabled({ControlName::MinBut, 0}, enabled);
    d.controls.SetEnabled({ControlName::reOrgBut, 0}, enabled);
}

void Unminimise(const ShadeDeps& d) {
    Settings& s = d.settings;
    d.cues.Play(Cue::Shade);
    d.setBusy(true);
    d.windowState.RestoreNormal();
    d.events.LetPendingEventsRun();
    d.windowState.Show();
    d.events.LetPendingEventsRun();
    d.windowState.MakeVisible();
    d.events.LetPendingEventsRun();
    s.WindowShade = 0;
    if (d.loadTray) d.loadTray(s.EnableTrayIcon != 0);
    d.setBusy(false);
}

void Minimise(const ShadeDeps& d) {
    d.cues.Play(Cue::Shade);
    d.setBusy(true);
    d.settings.WindowShade = 1;
    d.windowState.Minimise();
    d.events.LetPendingEventsRun();
    d.setBusy(false);
}

void RollUp(const ShadeDeps& d, const Animation& move) {
    const Placement p = d.window.CurrentPlacement();
    d.cues.Play(Cue::Shade);
    move.Top(p.top, -p.height, -kCoarseStep);
    d.window.SetTop(-p.height);
    d.settings.WindowShade = 1;
    SetBottomBarEnabled(d, false);
    const int tpp = d.screen.TwipsPerPixelY();
    d.strip.ShowAt({0, -(kBarHeightPx - 1) * tpp, d.screen.WidthTwips(), kBarHeightPx * tpp});
}

void RollDown(const ShadeDeps& d, const Animation& move) {
    const Placement p = d.window.CurrentPlacement();
    d.cues.Play(Cue::Shade);
    d.window.SetTopMost(true);
    move.Top(p.top, -kSideMargin, kCoarseStep);
    move.Top(-kSideMargin, 0, kFineStep);
    d.window.SetTop(0);
    d.settings.WindowShade = 0;
    d.window.SetTopMost(d.settings.EnableOnTop != 0);
    SetBottomBarEnabled(d, true);
}

void SlideAway(const ShadeDeps& d, const Animation& move) {
    const Placement p = d.window.CurrentPlacement();
    const int32_t screenWidth = d.screen.WidthTwips();
    const bool toLeft = p.left < screenWidth / 2.0;
    d.cues.Play(Cue::Shade);
    if (toLeft) {
        move.Left(p.left, -(p.width - kSideMargin), -kCoarseStep);
        move.Left(-(p.width - kFineStart), -(p.width - kSideMargin), -kFineStep);
        // The fine steps stop short of the margin; the window ends on it.
        d.window.SetLeft(-(p.width - kSideMargin));
    } else {
        move.Left(p.left, screenWidth - kSideMargin, kCoarseStep);
        move.Left(screenWidth - kFineStart, screenWidth - kSideMargin, kFineStep);
        d.window.SetLeft(screenWidth - kSideMargin);
    }
    d.settings.WindowShade = 1;
    const int32_t stripLeft = toLeft ? kStripVisible - kStripWidth : screenWidth - kStripVisible;
    d.strip.ShowAt({stripLeft, 0, kStripWidth, d.screen.HeightTwips()});
}

void SlideBack(const ShadeDeps& d, const Animation& move) {
    const Placement p = d.window.CurrentPlacement();
    const int32_t screenWidth = d.screen.WidthTwips();
    d.cues.Play(Cue::Shade);
    d.window.SetTopMost(true);
    d.strip.Hide();
    if (p.left < 1) {
        move.Left(-p.width, -kSideMargin, kCoarseStep);
        move.Left(-kSideMargin, 1, kFineStep);
        // The fine steps stop short of the edge; the window ends flush with it.
        d.window.SetLeft(0);
    } else {
        move.Left(screenWidth, screenWidth - p.width + kSideMargin, -kCoarseStep);
        move.Left(screenWidth - p.width + kSideMargin, screenWidth - p.width, -kFineStep);
        d.window.SetLeft(screenWidth - p.width);
    }
    d.settings.WindowShade = 0;
    d.window.SetTopMost(d.settings.EnableOnTop != 0);
    d.arrangeWindow();
}

}  // namespace

void SetTopMost(MainWindowPort& window, bool onTop) { window.SetTopMost(onTop); }

void ToggleShade(const ShadeDeps& d) {
    if (d.busy()) return;
    Settings& s = d.settings;
    d.strip.Hide();
    if (d.window.IsMinimised() || !d.windowState.IsVisible()) return Unminimise(d);
    const auto mode = static_cast<ShadeMode>(s.WindowShadeMode);
    const bool shaded = s.WindowShade != 0;
    if (!shaded && mode == ShadeMode::Minimise) return Minimise(d);

    d.setBusy(true);
    d.arrangeWindow();
    const Animation move(d);
    if (mode == ShadeMode::TopOfScreen)
        shaded ? RollDown(d, move) : RollUp(d, move);
    else if (mode == ShadeMode::SideOfScreen)
        shaded ? SlideBack(d, move) : SlideAway(d, move);
    else if (shaded)
        // Minimised, then restored by other means (the task bar), or a mode
        // changed while shaded: the window is on show, so it counts as back.
        s.WindowShade = 0;
    d.setBusy(false);
}

void RequestShade(const ShadeDeps& d) {
    if (d.busy()) return;
    if (d.settings.WindowShade == 0) d.cues.Play(Cue::Shade);
    ToggleShade(d);
}

}  // namespace corvella
