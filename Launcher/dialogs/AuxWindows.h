#pragma once
// The welcome window, the tour and the large-font test that moves their
// controls: what they show and where, without the windows themselves.
#include <functional>
#include <span>
#include <string>

#include "../platform/HotKeyReceiverPort.h"

namespace corvella {

inline constexpr char kSplashCaption[] = "Welcome to...";
inline constexpr char kVersionText[] = "Version 1.74";
inline constexpr char kTourCaption[] = "Corvella Tour";
inline constexpr char kTourTitleText[] = "Corvella";

// "8514" when the desktop's system font is taller than 16 pixels (large
// fonts), else "VGA".
std::string ScreenClassFor(int fontHeightPixels);
inline bool IsLargeFonts(const std::string& screenClass) { return screenClass == "8514"; }

// The program folder with exactly one trailing backslash ("C:" gives "C:\",
// "C:\" stays "C:\").
std::string ProgramFolderWithSlash(const std::string& programFolder);

// A control of the welcome window or the tour, by its own name.
enum class AuxControl { Window, Shape, VersionLabel, TitleLabel, Command1, Command2, Command3, Command4 };

struct AuxPlacement {
    AuxControl control;
    // Twips; a negative width or height keeps the control's own.
    int left, top, width, height;
};

// Where the controls go with large fonts. The window entries give only the size.
std::span<const AuxPlacement> SplashLargeFontLayout();
std::span<const AuxPlacement> TourLargeFontLayout();

// A page of the tour (1 or 2): its picture in the program folder and which
// controls show.
struct TourPage {
    const char* picture;
    bool nextVisible;
    bool backVisible;
    bool labelsVisible;
};
TourPage TourPageFor(int page);

// The About command: the hot key is disarmed while the welcome window is
// shown modally.
void ShowAboutWindow(HotKeyReceiverPort& hotKey, const std::function<void()>& showModal);

}  // namespace corvella
