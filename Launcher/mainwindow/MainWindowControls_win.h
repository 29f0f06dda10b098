#pragma once
// The main window's controls, created once with the window: 20 section tabs,
// 51 launch buttons, the button area, the page scroll bar, the hint panel,
// the bottom bar, the three auxiliary buttons, the two icon lists and the two
// timers. Implements the core's view of them in twips.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "../external/ThreeD_win.h"
#include "../platform/Screen.h"
#include "WindowControls.h"

namespace corvella {

class MainWindowControls final : public WindowControls {
public:
    // Timer identifiers on the main window.
    static constexpr UINT_PTR kTimer1 = 1;  // the title clock, every 3,000 ms
    static constexpr UINT_PTR kTimer2 = 2;  // the spring-loaded tab, every 10 ms

    explicit MainWindowControls(const Screen& screen) : screen_(screen) {}
    ~MainWindowControls() override;

    // Creates every control on `window`; `events` hears from the 3-D ones.
    bool Create(HWND window, HINSTANCE instance, threed::Events* events);

    HWND Handle(ControlRef c) const;
    // The reference of a control from its 3-D control number.
    static std::optional<ControlRef> FromControlId(int controlId);
    static int ControlId(ControlRef c);
    HIMAGELIST ImageList(int index) const { return imageLists_[static_cast<size_t>(index)]; }

    std::optional<ControlGeometry> Geometry(ControlRef c) const override;
    bool SetGeometry(ControlRef c, const ControlGeometry& twips) override;
    bool SetVisible(ControlRef c, bool visible) override;
    bool SetEnabled(ControlRef c, bool enabled) override;
    bool SetCaption(ControlRef c, const std::string& caption) override;
    std::string Caption(ControlRef c) const override;
    bool SetBackColor(ControlRef c, int32_t oleColour) override;
    bool SetForeColor(ControlRef c, int32_t oleColour) override;
    bool SetThreeDProperty(ControlRef c, int dispatchId, int32_t value) override;
    bool SetFont(ControlRef c, const ControlFont& font) override;
    bool SetFontBold(ControlRef c, bool bold) override;
    bool SetToolTip(ControlRef c, const std::string& text) override;
    bool SetTabIndex(ControlRef c, int position) override;
    bool SetTabStop(ControlRef c, bool stop) override;
    bool SetAutomaticDrag(ControlRef c, bool automatic) override;
    bool Focus(ControlRef c) override;
    void SetTimerEnabled(TimerName timer, bool enabled) override;
    bool SetScrollRange(ControlRef c, int minimum, int maximum) override;
    bool SetScrollValue(ControlRef c, int value) override;
    int ScrollValue(ControlRef c) const override;
    bool SetPicture(ControlRef c, int imageList, const std::string& key) override;
    bool ClearPicture(ControlRef c) override;

    // Finds the icon list position of a key (the icon store keeps the keys).
    std::function<int(const std::string& key)> iconIndexOf;
    // The icon lists were emptied: a position no longer holds the icon a
    // button took from it.
    void ForgetPictureSources();
    // The scroll bar's change event: its position changed, by the user or by
    // a SetScrollValue call.
    std::function<void()> onScrollChange;
    // The brush that paints `control`'s background (the parent's answer to
    // WM_CTLCOLORSTATIC), or nullptr for the platform's own.
    HBRUSH BackgroundBrush(HWND control) const;

private:
    HWND ThreeD(ControlRef c) const;
    bool SetButtonAreaColour(int32_t oleColour);
    void ApplyTabOrder();

    const Screen& screen_;
    HWND window_ = nullptr;
    std::array<HWND, kSectionTabs> tabs_{};
    std::array<HWND, kLaunchButtons> buttons_{};
    HWND buttonBG_ = nullptr, hScroll_ = nullptr, message_ = nullptr;
    HWND oButton_ = nullptr, minBut_ = nullptr, reOrgBut_ = nullptr;
    HWND hider_ = nullptr, tempButton_ = nullptr, tempButton2_ = nullptr;
    std::array<HIMAGELIST, 2> imageLists_{};
    HBRUSH buttonAreaBrush_ = nullptr;
    std::vector<HWND> tabOrder_;
    // The font each 3-D control was last given, so that one attribute can change.
    std::map<HWND, ControlFont> fonts_;
    // Where each launch button's picture came from: list and position.
    using PictureSource = std::pair<int, int>;
    std::map<HWND, PictureSource> pictureSources_;
    // Where each control lies in the window's client area, in pixels. Only
    // this class moves the controls, and the layout asks for every control's
    // place several times each time it runs.
    std::optional<RECT> PlaceOf(HWND control) const;
    mutable std::map<HWND, RECT> places_;
    // Hidden launch buttons whose window is not yet where `places_` says.
    std::set<HWND> pendingMoves_;
    void MoveIfPending(HWND control);
};

}  // namespace corvella
