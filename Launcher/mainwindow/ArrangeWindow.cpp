#include "ArrangeWindow.h"

#include <algorithm>
#include <cmath>

#include "../settings/Startup.h"
#include "MainWindowLoad.h"

namespace corvella {

double CeilHalf(double x) { return std::fabs(std::floor(-x / 2)); }
double Half(double x) { return std::fabs(std::floor(x / 2)); }

void SetWindowTitle(MainWindowPort& window, bool shown) { window.SetTitle(shown ? kTitleText : ""); }

namespace {

constexpr int kGap = 50;  // between buttons, both ways, whatever the screen
// The bottom bar's drive button and move switch keep the size they have at
// 96 dpi (37 x 14 px) in twips: their captions' font grows with the screen's
// resolution, and 14 real pixels no longer hold it at 144 dpi.
constexpr int32_t kBarButtonPixels = 14;
constexpr int32_t kBarButtonWidth = 37 * 15, kBarButtonHeight = kBarButtonPixels * 15;
constexpr int kThreeDButtonStyle = 51, kTextEffect = 9, kPicturePosition = 40, kCaptionPosition = 7;

ControlRef Single(ControlName n) { return {n, 0}; }

// One arrangement: the inputs, the lengths worked out so far, and the steps.
class Arrangement {
public:
    Arrangement(LayoutState& state, const LayoutDeps& d)
        : st_(state), d_(d), c_(d.controls), px_(d.screen.TwipsPerPixelX()), py_(d.screen.TwipsPerPixelY()) {}

    void Run() {
        ArrangeTitle();
        if (d_.window.IsMinimised()) return;
        style_ = d_.sections.StyleCode(d_.sections.gCurrentSection);
        d_.events.LetPendingEventsRun();
        const ControlRef tab{ControlName::sectionButton, d_.sections.gCurrentSection - 1};
        c_.SetTabIndex(tab, 0);
        c_.Focus(tab);
        ParkAuxiliaryControls();
        BringBackOntoTheScreen();
        if (d_.settings.WindowShade == 1 || d_.sections.gSectionCount == 0) return;
        ArrangeTabs();
        ArrangeButtonArea();
        PlaceButtons();
        ArrangeBottomBar();
        Placement w = d_.window.CurrentPlacement();
        if (w.top < 0 && d_.settings.WindowShade == 0) d_.window.SetTop(0);
        RestoreTabOrder();
        ShowButtonsThatFit();
    }

private:
    ControlGeometry Get(ControlRef c) const { return c_.Geometry(c).value_or(ControlGeometry{}); }
    void SetLeft(ControlRef c, int32_t v) { auto g = Get(c); g.left = v; c_.SetGeometry(c, g); }
    void SetTop(ControlRef c, int32_t v) { auto g = Get(c); g.top = v; c_.SetGeometry(c, g); }

    void ArrangeTitle() {
        const bool titled = !d_.window.Title().empty();
        if (d_.settings.gCaption == 1 && !titled) SetWindowTitle(d_.window, true);
        if (d_.settings.gCaption == 0 && titled) SetWindowTitle(d_.window, false);
    }

    // The layout leaves room for a frame and title bar of 96-dpi size (27 px
    // high with the title shown, 8 without; 8 px wide); at higher
    // resolutions they grow by more than their pixels' share, so the room
    // they take beyond that comes off the size the layout works with,
    // keeping the bottom bar and the captions at the right edge in view.
    static int32_t FrameExcess(int32_t measured, int32_t allowance) {
        return measured < 0 ? 0 : std::max<int32_t>(0, measured - allowance);
    }
    int32_t FrameExcessHigh() const {
        return FrameExcess(d_.window.FrameHeight(), (d_.settings.gCaption ? 27 : 8) * py_);
    }
    int32_t FrameExcessWide() const { return FrameExcess(d_.window.FrameWidth(), 8 * px_); }

    void ParkAuxiliaryControls() {
        for (ControlName n : {ControlName::hider, ControlName::tempbutton, ControlName::tempbutton2})
            SetLeft(Single(n), -2 * Get(Single(n)).width);
    }

