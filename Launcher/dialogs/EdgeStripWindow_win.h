#pragma once
// Form2: the thin borderless window that marks where the shaded main window
// went. Its timer returns the red flash to black.
#include <functional>

#include "AuxWindow_win.h"
#include "EdgeStripPort.h"

namespace corvella {

class EdgeStripWindow final : public AuxWindow, public EdgeStripPort {
public:
    explicit EdgeStripWindow(const Screen& screen) : screen_(screen) {}
    ~EdgeStripWindow() override;

    // Loaded hidden at start-up.
    bool Create(HINSTANCE instance);

    void ShowAt(const Placement& twips) override;
    void Hide() override;
    int32_t BackColor() const override { return colour_; }
    void SetBackColor(int32_t colour) override;

    static constexpr char kClassName[] = "CorvellaEdgeStrip";

    // A mouse button was released over the strip.
    std::function<void()> onMouseUp;

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc) override;

    const Screen& screen_;
    int32_t colour_ = 0;
};

}  // namespace corvella
