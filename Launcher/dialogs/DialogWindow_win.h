#pragma once
// A modal dialog built at run time: an empty dialog template sized in pixels,
// whose controls the subclass creates in OnInit. One C++ object per dialog,
// attached at WM_INITDIALOG; messages are unpacked into the calls below, and
// nothing thrown leaves the dialog procedure. The 3-D controls on the dialog
// report to the object through threed::Events.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "../external/ThreeD_win.h"

namespace corvella {

class ModalDialog : public threed::Events {
public:
    // Shows the dialog over `owner` until it ends; its client area is
    // `width` x `height` pixels at 96 dpi (more at higher resolutions). The result passed to End, or -1 when the
    // dialog could not be made.
    INT_PTR Run(HWND owner, const std::string& title, int width, int height);
    void End(INT_PTR result);
    HWND Handle() const { return dialog_; }

protected:
    virtual void OnInit() = 0;
    virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    // A slider (track bar) moved, by the user or the keyboard.
    virtual void OnSlider(HWND /*slider*/) {}
    virtual void OnNotify(const NMHDR& /*header*/) {}
    // The close box, Alt+F4 or Escape.
    virtual void OnCloseRequest() { End(IDCANCEL); }
    // The dialog goes away, whichever way it ends.
    virtual void OnDestroy() {}
    // The brush of a static text's background, or nullptr for the dialog's.
    virtual HBRUSH OnStaticColour(HDC /*dc*/, HWND /*control*/) { return nullptr; }

    // Controls on the dialog, positioned in pixels at 96 dpi: the dialog
    // scales them, and its font, to the screen's resolution.
    HWND Label(const std::string& text, int x, int y, int width, int height, bool bold = false);
    HWND Child(const char* cls, DWORD style, int id, int x, int y, int width, int height,
               const std::string& text = "");
    HWND Slider(int id, bool vertical, int minimum, int maximum, int pageStep, int x, int y, int width,
                int height);
    // A 3-D control with a caption, shown.
    HWND ThreeD(HWND control, const std::string& caption, int x, int y, int width, int height);

    HFONT boldFont_ = nullptr;

    // A length of the 96-dpi design at the screen's resolution.
    int Scaled(int pixels) const { return MulDiv(pixels, dpi_, 96); }

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Initialise();

    HWND dialog_ = nullptr;
    int width_ = 0, height_ = 0;
    int dpi_ = 96;
    HFONT font_ = nullptr;  // the dialog font at the screen's resolution
};

// A slider's position, and setting it without raising a change.
int SliderPosition(HWND slider);
void SetSliderPosition(HWND slider, int value);

// The text of a window.
std::string TextOf(HWND window);

// Opens the platform's colour chooser on `current` (an OLE colour); the
// chosen colour, or nothing when the user cancels.
bool ChooseColourFor(HWND owner, int32_t current, int32_t& chosen);

}  // namespace corvella
