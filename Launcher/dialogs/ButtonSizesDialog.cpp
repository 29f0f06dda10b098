#include "ButtonSizesDialog.h"

#include <cstdlib>

#include "../external/ThreeDIds.h"

namespace corvella {

namespace {

using R = SliderRole;

constexpr SizeSlider kSliders[] = {
    {1, 1, R::Width, 10, 310, 5, &Settings::b1w},
    {2, 1, R::Height, 10, 90, 5, &Settings::b1h},
    {10, 1, R::PicturePosition, 0, 8, 1, &Settings::b1pp},
    {3, 2, R::Width, 10, 310, 5, &Settings::b2w},
    {4, 2, R::Height, 10, 90, 5, &Settings::b2h},
    {8, 2, R::PicturePosition, 0, 12, 1, &Settings::b2pp},
    {9, 2, R::CaptionPosition, 0, 8, 1, &Settings::b2cp},
    {5, 3, R::Height, 10, 90, 5, &Settings::b3h},
    {11, 3, R::PicturePosition, 0, 12, 1, &Settings::b3pp},
    {12, 3, R::CaptionPosition, 0, 8, 1, &Settings::b3cp},
    {6, 4, R::Width, 10, 310, 5, &Settings::b4w},
    {7, 4, R::Height, 10, 90, 5, &Settings::b4h},
    {13, 4, R::CaptionPosition, 0, 8, 1, &Settings::b4cp},
};

constexpr ButtonPageText kPages[kButtonPages] = {
    {"Small Buttons", "small", "Small Button Style", "Small Button style",
     "This button style shows an icon only."},
    {"Large Buttons", "large", "Large Button Style", "Large Button style",
     "This button style shows an icon and caption text."},
    {"Full-Width Buttons", "full", "Full-Width Button Style", "Full-Width Button style",
     "This button style shows an icon and caption text, and is always as wide as the Corvella."},
    {"Text-Only Buttons", "text", "Text-Only Button Style", "Text-Only Button style",
     "This button style shows only caption text."},
};

bool ValidPage(int page) { return page >= 1 && page <= kButtonPages; }

}  // namespace

std::span<const SizeSlider> SizeSliders() { return kSliders; }

const SizeSlider* FindSizeSlider(int number) {
    for (const SizeSlider& s : kSliders)
        if (s.number == number) return &s;
    return nullptr;
}

std::span<const ButtonPageText, kButtonPages> ButtonPageTexts() { return kPages; }

void ButtonSizesDialog::OnActivate() {
    ButtonSizesView& v = d_.view;
    const Settings& s = d_.settings;
    for (const SizeSlider& slider : kSliders) v.SetSliderValue(slider.number, s.*slider.setting);
    for (int i = 0; i < kSmallIconBoxes; ++i) v.SetSmallIcon(i, s.IconSize[static_cast<size_t>(i)] != 0);
    for (int i = 0; i < kButtonPages; ++i) v.SetStyleSliderValue(i, s.gActiveButtons[static_cast<size_t>(i)]);
    for (int i = 0; i < kButtonPages; ++i)
        v.SetSampleProperty(i + 1, threed::kPropButtonStyle, v.StyleSliderValue(i));
    for (int page = 1; page <= kButtonPages; ++page) v.ClearSamplePicture(page);
    for (int i = 0; i < kSmallIconBoxes; ++i) LoadSamplePicture(i + 1, s.IconSize[static_cast<size_t>(i)] == 1);
    for (int page = 1; page <= kButtonPages; ++page) SizeButtons(page);
    OnTabClick(0);
}

void ButtonSizesDialog::LoadSamplePicture(int page, bool smallIcon) {
    d_.view.LoadSamplePicture(page, d_.programFolder + (smallIcon ? kSmallSamplePicture : kLargeSamplePicture));
}

void ButtonSizesDialog::SizeButtons(int page) {
    if (!ValidPage(page)) return;
    ButtonSizesView& v = d_.view;
    std::optional<int32_t> width;
    int32_t height = 0;
    for (const SizeSlider& slider : kSliders) {
        if (slider.page != page) continue;
        const int value = v.SliderValue(slider.number);
        switch (slider.role) {
            case R::Width: width = value * d_.screen.TwipsPerPixelX(); break;
            case R::Height: height = value * d_.screen.TwipsPerPixelY(); break;
            case R::PicturePosition: v.SetSampleProperty(page, threed::kPropPicturePosition, value); break;
            case R::CaptionPosition: v.SetSampleProperty(page, threed::kPropCaptionPosition, value); break;
        }
    }
    v.SetSampleSize(page, width, height);
}

void ButtonSizesDialog::OnSliderChange(int slider) {
    if (const SizeSlider* s = FindSizeSlider(slider)) SizeButtons(s->page);
}

void ButtonSizesDialog::OnStyleSliderChange(int index) {
    if (index < 0 || index >= kButtonPages) return;
    d_.view.SetSampleProperty(index + 1, threed::kPropButtonStyle, d_.view.StyleSliderValue(index));
}

void ButtonSizesDialog::OnSmallIconClick(int index) {
    if (index < 0 || index >= kSmallIconBoxes) return;
    d_.view.ClearSamplePicture(index + 1);
    LoadSamplePicture(index + 1, d_.view.SmallIcon(index));
}

void ButtonSizesDialog::OnTabClick(int tab) {
    if (tab < 0 || tab >= kButtonPages) return;
    for (int page = 1; page <= kButtonPages; ++page) d_.view.ShowFrame(page, false);
    d_.view.ShowFrame(tab + 1, true);
}

void ButtonSizesDialog::OnCloseClick() {
    Settings& s = d_.settings;
    const ButtonSizesView& v = d_.view;
    for (const SizeSlider& slider : kSliders) s.*slider.setting = static_cast<int16_t>(v.SliderValue(slider.number));
    for (int i = 0; i < kSmallIconBoxes; ++i) s.IconSize[static_cast<size_t>(i)] = v.SmallIcon(i) ? 1 : 0;
    for (int i = 0; i < kButtonPages; ++i)
        s.gActiveButtons[static_cast<size_t>(i)] = static_cast<int16_t>(v.StyleSliderValue(i));
    if (d_.saveButtonSizes) d_.saveButtonSizes();
    if (d_.loadButtons) d_.loadButtons();
    if (d_.arrangeWindow) d_.arrangeWindow();
    d_.view.Close();
}

void ButtonSizesDialog::OnCancelClick() { d_.view.Close(); }

}  // namespace corvella
