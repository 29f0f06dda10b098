#pragma once
// The launcher's main window: a plain top-level window whose placement the
// settings drive in twips.
#include <windows.h>

#include <functional>
#include <optional>

#include "../platform/MainWindowPort.h"
#include "../platform/Screen.h"
#include "../platform/WindowStatePort.h"

namespace corvella {

class MainWindow final : public MainWindowPort, public WindowStatePort {
public:
    explicit MainWindow(const Screen& screen) : screen_(screen) {}
    ~MainWindow() override;

    // Creates the window hidden; the settings then place it.
    bool Create(HINSTANCE instance, const char* title);
    void Show(int showCommand);
    HWND Handle() const { return hwnd_; }

    static constexpr char kClassName[] = "CorvellaMainWindow";

    // Called once before the program ends: for the window's close request,
    // or when the Windows session ends (log-off, shut-down) without one.
    std::function<void()> onCloseRequest;
    // Called when the window becomes the active window.
    std::function<void()> onActivate;

    Placement CurrentPlacement() const override;
    int32_t FrameHeight() const override;
    int32_t FrameWidth() const override;
    void SetLeft(int32_t twips) override;
    void SetTop(int32_t twips) override;
    void SetWidth(int32_t twips) override;
    void SetHeight(int32_t twips) override;
    void SetPlacement(const Placement& twips) override { Place(twips); }
    void SetBackColor(int32_t colour) override;
    void SetTopMost(bool onTop) override;
    bool IsMinimised() const override;
    std::string Title() const override;
    void SetTitle(const std::string& title) override;

    bool IsVisible() const override;
    void RestoreNormal() override;
    void Show() override;
    void MakeVisible() override;
    void Minimise() override;
    void Hide() override;

    // Called after the window's size changed (not while it is being created).
    std::function<void()> onResize;
    // The page scroll bar was moved (its scroll code and thumb position).
    std::function<void(int code, int thumb)> onScroll;
    // The window's own background was clicked (released with the left button).
    std::function<void()> onClick;
    // A timer of the window ticked.
    std::function<void(UINT_PTR timer)> onTimer;
    // The monitors or their resolution changed.
    std::function<void()> onDisplayChange;
    // The brush for a plain child control's background, or nullptr.
    std::function<HBRUSH(HWND control)> onControlColour;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnEndSession(bool ending);
    void RunCloseRequest();
    bool OnEraseBackground(HDC dc);
    void Place(const Placement& twips);
    RECT PixelRect() const;
    // Where the window is, or, while it is minimised, where it comes back to.
    RECT RestoredPixelRect() const;
    // Outer size minus client size, in pixels; nothing while minimised.
    std::optional<SIZE> FramePixels() const;

    const Screen& screen_;
    HWND hwnd_ = nullptr;
    HBRUSH background_ = nullptr;
    bool closeRequestRan_ = false;
    // The placement last set in twips and the pixel rectangle it became: while
    // the window stays there, the twips read back are the ones set, so a
    // load followed by a save writes the same numbers instead of values
    // rounded to whole pixels.
    Placement setTwips_;
    RECT setPixels_{};
};

// An OLE colour (0x00BBGGRR, or 0x800000nn for system colour nn) as a COLORREF.
COLORREF ColourFromOle(int32_t colour);

}  // namespace corvella
