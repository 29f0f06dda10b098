#pragma once
// The main window's controls as the core sees them: named like the window's
// own controls (indexed sets take an index), lengths in twips. Every setter
// answers false when the control does not take the value (an index past the
// end of a set, a value the control refuses), so a caller can skip that step
// and go on.
#include <cstdint>
#include <optional>
#include <string>

namespace corvella {

enum class ControlName {
    sectionButton,  // 0..19, one tab per section
    buttonObj,      // 0..50, the launch buttons (50 is never arranged)
    buttonBG,       // the picture area framing the buttons
    HScroll1,       // the page scroll bar
    message,        // the hint panel
    oButton,        // the options button of the bottom bar
    MinBut,         // the eject button
    reOrgBut,       // the move-mode switch
    hider,          // auxiliary buttons, parked outside the visible area
    tempbutton,
    tempbutton2,
};

struct ControlRef {
    ControlName name;
    int index = 0;
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

inline constexpr int kSectionTabs = 20;
inline constexpr int kLaunchButtons = 51;

struct ControlGeometry {
    int32_t left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const ControlGeometry&, const ControlGeometry&) = default;
};

struct ControlFont {
    std::string name = "MS Sans Serif";
    int16_t size = 8;
    bool bold = false;
    bool italic = false;
};

enum class TimerName { Timer1, Timer2 };

class WindowControls {
public:
    virtual ~WindowControls() = default;

    virtual std::optional<ControlGeometry> Geometry(ControlRef c) const = 0;
    virtual bool SetGeometry(ControlRef c, const ControlGeometry& twips) = 0;
    virtual bool SetVisible(ControlRef c, bool visible) = 0;
    virtual bool SetEnabled(ControlRef c, bool enabled) = 0;
    virtual bool SetCaption(ControlRef c, const std::string& caption) = 0;
    virtual std::string Caption(ControlRef c) const = 0;
    virtual bool SetBackColor(ControlRef c, int32_t oleColour) = 0;
    virtual bool SetForeColor(ControlRef c, int32_t oleColour) = 0;
    // The 3-D controls' own properties, by their numeric identifiers.
    virtual bool SetThreeDProperty(ControlRef c, int dispatchId, int32_t value) = 0;
    virtual bool SetFont(ControlRef c, const ControlFont& font) = 0;
    virtual bool SetFontBold(ControlRef c, bool bold) = 0;
    virtual bool SetToolTip(ControlRef c, const std::string& text) = 0;
    // Position in the keyboard's tab order; the others move up or down.
    virtual bool SetTabIndex(ControlRef c, int position) = 0;
    virtual bool SetTabStop(ControlRef c, bool stop) = 0;
    virtual bool SetAutomaticDrag(ControlRef c, bool automatic) = 0;
    virtual bool Focus(ControlRef c) = 0;

    // The page scroll bar.
    virtual bool SetScrollRange(ControlRef c, int minimum, int maximum) = 0;
    virtual bool SetScrollValue(ControlRef c, int value) = 0;
    virtual int ScrollValue(ControlRef c) const = 0;

    // A 3-D control's picture: the icon stored under `key` in icon list
    // `imageList` (0 large icons, 1 small icons), or none.
    virtual bool SetPicture(ControlRef c, int imageList, const std::string& key) = 0;
    virtual bool ClearPicture(ControlRef c) = 0;

    virtual void SetTimerEnabled(TimerName timer, bool enabled) = 0;
};

}  // namespace corvella
