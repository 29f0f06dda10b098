#pragma once
// The button sizes dialog's window: a tab strip over four pages of sliders,
// "Small Icon" boxes and a sample button each, and the view the core's
// handlers act through.
#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <vector>

#include "ButtonSizesDialog.h"
#include "DialogWindow_win.h"

namespace corvella {

// Control ids, so that test tools find the controls (GetDlgItem).
namespace button_ids {
constexpr int kTabStrip = 600;
constexpr int kSlider = 700;       // + slider number 1..13
constexpr int kButtonStyle = 720;  // + index 0..3
constexpr int kSSCheck = 730;      // + index 0..2
constexpr int kSample = 740;       // + page 1..4 (b1..b4)
constexpr int kFrame = 750;        // + page 1..4
constexpr int kClose = 760, kCancel = 761;
}  // namespace button_ids

inline constexpr char kButtonSizesTitle[] = "Customize Button Sizes";

class ButtonSizesDialogWindow final : public ModalDialog, private ButtonSizesView {
public:
    // `makeDeps` gives the handlers' dependencies with this window as their view.
    explicit ButtonSizesDialogWindow(const std::function<ButtonSizesDeps(ButtonSizesView&)>& makeDeps);

    void Show(HWND owner);

private:
    void OnInit() override;
    void OnSlider(HWND slider) override;
    void OnNotify(const NMHDR& header) override;
    void OnCloseRequest() override;
    void OnClick(int id) override;
    void CreateTabStrip();
    void CreatePage(int page);
    void CreateSlider(const SizeSlider& slider, int page);
    HWND Remember(int page, HWND control);

    // ButtonSizesView.
    void SetSliderValue(int slider, int value) override;
    int SliderValue(int slider) const override;
    void SetStyleSliderValue(int index, int value) override;
    int StyleSliderValue(int index) const override;
    void SetSmallIcon(int index, bool checked) override;
    bool SmallIcon(int index) const override;
    void SetSampleProperty(int page, int dispatchId, int32_t value) override;
    void SetSampleSize(int page, std::optional<int32_t> widthTwips, int32_t heightTwips) override;
    void ClearSamplePicture(int page) override;
    void LoadSamplePicture(int page, const std::string& path) override;
    void ShowFrame(int page, bool shown) override;
    void Close() override;

    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    ButtonSizesDialog dialog_;
    const Screen& screen_;
    // The controls of each page, shown and hidden with its frame.
    std::array<std::vector<HWND>, kButtonPages + 1> pages_{};
    std::map<HWND, int> sliderNumbers_;
};

}  // namespace corvella
