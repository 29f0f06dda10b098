#pragma once
// What the launcher's small auxiliary windows share: a window class whose
// procedure hands each message to the C++ object attached at creation, the
// twip-to-pixel conversions of their layouts, and the modal loop.
#include <windows.h>

#include "../platform/Screen.h"

namespace corvella {

class AuxWindow {
public:
    virtual ~AuxWindow();
    AuxWindow() = default;
    AuxWindow(const AuxWindow&) = delete;
    AuxWindow& operator=(const AuxWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr; }
    void Destroy();

protected:
    // Registers `className` once and creates the window with this object attached.
    bool CreateAux(HINSTANCE instance, const char* className, const char* title, DWORD style, DWORD exStyle,
                   HWND owner, HBRUSH background);
    // Answers a message; false leaves it to the default procedure.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    // The window is going away (its children still exist).
    virtual void OnDestroyed() {}
    // Draws the client area, for windows that paint themselves.
    virtual void Paint(HDC) {}
    // Answers WM_PAINT and WM_PRINTCLIENT through Paint; false for other messages.
    bool PaintMessage(UINT message, WPARAM wParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// Runs messages until `window` is destroyed, with `owner` disabled meanwhile
// (as a modal dialog does). Ends early when the program is asked to quit.
void RunModal(HWND window, HWND owner);

// A rectangle in twips as pixels of this screen.
RECT PixelRectFromTwips(const Screen& screen, int left, int top, int width, int height);

// Draws `picture` stretched over `to`.
void DrawPicture(HDC dc, HBITMAP picture, const RECT& to);

// A push button child with the dialog font.
HWND CreatePushButton(HWND parent, int id, const char* caption, const RECT& pixels);

// Sizes a window so that its client area is `width` x `height` pixels, centred on the work area.
void CentreWithClientSize(HWND window, int width, int height);

}  // namespace corvella
