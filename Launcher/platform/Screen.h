#pragma once

namespace corvella {

// The primary screen, in twips, and the twips-per-pixel factors of its DPI
// (15 at 96 dpi, 12 at 120 dpi).
class Screen {
public:
    virtual ~Screen() = default;
    virtual int WidthTwips() const = 0;
    virtual int HeightTwips() const = 0;
    virtual int TwipsPerPixelX() const = 0;
    virtual int TwipsPerPixelY() const = 0;
};

}  // namespace corvella
