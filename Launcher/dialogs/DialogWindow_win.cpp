#include "DialogWindow_win.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

#include "../mainwindow/MainWindow_win.h"
#include "../platform/SystemLibrary_win.h"

namespace corvella {

namespace {

// The template of an empty modal dialog: no controls, the standard class,
// the title in UTF-16. Its size is set in pixels once it exists.
std::wstring WideText(const std::string& text) {
    int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), count);
    return wide;
}

std::vector<WORD> EmptyTemplate(const std::string& title) {
    DLGTEMPLATE header{DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                       0, 0, 0, 0, 100, 100};
    std::vector<WORD> words(sizeof header / sizeof(WORD));
    memcpy(words.data(), &header, sizeof header);
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    for (wchar_t c : WideText(title)) words.push_back(static_cast<WORD>(c));
    words.push_back(0);
    return words;
}

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

INT_PTR ModalDialog::Run(HWND owner, const std::string& title, int width, int height) {
    dpi_ = ScreenDpi();
    width_ = Scaled(width);
    height_ = Scaled(height);
    const std::vector<WORD> words = EmptyTemplate(title);
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                   owner, &ModalDialog::Procedure, reinterpret_cast<LPARAM>(this));
}

void ModalDialog::End(INT_PTR result) {
    if (dialog_) EndDialog(dialog_, result);
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    ModalDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<ModalDialog*>(lParam);
        self->dialog_ = dialog;
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    }
    if (!self) return FALSE;
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
}

INT_PTR ModalDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: Initialise(); return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
                OnCloseRequest();
                return TRUE;
            }
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_HSCROLL: case WM_VSCROLL:
            if (lParam) OnSlider(reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return TRUE;
        case WM_CLOSE: OnCloseRequest(); return TRUE;
        case WM_CTLCOLORSTATIC: {
            HBRUSH brush = OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            return reinterpret_cast<INT_PTR>(brush);
        }
        case WM_DESTROY:
            OnDestroy();
            if (boldFont_) DeleteObject(boldFont_);
            boldFont_ = nullptr;
            if (font_ && font_ != GuiFont()) DeleteObject(font_);
            font_ = nullptr;
            dialog_ = nullptr;
            return FALSE;
        default: return FALSE;
    }
}

void ModalDialog::Initialise() {
    RECT frame{0, 0, width_, height_};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog_, GWL_EXSTYLE)));
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    // Centred on the screen's work area.
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(dialog_, nullptr, work.left + (work.right - work.left - w) / 2,
                 work.top + (work.bottom - work.top - h) / 2, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    LOGFONTA face{};
    GetObjectA(GuiFont(), sizeof face, &face);
    face.lfHeight = Scaled(face.lfHeight);
    font_ = dpi_ == 96 ? GuiFont() : CreateFontIndirectA(&face);
    if (!font_) font_ = GuiFont();
    face.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectA(&face);
    threed::RegisterClasses(GetModuleHandleA(nullptr));
    OnInit();
}

HWND ModalDialog::Child(const char* cls, DWORD style, int id, int x, int y, int width, int height,
                        const std::string& text) {
    HWND control = CreateWindowExA(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, Scaled(x),
                                   Scaled(y), Scaled(width), Scaled(height), dialog_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_ ? font_ : GuiFont()), FALSE);
    return control;
}

HWND ModalDialog::Label(const std::string& text, int x, int y, int width, int height, bool bold) {
    HWND label = Child("STATIC", SS_LEFT, -1, x, y, width, height, text);
    if (label && bold && boldFont_) SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
    return label;
}

HWND ModalDialog::Slider(int id, bool vertical, int minimum, int maximum, int pageStep, int x, int y, int width,
                         int height) {
    const DWORD style = WS_TABSTOP | TBS_AUTOTICKS | (vertical ? TBS_VERT : TBS_HORZ);
    HWND slider = Child(TRACKBAR_CLASSA, style, id, x, y, width, height);
    if (!slider) return nullptr;
    SendMessageA(slider, TBM_SETRANGE, FALSE, MAKELPARAM(minimum, maximum));
    SendMessageA(slider, TBM_SETLINESIZE, 0, 1);
    SendMessageA(slider, TBM_SETPAGESIZE, 0, pageStep);
    SendMessageA(slider, TBM_SETTICFREQ, static_cast<WPARAM>(maximum - minimum > 20 ? 10 * pageStep : 1), 0);
    return slider;
}

HWND ModalDialog::ThreeD(HWND control, const std::string& caption, int x, int y, int width, int height) {
    if (!control) return nullptr;
    threed::SetCaption(control, caption);
    SetWindowPos(control, nullptr, Scaled(x), Scaled(y), Scaled(width), Scaled(height), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(control, SW_SHOWNA);
    return control;
}

int SliderPosition(HWND slider) { return static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0)); }

void SetSliderPosition(HWND slider, int value) { SendMessageA(slider, TBM_SETPOS, TRUE, value); }

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

bool ChooseColourFor(HWND owner, int32_t current, int32_t& chosen) {
    // The chooser's sixteen custom colours last for the program's run.
    static COLORREF custom[16] = {};
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = ColourFromOle(current);
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_ANYCOLOR | CC_FULLOPEN;
    using Choose = BOOL(WINAPI*)(CHOOSECOLORA*);
    const auto choose = SystemFunctionOf<Choose>("comdlg32.dll", "ChooseColorA");
    if (!choose || !choose(&dialog)) return false;
    chosen = static_cast<int32_t>(dialog.rgbResult);
    return true;
}

}  // namespace corvella