    void BringBackOntoTheScreen() {
        Placement w = d_.window.CurrentPlacement();
        if (w.left > d_.screen.WidthTwips()) {
            d_.window.SetLeft(d_.screen.WidthTwips() - w.width - 100);
            d_.window.SetTop(100);
        }
    }

    void ArrangeTabs() {
        const Placement w = d_.window.CurrentPlacement();
        W_ = w.width - FrameExcessWide();
        H_ = w.height - FrameExcessHigh();
        const int count = d_.sections.gSectionCount;
        st_.TabsPerRow = 1;
        bg_ = Get(Single(ControlName::buttonBG));
        bg_.width = W_ - 12 * px_;
        bg_.left = 2 * px_;
        c_.SetGeometry(Single(ControlName::buttonBG), bg_);
        if (220 * px_ <= bg_.width) {
            int perRow = static_cast<int>(std::floor(static_cast<double>(W_ - 4 * px_) / (110 * px_)));
            st_.TabsPerRow = static_cast<int16_t>(std::clamp(perRow, 1, count));
            double width = std::nearbyint(static_cast<double>(W_ - 12 * px_ - (st_.TabsPerRow - 1) * 3 * px_) / st_.TabsPerRow);
            st_.TabWidth = static_cast<int32_t>(std::nearbyint(width / px_) * px_);
        }
        const ControlGeometry options = Get(Single(ControlName::oButton));
        SetTop(Single(ControlName::oButton), H_ - options.height - 8 * py_ - (d_.settings.gCaption ? 19 * py_ : 0));
        SetLeft(Single(ControlName::oButton), static_cast<int32_t>(CeilHalf(W_ - options.width)) - 3 * px_);
        if (st_.TabsPerRow == 1)
            StackTabs(count);
        else
            GridTabs(count);
    }

    void StyleTab(ControlRef tab, int section) {
        c_.SetThreeDProperty(tab, kThreeDButtonStyle, d_.settings.gSectionStyle);
        c_.SetThreeDProperty(tab, kTextEffect, d_.settings.gSection3D ? 3 : 0);
        c_.SetCaption(tab, d_.sections.gSectionName[static_cast<size_t>(section)]);
        c_.SetVisible(tab, true);
    }

    void StackTabs(int count) {
        for (int i = 1; i <= count; ++i) {
            const ControlRef tab{ControlName::sectionButton, i - 1};
            c_.SetGeometry(tab, {2 * px_, (i - 1) * 400 + i * 60, W_ - 12 * px_, 400});
            StyleTab(tab, i);
        }
    }

    void GridTabs(int count) {
        const int perRow = st_.TabsPerRow;
        const int rows = (count + perRow - 1) / perRow;
        const int32_t height = static_cast<int32_t>(std::floor(375.0 / py_) * py_);
        for (int r = 1, n = 1; r <= rows && n <= count; ++r) {
            for (int col = 1; col <= perRow && n <= count; ++col, ++n) {
                const ControlRef tab{ControlName::sectionButton, n - 1};
                c_.SetGeometry(tab, {bg_.left + (col - 1) * st_.TabWidth + (col - 1) * 3 * px_,
                                     5 * py_ + (r - 1) * (height + 3 * py_), st_.TabWidth, height});
                StyleTab(tab, n);
            }
        }
    }

    void ArrangeButtonArea() {
        const ControlGeometry last = Get({ControlName::sectionButton, d_.sections.gSectionCount - 1});
        bg_.top = last.top + last.height + 7 * py_;
        bg_.height = H_ - (last.top + last.height) - (d_.largeFonts ? 42 : 35) * py_ -
                     (d_.settings.gCaption ? 12 * py_ : -8 * py_) - BarGrowth();
        c_.SetGeometry(Single(ControlName::buttonBG), bg_);
        const Settings& s = d_.settings;
        const int16_t heights[] = {s.b1h, s.b2h, s.b3h, s.b4h};
        btnH_ = heights[std::clamp<int>(style_, 0, 3)] * py_;
        switch (style_) {
            case 0: btnW_ = s.b1w * px_; break;
            case 1: btnW_ = s.b2w * px_; break;
            case 2: btnW_ = bg_.width - 2 * px_; break;
            default: btnW_ = s.b4w * px_; break;
        }
        const int32_t scrollHeight = Get(Single(ControlName::HScroll1)).height;
        // A hand-edited size can make a step nil or negative: such a grid
        // has one column or row, not a count that never ends.
        cols_ = 0;
        if (btnW_ + kGap > 0)
            for (int32_t x = btnW_; x < bg_.width; x += btnW_ + kGap) ++cols_;
        rows_ = 0;
        if (btnH_ + kGap > 0)
            for (int32_t y = btnH_; y + (s.gCaption ? 0 : 19 * py_) < bg_.height - scrollHeight + kGap;
                 y += btnH_ + kGap)
                ++rows_;
        cols_ = std::max(cols_, 1);
        rows_ = std::max(rows_, 1);
        ArrangeScrollBar(scrollHeight);
    }

