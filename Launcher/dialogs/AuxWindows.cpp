#include "AuxWindows.h"

namespace corvella {

std::string ScreenClassFor(int fontHeightPixels) { return fontHeightPixels > 16 ? "8514" : "VGA"; }

std::string ProgramFolderWithSlash(const std::string& programFolder) {
    if (!programFolder.empty() && programFolder.back() == '\\') return programFolder;
    return programFolder + "\\";
}

namespace {

constexpr AuxPlacement kSplashLarge[] = {
    {AuxControl::Window, -1, -1, 4515, 4515},
    {AuxControl::Shape, 0, 0, 4515, 4515},
    {AuxControl::VersionLabel, 1212, 1356, -1, -1},
    {AuxControl::Command3, 72, 3876, -1, -1},
    {AuxControl::Command4, 72, 4152, -1, -1},
};

constexpr AuxPlacement kTourLarge[] = {
    {AuxControl::Window, -1, -1, 7720, 5920},
    {AuxControl::Command1, 6792, 5268, -1, -1},
    {AuxControl::Command2, 96, 5268, -1, -1},
    {AuxControl::TitleLabel, 1332, 4920, -1, -1},
    {AuxControl::VersionLabel, 2316, 4920, -1, -1},
};

}  // namespace

std::span<const AuxPlacement> SplashLargeFontLayout() { return kSplashLarge; }
std::span<const AuxPlacement> TourLargeFontLayout() { return kTourLarge; }

TourPage TourPageFor(int page) {
    if (page == 2) return {"tour2.bmp", false, true, true};
    return {"tour1.bmp", true, false, false};
}

void ShowAboutWindow(HotKeyReceiverPort& hotKey, const std::function<void()>& showModal) {
    hotKey.SetEnabled(false);
    if (showModal) showModal();
    hotKey.SetEnabled(true);
}

}  // namespace corvella
