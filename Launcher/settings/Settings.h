#pragma once
// The launcher's general options: one field per [Options] key of Corvella.ini,
// named like the key and holding the key's default until the file is read.
#include <array>
#include <cstdint>
#include <string>

#include "../platform/MainWindowPort.h"

namespace corvella {

// The system colour of button faces (COLOR_BTNFACE with the system-colour
// marker), stored in the file as -2147483633.
inline constexpr int32_t kButtonFaceColour = static_cast<int32_t>(0x8000000Fu);

struct Settings {
    // Switches (check-box values, 0 or 1; any non-zero value read counts as set).
    int16_t EnableSound = 1;
    int16_t EnableColors = 1;
    int16_t EnableOnTop = 0;
    int16_t EnableShade = 0;
    int16_t EnableSystemButtons = 1;
    int16_t EnableTrayIcon = 1;

    // Window shade (WindowShade is 1 while the window is shaded).
    int16_t WindowShade = 0;
    int16_t WindowShadeMode = 1;
    int16_t gCaption = 1;

    // System actions and the hot key.
    int16_t EjectAll = 0;
    std::string EjectDefault = "a";
    int16_t HotKey = 145;  // Scroll Lock
    int16_t HotKeyShift = 0;
    int16_t HotKeyControl = 0;
    int16_t gSen = 1;
    int16_t enableDocPath = 1;

    // Looks.
    int16_t gSection3D = 1;
    int16_t gButton3D = 1;
    int16_t gSectionStyle = 2;
    std::string sFontName = "MS Sans Serif";
    int16_t sFontSize = 8;
    int16_t sFontBold = 0;
    int16_t sFontItalic = 0;
    std::string bFontName = "MS Sans Serif";
    int16_t bFontSize = 8;
    int16_t bFontBold = 0;
    int16_t bFontItalic = 0;
    int32_t BackColor = kButtonFaceColour;

    // Button geometry per style (pixels), picture and caption positions.
    int16_t b1h = 44, b1w = 44;
    int16_t b2h = 63, b2w = 125;
    int16_t b3h = 63;
    int16_t b4h = 30, b4w = 175;
    int16_t b1pp = 7, b2pp = 6, b3pp = 6;
    int16_t b2cp = 8, b3cp = 8, b4cp = 7;
    std::array<int16_t, 3> IconSize{0, 0, 0};               // styles 0..2: 0 large, 1 small icons
    std::array<int16_t, 4> gActiveButtons{2, 2, 2, 2};      // styles 0..3: 3-D button style

    // Home section.
    int16_t UseHomeSection = 0;
    int16_t HomeSection = 1;

    // Configuration lock.
    int16_t gLocked = 0;
    std::string gPassword;

    // The window's placement when it was last known unshaded (twips), kept for
    // the shade to return to.
    Placement unshadedPlacement;

    friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace corvella
