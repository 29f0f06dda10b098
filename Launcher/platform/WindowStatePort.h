#pragma once

namespace corvella {

// The main window's show state, as the shade and the notification icon move
// it between shown, minimised and hidden.
class WindowStatePort {
public:
    virtual ~WindowStatePort() = default;
    virtual bool IsVisible() const = 0;
    // Out of the minimised (or maximised) state, back to its own placement.
    virtual void RestoreNormal() = 0;
    // Shown and brought in front of the other windows.
    virtual void Show() = 0;
    virtual void MakeVisible() = 0;
    virtual void Minimise() = 0;
    virtual void Hide() = 0;
};

}  // namespace corvella
