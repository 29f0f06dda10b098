#pragma once
#include <cmath>
#include <cstdint>

namespace corvella {

// A length in twips as whole pixels. Halves go to the even neighbour, as
// every rounding of the layout does (7.5 px gives 8, 2.5 px gives 2).
inline int PixelsFromTwips(int32_t twips, int twipsPerPixel) {
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / twipsPerPixel));
}

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
