#pragma once
// The appearance dialogs' controls in memory: what each was last given, the
// colour chooser's scripted answers, and whether the dialog was closed.
#include <algorithm>
#include <deque>
#include <map>

#include "dialogs/ButtonSizesView.h"
#include "dialogs/ThemeView.h"

namespace corvella::testing {

struct FakeThemeControl {
    std::string text, caption;
    bool checked = false;
    int slider = 0;
    int32_t backColor = -1, foreColor = -1;
    ControlFont font;
    std::map<int, int32_t> properties;
    ControlGeometry geometry;
};

class FakeThemeView final : public ThemeView {
public:
    FakeThemeControl& operator[](ThemeRef c) { return controls_[{static_cast<int>(c.name), c.index}]; }
    FakeThemeControl& At(ThemeControl name, int index = 0) { return (*this)[{name, index}]; }

    void ClearFontLists() override { fontNames.clear(); }
    void SetFontNames(const std::vector<std::string>& names) override {
        fontNames.insert(fontNames.end(), names.begin(), names.end());
    }
    void SetText(ThemeRef c, const std::string& text) override { (*this)[c].text = text; }
    void SetChecked(ThemeRef c, bool checked) override { (*this)[c].checked = checked; }
    bool Checked(ThemeRef c) const override { return Get(c).checked; }
    void SetSliderValue(ThemeRef c, int value) override { (*this)[c].slider = value; }
    void SetCaption(ThemeRef c, const std::string& caption) override { (*this)[c].caption = caption; }
    std::string Caption(ThemeRef c) const override { return Get(c).caption; }
    void SetBackColor(ThemeRef c, int32_t colour) override { (*this)[c].backColor = colour; }
    void SetForeColor(ThemeRef c, int32_t colour) override { (*this)[c].foreColor = colour; }
    void SetFont(ThemeRef c, const ControlFont& font) override { (*this)[c].font = font; }
    void SetThreeDProperty(ThemeRef c, int id, int32_t value) override { (*this)[c].properties[id] = value; }
    void SetGeometry(ThemeRef c, const ControlGeometry& g) override { (*this)[c].geometry = g; }
    void ShowSamplePicture(bool shown) override { samplePicture = shown; }
    // The next scripted answer; a chooser with no answer left is cancelled.
    std::optional<int32_t> ChooseColour(int32_t current) override {
        chooserOpenedOn.push_back(current);
        if (chooserAnswers.empty()) return std::nullopt;
        std::optional<int32_t> answer = chooserAnswers.front();
        chooserAnswers.pop_front();
        return answer;
    }
    void Close() override { ++closed; }

    std::vector<std::string> fontNames;
    bool samplePicture = false;
    std::deque<std::optional<int32_t>> chooserAnswers;
    std::vector<int32_t> chooserOpenedOn;
    int closed = 0;

private:
    FakeThemeControl Get(ThemeRef c) const {
        auto it = controls_.find({static_cast<int>(c.name), c.index});
        return it == controls_.end() ? FakeThemeControl{} : it->second;
    }
    std::map<std::pair<int, int>, FakeThemeControl> controls_;
};

struct FakeSample {
    std::map<int, int32_t> properties;
    int32_t width = 1000, height = 0;
    std::string picture;  // empty: none
    bool frameShown = false;
};

// Sliders keep to the range a real slider of that kind has.
class FakeButtonSizesView final : public ButtonSizesView {
public:
    void SetSliderValue(int slider, int value) override { sliders[slider] = value; }
    int SliderValue(int slider) const override { return sliders.count(slider) ? sliders.at(slider) : 0; }
    void SetStyleSliderValue(int index, int value) override { styles[index] = std::clamp(value, 1, 4); }
    int StyleSliderValue(int index) const override { return styles.count(index) ? styles.at(index) : 1; }
    void SetSmallIcon(int index, bool checked) override { smallIcon[index] = checked; }
    bool SmallIcon(int index) const override { return smallIcon.count(index) && smallIcon.at(index); }
    void SetSampleProperty(int page, int id, int32_t value) override { samples[page].properties[id] = value; }
    void SetSampleSize(int page, std::optional<int32_t> width, int32_t height) override {
        if (width) samples[page].width = *width;
        samples[page].height = height;
    }
    void ClearSamplePicture(int page) override { samples[page].picture.clear(); }
    void LoadSamplePicture(int page, const std::string& path) override { samples[page].picture = path; }
    void ShowFrame(int page, bool shown) override { samples[page].frameShown = shown; }
    void Close() override { ++closed; }

    std::map<int, int> sliders, styles;
    std::map<int, bool> smallIcon;
    std::map<int, FakeSample> samples;
    int closed = 0;
};

}  // namespace corvella::testing
