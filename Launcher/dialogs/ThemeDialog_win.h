#pragma once
// The theme dialog's window: its controls, laid out in pixels, and the
// view the core's handlers act through.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "../platform/Screen.h"
#include "DialogWindow_win.h"
#include "ThemeDialog.h"

namespace corvella {

// Control ids, so that test tools find the controls (GetDlgItem).
namespace theme_ids {
constexpr int kSectionFont = 101, kSecFSize = 102, kButtonFont = 103, kButFSize = 104, kButtonStyle = 105;
constexpr int kOption1 = 200, kSSCommand1 = 300, kSSCommand2 = 400;
constexpr int kCheck1 = 501, kCheck2 = 502, kReset = 503, kClose = 504;
constexpr int kSampleS = 505, kCommand1 = 506, kFrame1 = 507;
}  // namespace theme_ids

inline constexpr char kThemeTitle[] = "Corvella Looks";

class ThemeDialogWindow final : public ModalDialog, private ThemeView {
public:
    // `makeDeps` gives the handlers' dependencies with this window as their view.
    ThemeDialogWindow(const std::function<ThemeDeps(ThemeView&)>& makeDeps, const Screen& screen,
                      std::string programFolder);
    ~ThemeDialogWindow() override;

    // Shows the dialog modally over `owner` until it closes.
    void Show(HWND owner);

private:
    // The window.
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnSlider(HWND slider) override;
    void OnDestroy() override;
    HBRUSH OnStaticColour(HDC dc, HWND control) override;
    void OnClick(int id) override;
    void CreateGlobalControls();
    void CreateSectionControls();
    void CreatePreview();

    // ThemeView.
    void ClearFontLists() override;
    void SetFontNames(const std::vector<std::string>& names) override;
    void SetText(ThemeRef c, const std::string& text) override;
    void SetChecked(ThemeRef c, bool checked) override;
    bool Checked(ThemeRef c) const override;
    void SetSliderValue(ThemeRef c, int value) override;
    void SetCaption(ThemeRef c, const std::string& caption) override;
    std::string Caption(ThemeRef c) const override;
    void SetBackColor(ThemeRef c, int32_t oleColour) override;
    void SetForeColor(ThemeRef c, int32_t oleColour) override;
    void SetFont(ThemeRef c, const ControlFont& font) override;
    void SetThreeDProperty(ThemeRef c, int dispatchId, int32_t value) override;
    void SetGeometry(ThemeRef c, const ControlGeometry& twips) override;
    void ShowSamplePicture(bool shown) override;
    std::optional<int32_t> ChooseColour(int32_t current) override;
    void Close() override;

    HWND Find(ThemeRef c) const;
    HWND ThreeDOf(ThemeRef c) const;

    ThemeDialog dialog_;
    const Screen& screen_;
    std::string programFolder_;
    std::map<std::pair<int, int>, HWND> controls_;
    // The picture the preview button shows: the large sample picture.
    HBITMAP samplePicture_ = nullptr;
    // Set while the handlers fill the controls, whose change notices then
    // are not the user's.
    bool filling_ = false;
    RECT frame_{};
    // The text colour of the "Preview Area" label.
    int32_t labelColour_ = 0;
};

}  // namespace corvella
