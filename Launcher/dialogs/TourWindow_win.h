#pragma once
// frmTour: two pages of pictures from the program folder, paged with Next
// and Back; the second page shows the program's name and version under its
// picture.
#include <string>

#include "AuxWindow_win.h"

namespace corvella {

class TourWindow final : public AuxWindow {
public:
    TourWindow(HINSTANCE instance, const Screen& screen, std::string programFolder)
        : instance_(instance), screen_(screen), programFolder_(std::move(programFolder)) {}
    ~TourWindow() override;

    // Shows page 1 and returns when the window is closed.
    void ShowModal(HWND owner, bool largeFonts);

    static constexpr char kClassName[] = "CorvellaTour";
    // Command1 and Command2; not the ids of OK and Cancel, which the dialog
    // keys send.
    static constexpr int kNextId = 101;
    static constexpr int kBackId = 102;
    static constexpr int kTitleId = 10;
    static constexpr int kVersionId = 11;

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Create(bool largeFonts);
    void ShowPage(int page);
    void Paint(HDC dc) override;

    HINSTANCE instance_;
    const Screen& screen_;
    std::string programFolder_;
    HBITMAP picture_ = nullptr;
    RECT pictureRect_{};
    HWND next_ = nullptr, back_ = nullptr, title_ = nullptr, version_ = nullptr;
};

}  // namespace corvella
