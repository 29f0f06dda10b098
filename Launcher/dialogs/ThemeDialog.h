#pragma once
// The theme dialog ("Corvella Looks"): fonts, 3-D text, tab style and the
// colours of the 20 sections. Every change goes straight into the settings in
// memory, so there is no cancel; Close saves them and lays the main window
// out again, and however the dialog ends the looks reach the main window.
#include <functional>
#include <string>
#include <vector>

#include "../model/Sections.h"
#include "../platform/Dialogs.h"
#include "../settings/Settings.h"
#include "ThemeView.h"

namespace corvella {

struct ThemeDeps {
    Settings& settings;
    SectionTable& sections;
    ThemeView& view;
    Dialogs& dialogs;
    // The installed font families, positions 1..n (position 0 is unused).
    const std::vector<std::string>& fontList;
    // The caption of the main window's tab `index` (0-based).
    std::function<std::string(int index)> tabCaption;
    std::function<void()> saveLooksAndSections;
    std::function<void()> arrangeWindow;
    std::function<void(bool paint)> showCurrentSection;
    std::function<void()> applyLooks;
};

// The preview button's place and size on its panel, and the small style's.
inline constexpr ControlGeometry kPreviewButton{360, 1350, 2325, 930};
inline constexpr ControlGeometry kPreviewSmallButton{1122, 1350, 800, 800};
inline constexpr int32_t kPreviewTextOnlyHeight = 450;
inline constexpr char kPreviewCaption[] = "Ferrowin Pro 3";

class ThemeDialog {
public:
    explicit ThemeDialog(ThemeDeps deps) : d_(std::move(deps)) {}

    void OnActivate();
    // The font names and sizes from the settings into their controls.
    void LoadThemeControls();
    // The section buttons' colours and the preview of the picked section.
    void RefreshThemePreview();

    void OnSectionFontChange(const std::string& text);
    void OnButtonFontChange(const std::string& text);
    void OnSecFSizeChange(const std::string& text);
    void OnButFSizeChange(const std::string& text);
    void OnCheck1Click();
    void OnCheck2Click();
    void OnButtonStyleChange(int value);
    void OnOption1Click(int index);
    void OnSSCommand1Click(int index);
    void OnSSCommand2Click(int index);
    void OnResetClick();
    void OnCloseClick();
    // The dialog goes away, by Close or any other way.
    void OnUnload();

    int previewIndex() const { return preview_; }

private:
    void ChangeColour(std::array<int32_t, kMaxSections + 1>& colours, int index);
    void ShowPreviewFor(int section);

    ThemeDeps d_;
    int preview_ = 0;
};

// The value of a size box: its leading number, 0 when it starts with none or
// the number does not fit a font size setting.
int16_t FontSizeFromText(const std::string& text);

}  // namespace corvella
