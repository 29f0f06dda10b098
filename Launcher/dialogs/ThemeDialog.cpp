#include "ThemeDialog.h"

#include <cstdlib>

#include "../external/ThreeDIds.h"
#include "../settings/ProfileText.h"
#include "Looks.h"

namespace corvella {

namespace {

using T = ThemeControl;

int32_t TextEffect(bool raised) { return raised ? 3 : 0; }

}  // namespace

int16_t FontSizeFromText(const std::string& text) { return ParseInteger(text, 0); }

void ThemeDialog::OnActivate() {
    ThemeView& v = d_.view;
    preview_ = 0;
    v.ClearFontLists();
    v.SetChecked({T::Check1}, d_.settings.gSection3D != 0);
    OnCheck1Click();
    v.SetChecked({T::Check2}, d_.settings.gButton3D != 0);
    OnCheck2Click();
    v.SetThreeDProperty({T::SampleS}, threed::kPropButtonStyle, d_.settings.gSectionStyle);
    v.SetSliderValue({T::ButtonStyle}, d_.settings.gSectionStyle);
    if (d_.fontList.size() > 1) v.SetFontNames({d_.fontList.begin() + 1, d_.fontList.end()});
    for (int i = 0; i < kThemeSections; ++i) v.SetCaption({T::Option1, i}, "Section " + std::to_string(i + 1));
    for (int i = 0; i < d_.sections.gSectionCount && i < kThemeSections; ++i)
        v.SetCaption({T::Option1, i}, d_.tabCaption(i));
    LoadThemeControls();
    RefreshThemePreview();
}

void ThemeDialog::LoadThemeControls() {
    ThemeView& v = d_.view;
    v.SetText({T::SectionFont}, d_.settings.sFontName);
    v.SetText({T::ButtonFont}, d_.settings.bFontName);
    v.SetText({T::SecFSize}, std::to_string(d_.settings.sFontSize));
    v.SetText({T::ButFSize}, std::to_string(d_.settings.bFontSize));
}

void ThemeDialog::RefreshThemePreview() {
    ThemeView& v = d_.view;
    const SectionTable& t = d_.sections;
    for (int i = 0; i < kThemeSections; ++i) {
        const auto n = static_cast<size_t>(i + 1);
        v.SetBackColor({T::Option1, i}, t.gSectionColor[n]);
        v.SetForeColor({T::Option1, i}, t.gSectionFGColor[n]);
        // The two colour buttons of a section show the colour they change.
        v.SetBackColor({T::SSCommand1, i}, t.gSectionColor[n]);
        v.SetBackColor({T::SSCommand2, i}, t.gSectionFGColor[n]);
    }
    ShowPreviewFor(preview_ + 1);
}

// The preview shows section `section` (1-based) as the main window would:
// its colours, its button style's geometry and positions, the fonts.
void ThemeDialog::ShowPreviewFor(int section) {
    ThemeView& v = d_.view;
    const Settings& s = d_.settings;
    const auto n = static_cast<size_t>(section);
    const int32_t back = d_.sections.gSectionColor[n], fore = d_.sections.gSectionFGColor[n];
    for (ThemeControl c : {T::Frame1, T::SampleS, T::Command1}) v.SetBackColor({c}, back);
    for (ThemeControl c : {T::PreviewLabel, T::Command1, T::SampleS}) v.SetForeColor({c}, fore);
    v.SetCaption({T::SampleS}, v.Caption({T::Option1, section - 1}));

    const int16_t style = d_.sections.StyleCode(section);
    const ThemeRef button{T::Command1};
    v.ShowSamplePicture(style != 3);
    v.SetCaption(button, style == 0 ? "" : kPreviewCaption);
    ControlGeometry g = kPreviewButton;
    switch (style) {
        case 0:
            v.SetThreeDProperty(button, threed::kPropPicturePosition, s.b1pp);
            g = kPreviewSmallButton;
            break;
        case 1:
            v.SetThreeDProperty(button, threed::kPropCaptionPosition, s.b2cp);
            v.SetThreeDProperty(button, threed::kPropPicturePosition, s.b2pp);
            break;
        case 2:
            v.SetThreeDProperty(button, threed::kPropCaptionPosition, s.b3cp);
            v.SetThreeDProperty(button, threed::kPropPicturePosition, s.b3pp);
            break;
        default:
            v.SetThreeDProperty(button, threed::kPropCaptionPosition, s.b4cp);
            g.height = kPreviewTextOnlyHeight;
            break;
    }
    v.SetGeometry(button, g);
    v.SetFont({T::SampleS}, SectionTabFont(s));
    v.SetFont(button, LaunchButtonFont(s));
    v.SetThreeDProperty(button, threed::kPropButtonStyle, s.gActiveButtons[static_cast<size_t>(style)]);
}

void ThemeDialog::OnSectionFontChange(const std::string& text) {
    d_.settings.sFontName = text;
    RefreshThemePreview();
}

void ThemeDialog::OnButtonFontChange(const std::string& text) {
    d_.settings.bFontName = text;
    RefreshThemePreview();
}

void ThemeDialog::OnSecFSizeChange(const std::string& text) {
    d_.settings.sFontSize = FontSizeFromText(text);
    RefreshThemePreview();
}

void ThemeDialog::OnButFSizeChange(const std::string& text) {
    d_.settings.bFontSize = FontSizeFromText(text);
    RefreshThemePreview();
}

// The 3-D text boxes change only the preview; the settings take them at Close.
void ThemeDialog::OnCheck1Click() {
    d_.view.SetThreeDProperty({T::SampleS}, threed::kPropTextEffect, TextEffect(d_.view.Checked({T::Check1})));
}

void ThemeDialog::OnCheck2Click() {
    d_.view.SetThreeDProperty({T::Command1}, threed::kPropTextEffect, TextEffect(d_.view.Checked({T::Check2})));
}

void ThemeDialog::OnButtonStyleChange(int value) {
    d_.view.SetThreeDProperty({T::SampleS}, threed::kPropButtonStyle, value);
    d_.settings.gSectionStyle = static_cast<int16_t>(value);
}

void ThemeDialog::OnOption1Click(int index) {
    if (index < 0 || index >= kThemeSections) return;
    preview_ = index;
    RefreshThemePreview();
}

void ThemeDialog::ChangeColour(std::array<int32_t, kMaxSections + 1>& colours, int index) {
    if (index < 0 || index >= kThemeSections) return;
    int32_t& colour = colours[static_cast<size_t>(index + 1)];
    const std::optional<int32_t> chosen = d_.view.ChooseColour(colour);
    if (!chosen) return;
    colour = *chosen;
    RefreshThemePreview();
}

void ThemeDialog::OnSSCommand1Click(int index) { ChangeColour(d_.sections.gSectionColor, index); }
void ThemeDialog::OnSSCommand2Click(int index) { ChangeColour(d_.sections.gSectionFGColor, index); }

void ThemeDialog::OnResetClick() {
    const MessageAnswer answer =
        d_.dialogs.ShowMessage("Are you Sure you want to reset to Corvella Defaults?", MessageButtons::YesNo,
                               "Confirm Reset to Defaults", DefaultButton::Second);
    if (answer != MessageAnswer::Yes) return;
    Settings& s = d_.settings;
    s.sFontName = s.bFontName = "MS Sans Serif";
    s.sFontSize = s.bFontSize = 8;
    for (int i = 1; i <= kMaxSections; ++i) {
        d_.sections.gSectionColor[static_cast<size_t>(i)] = kButtonFaceColour;
        d_.sections.gSectionFGColor[static_cast<size_t>(i)] = 0;
    }
    if (d_.showCurrentSection) d_.showCurrentSection(true);
    s.BackColor = kButtonFaceColour;
    LoadThemeControls();
    RefreshThemePreview();
    if (d_.applyLooks) d_.applyLooks();
}

void ThemeDialog::OnCloseClick() {
    d_.settings.gSection3D = d_.view.Checked({T::Check1}) ? 1 : 0;
    d_.settings.gButton3D = d_.view.Checked({T::Check2}) ? 1 : 0;
    if (d_.saveLooksAndSections) d_.saveLooksAndSections();
    if (d_.arrangeWindow) d_.arrangeWindow();
    d_.view.Close();
}

void ThemeDialog::OnUnload() {
    if (d_.applyLooks) d_.applyLooks();
}

}  // namespace corvella
