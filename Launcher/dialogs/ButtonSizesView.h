#pragma once
// The button sizes dialog's controls as its handlers see them. Pages are
// numbered 1 to 4 (small, large, full-width, text-only buttons), like the
// sample buttons b1 to b4 on them; sliders by their number, Slider1 to
// Slider13; the style sliders ButtonStyle(0..3) and the "Small Icon" boxes
// SSCheck1..SSCheck3 by page - 1.
#include <cstdint>
#include <optional>
#include <string>

namespace corvella {

inline constexpr int kButtonPages = 4;
inline constexpr int kSizeSliders = 13;
inline constexpr int kSmallIconBoxes = 3;

class ButtonSizesView {
public:
    virtual ~ButtonSizesView() = default;

    // A slider shows the nearest value of its range.
    virtual void SetSliderValue(int slider, int value) = 0;
    virtual int SliderValue(int slider) const = 0;
    virtual void SetStyleSliderValue(int index, int value) = 0;
    virtual int StyleSliderValue(int index) const = 0;
    virtual void SetSmallIcon(int index, bool checked) = 0;
    virtual bool SmallIcon(int index) const = 0;

    // The sample button of a page: a 3-D property by its identifier, its
    // size in twips (no width: it keeps the one it has), its picture.
    virtual void SetSampleProperty(int page, int dispatchId, int32_t value) = 0;
    virtual void SetSampleSize(int page, std::optional<int32_t> widthTwips, int32_t heightTwips) = 0;
    virtual void ClearSamplePicture(int page) = 0;
    virtual void LoadSamplePicture(int page, const std::string& path) = 0;

    virtual void ShowFrame(int page, bool shown) = 0;
    virtual void Close() = 0;
};

}  // namespace corvella
