#pragma once
// The theme dialog's controls as its handlers see them: named like the
// dialog's own controls (the three sets of 20 section buttons take an index),
// lengths in twips, colours as OLE colours.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "../mainwindow/WindowControls.h"

namespace corvella {

enum class ThemeControl {
    SectionFont,   // list of font families for the tabs, with an editable text
    ButtonFont,    // ... for the launch buttons
    SecFSize,      // text box: tab font size
    ButFSize,      // text box: button font size
    Check1,        // "3D Section Button Text"
    Check2,        // "3D Action Button Text"
    ButtonStyle,   // slider: the tab buttons' style number
    Option1,       // 0..19: pick a section for the preview
    SSCommand1,    // 0..19: change that section's back colour
    SSCommand2,    // 0..19: change that section's text colour
    Frame1,        // the panel under the preview
    PreviewLabel,  // "Preview Area"
    SampleS,       // the preview tab
    Command1,      // the preview launch button, on Frame1
};

struct ThemeRef {
    ThemeControl name;
    int index = 0;
    friend bool operator==(const ThemeRef&, const ThemeRef&) = default;
};

inline constexpr int kThemeSections = 20;

class ThemeView {
public:
    virtual ~ThemeView() = default;

    // The two font lists.
    virtual void ClearFontLists() = 0;
    virtual void SetFontNames(const std::vector<std::string>& names) = 0;
    // The text of a font list or size box.
    virtual void SetText(ThemeRef c, const std::string& text) = 0;

    virtual void SetChecked(ThemeRef c, bool checked) = 0;
    virtual bool Checked(ThemeRef c) const = 0;
    virtual void SetSliderValue(ThemeRef c, int value) = 0;

    virtual void SetCaption(ThemeRef c, const std::string& caption) = 0;
    virtual std::string Caption(ThemeRef c) const = 0;
    virtual void SetBackColor(ThemeRef c, int32_t oleColour) = 0;
    virtual void SetForeColor(ThemeRef c, int32_t oleColour) = 0;
    virtual void SetFont(ThemeRef c, const ControlFont& font) = 0;
    // The 3-D controls' own properties, by their numeric identifiers.
    virtual void SetThreeDProperty(ThemeRef c, int dispatchId, int32_t value) = 0;
    // Twips; the preview button's are relative to Frame1.
    virtual void SetGeometry(ThemeRef c, const ControlGeometry& twips) = 0;
    // The preview button shows the picture held by the hidden holder, or none.
    virtual void ShowSamplePicture(bool shown) = 0;

    // The platform's colour chooser opened on `current`; nothing when cancelled.
    virtual std::optional<int32_t> ChooseColour(int32_t current) = 0;
    virtual void Close() = 0;
};

}  // namespace corvella
