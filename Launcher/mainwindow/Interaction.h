#pragma once
// How the main window answers the mouse and the keyboard: launch buttons
// start their items, tabs switch the section, right clicks open the context
// menus, the move-mode switch lets buttons and tabs be rearranged by
// dragging, and files dragged over a tab open it after a short hover.
#include <cstdint>
#include <functional>

#include "../model/Model.h"
#include "../platform/Dialogs.h"
#include "../platform/EventLoop.h"
#include "../settings/Settings.h"
#include "../settings/SoundCues.h"
#include "ContextMenus.h"
#include "WindowControls.h"

namespace corvella {

// Mouse buttons and the shift state, as the controls report them.
inline constexpr int kLeftMouseButton = 1;
inline constexpr int kRightMouseButton = 2;
inline constexpr int kControlShift = 2;
inline constexpr int kSpaceKey = 32;

struct InteractionState {
    bool gMenuOpen = false;       // a context menu of the window is showing
    bool gButtonPressed = false;  // a launch button was pressed; its release launches
    int16_t gMenuIndex = 0;       // the button or tab last pressed
    bool gMoveMode = false;       // buttons and tabs can be dragged
    // Files dragged over a tab: the tab (index + 1, 0 none), the phase
    // (0 idle, 2 counting) and the ticks of Timer2 counted so far.
    int16_t gHoverTab = 0;
    int16_t gHoverPhase = 0;
    int16_t gHoverTicks = 0;
};

struct InteractionDeps {
    Settings& settings;
    SectionTable& sections;
    ButtonTable& buttons;
    Model& model;
    WindowControls& controls;
    Dialogs& dialogs;
    const CuePlayer& cues;
    EventLoop& events;
    // Starts the item of a button record (no documents).
    std::function<void(int record)> launch;
    // Shows a context menu at the pointer and runs the command chosen.
    std::function<void(ContextMenuName menu)> showMenu;
    std::function<void()> toggleShade;
    // The window's resize handler (it arranges the window).
    std::function<void()> resize;
    std::function<void()> arrangeWindow;
    std::function<void()> focusCurrentTab;
};

class MainWindowInteraction {
public:
    MainWindowInteraction(InteractionState& state, InteractionDeps deps) : s_(state), d_(std::move(deps)) {}

    // Launch button `index`.
    void OnButtonMouseDown(int index, int button);
    void OnButtonMouseUp(int index, int shift);
    void OnButtonKeyDown(int index, int key);
    void OnButtonKeyUp(int index, int key, int shift);

    // Section tab `index`.
    void OnTabMouseDown(int index, int button);
    void OnTabMouseUp(int index);
    void OnTabKeyUp(int index, int key);

    void OnOptionsButtonClick();
    void OnMoveSwitchClick();
    void OnWindowClick();

    // Move mode: a dragged control is over, or was dropped on, a launch
    // button or a tab. `sourceIsTab` tells which kind was dragged.
    void OnDragOverControl(ControlRef over);
    void OnDropOnButton(int index, bool sourceIsTab, int sourceIndex);
    void OnDropOnTab(int index, bool sourceIsTab, int sourceIndex);

    // Files dragged from the shell are over tab `index`; Timer2 ticked.
    void OnFilesOverTab(int index);
    void OnHoverTimerTick();

    // Shows the home section, as after a launch (a HomeSection below 1
    // becomes 1).
    void ReturnHome();

private:
    bool Ignored() const;
    void ShowMenu(ContextMenuName menu);
    void Release(int index, int shift);
    void SwitchToTab(int index);
    void ShowSection(int16_t number, bool colour);
    bool IsSectionTab(int index) const;

    InteractionState& s_;
    InteractionDeps d_;
};

}  // namespace corvella
