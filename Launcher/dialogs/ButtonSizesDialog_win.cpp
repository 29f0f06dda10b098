#include "ButtonSizesDialog_win.h"

namespace corvella {

namespace {

namespace ids = button_ids;

constexpr int kWidth = 600, kHeight = 460;
// The pages' area inside the tab strip, and places on a page.
constexpr POINT kPage{20, 44};
constexpr SIZE kPageSize{560, 356};
constexpr int kColumn = 430;  // the position and style sliders
constexpr POINT kSampleAt{12, 110};
constexpr int kFullWidthSample = 330;

const char* RoleLabel(SliderRole role) {
    switch (role) {
        case SliderRole::Width: return "Width";
        case SliderRole::Height: return "Height";
        case SliderRole::PicturePosition: return "Icon Position";
        case SliderRole::CaptionPosition: return "Caption Position";
    }
    return "";
}

}  // namespace

ButtonSizesDialogWindow::ButtonSizesDialogWindow(const std::function<ButtonSizesDeps(ButtonSizesView&)>& makeDeps)
    : dialog_(makeDeps(*this)), screen_(dialog_.screen()) {}

void ButtonSizesDialogWindow::Show(HWND owner) { Run(owner, kButtonSizesTitle, kWidth, kHeight); }

void ButtonSizesDialogWindow::OnInit() {
    for (int page = 1; page <= kButtonPages; ++page) CreatePage(page);
    CreateTabStrip();
    ThreeD(threed::CreateButton(Handle(), ids::kClose, this), "&Close", kWidth - 230, kHeight - 44, 104, 30);
    ThreeD(threed::CreateButton(Handle(), ids::kCancel, this), "Cancel", kWidth - 116, kHeight - 44, 104, 30);
    dialog_.OnActivate();
}

// The tab strip lies under the pages, at the bottom of the window order.
void ButtonSizesDialogWindow::CreateTabStrip() {
    HWND tabs = Child(WC_TABCONTROLA, TCS_TOOLTIPS | WS_TABSTOP, ids::kTabStrip, 10, 10, kWidth - 20, kHeight - 64);
    int index = 0;
    for (const ButtonPageText& text : ButtonPageTexts()) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(text.caption);
        SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND ButtonSizesDialogWindow::Remember(int page, HWND control) {
    if (control) pages_[static_cast<size_t>(page)].push_back(control);
    return control;
}

void ButtonSizesDialogWindow::CreatePage(int page) {
    const ButtonPageText& text = ButtonPageTexts()[static_cast<size_t>(page - 1)];
    Remember(page, Label(text.title, kPage.x + 12, kPage.y + 10, 530, 16, true));
    Remember(page, Label(text.description, kPage.x + 12, kPage.y + 30, 530, 30));
    for (const SizeSlider& slider : SizeSliders())
        if (slider.page == page) CreateSlider(slider, page);
    const int style = page - 1;
    Remember(page, Label("Button Style", kPage.x + kColumn, kPage.y + 176, 110, 14));
    Remember(page, Slider(ids::kButtonStyle + style, false, kStyleMinimum, kStyleMaximum, 1, kPage.x + kColumn,
                          kPage.y + 192, 110, 30));
    if (style < kSmallIconBoxes)
        Remember(page, ThreeD(threed::CreateCheck(Handle(), ids::kSSCheck + style, this), "Small Icon",
                              kPage.x + kColumn, kPage.y + 236, 110, 20));
    HWND sample = threed::CreateButton(Handle(), ids::kSample + page, this);
    Remember(page, ThreeD(sample, page == 1 ? "" : "Action Button", kPage.x + kSampleAt.x, kPage.y + kSampleAt.y,
                          kFullWidthSample, 60));
    HWND frame = threed::CreatePanel(Handle(), ids::kFrame + page, this);
    Remember(page, ThreeD(frame, "", kPage.x, kPage.y, kPageSize.cx, kPageSize.cy));
    SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ButtonSizesDialogWindow::CreateSlider(const SizeSlider& slider, int page) {
    const int id = ids::kSlider + slider.number;
    HWND control = nullptr;
    switch (slider.role) {
        case SliderRole::Width:
            Remember(page, Label(RoleLabel(slider.role), kPage.x + 12, kPage.y + 72, 50, 14));
            control = Slider(id, false, slider.minimum, slider.maximum, slider.pageStep, kPage.x + 62, kPage.y + 66,
                             290, 30);
            break;
        case SliderRole::Height:
            Remember(page, Label(RoleLabel(slider.role), kPage.x + 366, kPage.y + 66, 50, 14));
            control = Slider(id, true, slider.minimum, slider.maximum, slider.pageStep, kPage.x + 376, kPage.y + 84,
                             30, 210);
            break;
        case SliderRole::PicturePosition:
        case SliderRole::CaptionPosition: {
            const int top = slider.role == SliderRole::PicturePosition ? 66 : 120;
            Remember(page, Label(RoleLabel(slider.role), kPage.x + kColumn, kPage.y + top, 110, 14));
            control = Slider(id, false, slider.minimum, slider.maximum, slider.pageStep, kPage.x + kColumn,
                             kPage.y + top + 16, 110, 30);
            break;
        }
    }
    Remember(page, control);
    sliderNumbers_[control] = slider.number;
}

void ButtonSizesDialogWindow::OnSlider(HWND slider) {
    if (auto it = sliderNumbers_.find(slider); it != sliderNumbers_.end()) return dialog_.OnSliderChange(it->second);
    const int id = GetDlgCtrlID(slider);
    if (id >= ids::kButtonStyle && id < ids::kButtonStyle + kButtonPages)
        dialog_.OnStyleSliderChange(id - ids::kButtonStyle);
}

void ButtonSizesDialogWindow::OnNotify(const NMHDR& header) {
    HWND tabs = Control(ids::kTabStrip);
    if (header.hwndFrom == tabs && header.code == TCN_SELCHANGE) {
        dialog_.OnTabClick(static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)));
        return;
    }
    // The tab strip's tool tips ask for the text of the tab under the pointer.
    if (header.code == TTN_GETDISPINFOA && header.hwndFrom == reinterpret_cast<HWND>(SendMessageA(tabs, TCM_GETTOOLTIPS, 0, 0))) {
        auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
        if (header.idFrom < kButtonPages) info.lpszText = const_cast<char*>(ButtonPageTexts()[header.idFrom].tip);
    }
}

// The close box and Escape cancel.
void ButtonSizesDialogWindow::OnCloseRequest() { dialog_.OnCancelClick(); }

void ButtonSizesDialogWindow::OnClick(int id) {
    if (id >= ids::kSSCheck && id < ids::kSSCheck + kSmallIconBoxes) return dialog_.OnSmallIconClick(id - ids::kSSCheck);
    if (id == ids::kClose) return dialog_.OnCloseClick();
    if (id == ids::kCancel) return dialog_.OnCancelClick();
}

void ButtonSizesDialogWindow::SetSliderValue(int slider, int value) {
    if (HWND control = Control(ids::kSlider + slider)) SetSliderPosition(control, value);
}

int ButtonSizesDialogWindow::SliderValue(int slider) const {
    HWND control = Control(ids::kSlider + slider);
    return control ? SliderPosition(control) : 0;
}

void ButtonSizesDialogWindow::SetStyleSliderValue(int index, int value) {
    if (HWND control = Control(ids::kButtonStyle + index)) SetSliderPosition(control, value);
}

int ButtonSizesDialogWindow::StyleSliderValue(int index) const {
    HWND control = Control(ids::kButtonStyle + index);
    return control ? SliderPosition(control) : kStyleMinimum;
}

void ButtonSizesDialogWindow::SetSmallIcon(int index, bool checked) {
    if (HWND box = Control(ids::kSSCheck + index)) threed::SetProperty(box, threed::kPropValue, checked ? 1 : 0);
}

bool ButtonSizesDialogWindow::SmallIcon(int index) const {
    HWND box = Control(ids::kSSCheck + index);
    return box && threed::Property(box, threed::kPropValue) == 1;
}

void ButtonSizesDialogWindow::SetSampleProperty(int page, int dispatchId, int32_t value) {
    if (HWND sample = Control(ids::kSample + page)) threed::SetProperty(sample, dispatchId, value);
}

void ButtonSizesDialogWindow::SetSampleSize(int page, std::optional<int32_t> widthTwips, int32_t heightTwips) {
    HWND sample = Control(ids::kSample + page);
    if (!sample) return;
    RECT r{};
    GetWindowRect(sample, &r);
    const int width = widthTwips ? PixelsFromTwips(*widthTwips, screen_.TwipsPerPixelX()) : r.right - r.left;
    SetWindowPos(sample, nullptr, 0, 0, width, PixelsFromTwips(heightTwips, screen_.TwipsPerPixelY()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ButtonSizesDialogWindow::ClearSamplePicture(int page) {
    if (HWND sample = Control(ids::kSample + page)) threed::ClearPicture(sample);
}

// The control keeps a copy of the picture; a missing file leaves none.
void ButtonSizesDialogWindow::LoadSamplePicture(int page, const std::string& path) {
    HWND sample = Control(ids::kSample + page);
    if (!sample) return;
    auto picture = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (!picture) return;
    threed::SetPicture(sample, picture);
    DeleteObject(picture);
}

void ButtonSizesDialogWindow::ShowFrame(int page, bool shown) {
    if (page < 1 || page > kButtonPages) return;
    for (HWND control : pages_[static_cast<size_t>(page)]) ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
}

void ButtonSizesDialogWindow::Close() { End(IDOK); }

}  // namespace corvella
