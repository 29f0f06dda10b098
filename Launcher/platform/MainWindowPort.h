#pragma once
#include <cstdint>
#include <string>

namespace corvella {

// The main window's placement in twips.
struct Placement {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
};

// The parts of the main window that the settings and start-up code change.
class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;
    virtual Placement CurrentPlacement() const = 0;
    // The height of the window's frame and title bar (outer height minus the
    // client area's), or -1 when it cannot be measured.
    virtual int32_t FrameHeight() const = 0;
    // The width of the window's side frames together (outer width minus the
    // client area's), or -1 when it cannot be measured.
    virtual int32_t FrameWidth() const = 0;
    virtual void SetLeft(int32_t twips) = 0;
    virtual void SetTop(int32_t twips) = 0;
    virtual void SetWidth(int32_t twips) = 0;
    virtual void SetHeight(int32_t twips) = 0;
    // Moves and sizes the window in one step: the same place as setting the
    // four values one by one, at the cost of one move instead of four.
    virtual void SetPlacement(const Placement& twips) = 0;
    // An OLE colour: 0x00BBGGRR, or 0x800000nn for system colour nn.
    virtual void SetBackColor(int32_t colour) = 0;
    // Above all non-topmost windows, or back among them; never moves or sizes.
    virtual void SetTopMost(bool onTop) = 0;
    virtual bool IsMinimised() const = 0;
    virtual std::string Title() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
};

}  // namespace corvella