    void ArrangeScrollBar(int32_t scrollHeight) {
        const ButtonTable& b = d_.buttons;
        count_ = static_cast<int>(std::count(b.gButtonSection.begin(), b.gButtonSection.end(), d_.sections.gCurrentSection));
        const int capacity = cols_ * rows_;
        const ControlRef scroll = Single(ControlName::HScroll1);
        offset_ = 0;
        if (count_ > capacity) {
            c_.SetGeometry(scroll, {bg_.left, bg_.top + bg_.height - scrollHeight + (d_.largeFonts ? 2 * py_ : 0),
                                    bg_.width, scrollHeight});
            c_.SetScrollRange(scroll, 0, (count_ + capacity - 1) / capacity - 1);
            offset_ = -(c_.ScrollValue(scroll) * cols_ * (btnW_ + kGap));
        }
        bool visible = count_ > capacity && bg_.width >= btnW_ && bg_.height >= btnH_;
        c_.SetVisible(scroll, visible);
        if (!visible) c_.SetScrollValue(scroll, 0);
        if (count_ < cols_) cols_ = count_;
        leftStart_ = bg_.left + static_cast<int32_t>(CeilHalf(bg_.width - (cols_ * btnW_ + (cols_ - 1) * kGap)));
    }

    void StyleButton(ControlRef button, int k) {
        const Settings& s = d_.settings;
        const ButtonTable& b = d_.buttons;
        const int current = d_.sections.gCurrentSection;
        c_.SetThreeDProperty(button, kThreeDButtonStyle, s.gActiveButtons[static_cast<size_t>(style_)]);
        c_.SetThreeDProperty(button, kTextEffect, s.gButton3D ? 3 : 0);
        c_.SetBackColor(button, d_.sections.gSectionColor[static_cast<size_t>(current)]);
        c_.SetForeColor(button, d_.sections.gSectionFGColor[static_cast<size_t>(current)]);
        c_.SetCaption(button, style_ == 0 ? std::string() : b.gButtonText[static_cast<size_t>(k)]);
        switch (style_) {
            case 0: c_.SetThreeDProperty(button, kPicturePosition, s.b1pp); break;
            case 1:
                c_.SetThreeDProperty(button, kCaptionPosition, s.b2cp);
                c_.SetThreeDProperty(button, kPicturePosition, s.b2pp);
                break;
            case 2:
                c_.SetThreeDProperty(button, kCaptionPosition, s.b3cp);
                c_.SetThreeDProperty(button, kPicturePosition, s.b3pp);
                break;
            default: break;
        }
        c_.SetToolTip(button, b.gButtonTooltip[static_cast<size_t>(k)]);
        if (style_ <= 2) {
            c_.SetPicture(button, s.IconSize[static_cast<size_t>(style_)] ? 1 : 0, "I" + std::to_string(k));
        } else {
            c_.ClearPicture(button);
            c_.SetThreeDProperty(button, kCaptionPosition, s.b4cp);
        }
    }

