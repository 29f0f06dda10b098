#pragma once
#include <cstdint>

#include "../platform/MainWindowPort.h"

namespace corvella {

// The borderless strip window that stands in for the main window while it is
// rolled or slid off the screen.
class EdgeStripPort {
public:
    virtual ~EdgeStripPort() = default;
    // Shown at `twips` (which may lie partly off the screen), above every
    // non-topmost window.
    virtual void ShowAt(const Placement& twips) = 0;
    virtual void Hide() = 0;
    virtual int32_t BackColor() const = 0;
    virtual void SetBackColor(int32_t colour) = 0;
};

}  // namespace corvella
