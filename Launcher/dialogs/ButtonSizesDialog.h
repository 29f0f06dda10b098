#pragma once
// The button sizes dialog ("Customize Button Sizes"): the size, picture and
// caption positions, icon size and 3-D style of each of the four button
// styles. Nothing reaches the settings before Close; Cancel leaves them all.
#include <array>
#include <functional>
#include <span>
#include <string>

#include "../platform/Screen.h"
#include "../settings/Settings.h"
#include "ButtonSizesView.h"

namespace corvella {

enum class SliderRole { Width, Height, PicturePosition, CaptionPosition };

struct SizeSlider {
    int number;   // Slider<number>
    int page;     // 1..4
    SliderRole role;
    int minimum, maximum;
    // Size sliders step 5 a page, position sliders 1.
    int pageStep;
    int16_t Settings::*setting;
};

// The 13 sliders in the order the dialog lays them out.
std::span<const SizeSlider> SizeSliders();
const SizeSlider* FindSizeSlider(int number);

struct ButtonPageText {
    const char* caption;
    const char* key;
    const char* tip;
    const char* title;
    const char* description;
};
std::span<const ButtonPageText, kButtonPages> ButtonPageTexts();

inline constexpr int kStyleMinimum = 1, kStyleMaximum = 4;
inline constexpr char kSmallSamplePicture[] = "\\fwp3.bmp";
inline constexpr char kLargeSamplePicture[] = "\\fwp3BIG.bmp";

struct ButtonSizesDeps {
    Settings& settings;
    ButtonSizesView& view;
    const Screen& screen;
    std::string programFolder;
    std::function<void()> saveButtonSizes;
    // Reloads the button table (with its icons and fonts).
    std::function<void()> loadButtons;
    std::function<void()> arrangeWindow;
};

class ButtonSizesDialog {
public:
    explicit ButtonSizesDialog(ButtonSizesDeps deps) : d_(std::move(deps)) {}

    void OnActivate();
    // The slider values of one page applied to its sample button.
    void SizeButtons(int page);

    void OnSliderChange(int slider);
    void OnStyleSliderChange(int index);
    void OnSmallIconClick(int index);
    void OnTabClick(int tab);
    void OnCloseClick();
    void OnCancelClick();

    const Screen& screen() const { return d_.screen; }

private:
    void LoadSamplePicture(int page, bool smallIcon);

    ButtonSizesDeps d_;
};

}  // namespace corvella