    // Walks the current section's records into the slots, page after page
    // side by side, each page filled row by row.
    void PlaceButtons() {
        ButtonTable& b = d_.buttons;
        int x = 0, y = 0, base = 0;
        slots_ = 0;
        for (int k = 0; k < b.gButtonCount && slots_ < kButtonSlots; ++k) {
            if (b.gButtonSection[static_cast<size_t>(k)] != d_.sections.gCurrentSection) continue;
            const ControlRef button{ControlName::buttonObj, slots_};
            b.gSlotButton[static_cast<size_t>(slots_)] = static_cast<int16_t>(k);
            StyleButton(button, k);
            c_.SetGeometry(button, {leftStart_ + x * (btnW_ + kGap) + offset_, bg_.top + y * (btnH_ + kGap), btnW_, btnH_});
            if (++x == base + cols_) {
                ++y;
                x = base;
                if (y == rows_) {
                    y = 0;
                    base += cols_;
                    x = base;
                }
            }
            ++slots_;
        }
        for (int s = slots_; s < kButtonSlots; ++s) c_.SetVisible({ControlName::buttonObj, s}, false);
        c_.SetCaption(Single(ControlName::message), count_ == 0 ? "Drop stuff here to make buttons" : "Resize to see your buttons");
    }

    // The bottom bar stands on the window's bottom edge, so its buttons grow
    // upwards beyond their 14 px of 96 dpi as their font grows; the button
    // area ends that much higher, or it would lie over the tops of their
    // captions.
    int32_t BarGrowth() const {
        return std::max<int32_t>(0, Get(Single(ControlName::MinBut)).height - kBarButtonPixels * py_);
    }

    void ArrangeBottomBar() {
        const int32_t top = H_ - Get(Single(ControlName::MinBut)).height - (d_.settings.gCaption ? 27 : 8) * py_;
        const int32_t barTop = top - (d_.largeFonts ? 7 * py_ : 0);
        const int32_t fore = d_.sections.gSectionFGColor[static_cast<size_t>(d_.sections.gCurrentSection)];
        c_.SetGeometry(Single(ControlName::MinBut), {0, barTop, kBarButtonWidth, kBarButtonHeight});
        c_.SetForeColor(Single(ControlName::MinBut), fore);
        c_.SetGeometry(Single(ControlName::reOrgBut),
                       {W_ - kBarButtonWidth - 8 * px_, barTop, kBarButtonWidth, kBarButtonHeight});
        c_.SetForeColor(Single(ControlName::reOrgBut), fore);
        c_.SetCaption(Single(ControlName::reOrgBut), d_.moveMode ? "Move" : "Glued");
    }

    void RestoreTabOrder() {
        for (int i = 0; i < kMaxSections; ++i) c_.SetTabIndex({ControlName::sectionButton, i}, i);
        for (int i = 0; i < kButtonSlots; ++i) {
            c_.SetThreeDProperty({ControlName::buttonObj, i}, kThreeDTabLook, kNormalLook);
            c_.SetTabIndex({ControlName::buttonObj, i}, i + 20);
        }
    }

    void ShowButtonsThatFit() {
        int shown = 0;
        for (int s = 0; s < slots_; ++s) {
            const ControlRef button{ControlName::buttonObj, s};
            const int32_t left = Get(button).left;
            const bool fits = left > 0 && left < bg_.left + bg_.width - btnW_ + px_ && bg_.height >= btnH_;
            c_.SetVisible(button, fits);
            shown += fits ? 1 : 0;
        }
        const ControlRef message = Single(ControlName::message);
        if (shown > 0) {
            c_.SetVisible(message, false);
            return;
        }
        c_.SetVisible(message, true);
        const ControlGeometry m = Get(message);
        const int32_t top = bg_.height < m.height ? bg_.top : bg_.top + static_cast<int32_t>(Half(bg_.height - m.height));
        c_.SetGeometry(message, {static_cast<int32_t>(Half(W_ - m.width)) - 3 * px_, top, m.width, m.height});
    }

    LayoutState& st_;
    const LayoutDeps& d_;
    WindowControls& c_;
    const int px_, py_;
    int16_t style_ = 1;
    int32_t W_ = 0, H_ = 0;
    ControlGeometry bg_;
    int32_t btnW_ = 0, btnH_ = 0, offset_ = 0, leftStart_ = 0;
    int cols_ = 1, rows_ = 1, count_ = 0, slots_ = 0;
};

}  // namespace

void ArrangeWindow(LayoutState& state, const LayoutDeps& deps) { Arrangement(state, deps).Run(); }

}  // namespace corvella
