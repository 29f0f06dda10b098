// threed_gallery.exe: every look of the 3-D control family on one window, for
// review by eye (the e2e run saves a screenshot of it). Rows: the four button
// styles with both text effects and the common picture/caption layouts; the
// thirteen picture positions; the nine caption positions; panels, check boxes
// and coloured buttons.
#include <windows.h>

#include <string>

#include "external/ThreeD_win.h"

namespace {

using namespace corvella::threed;

constexpr char kGalleryClass[] = "CorvellaThreeDGallery";
int gNextId = 1;

struct Icons {
    HICON app, info, warning, question;
};

HWND Make(HWND (*create)(HWND, int, Events*), HWND parent, int x, int y, int w, int h, const char* caption) {
    HWND control = create(parent, gNextId++, nullptr);
    SetCaption(control, caption);
    SetWindowPos(control, nullptr, x, y, w, h, SWP_NOZORDER | SWP_SHOWWINDOW);
    return control;
}

void Label(HWND parent, int x, int y, int w, const char* text) {
    HWND label = Make(CreatePanel, parent, x, y, w, 18, text);
    SetProperty(label, kPropButtonStyle, 4);
    SetProperty(label, kPropCaptionPosition, 1);
    SetFont(label, {"Tahoma", 8, true, false});
}

HWND Button(HWND parent, int x, int y, int w, int h, const char* caption, int style, int effect, HICON icon,
            int picture, int captionAt) {
    HWND b = Make(CreateButton, parent, x, y, w, h, caption);
    SetProperty(b, kPropButtonStyle, style);
    SetProperty(b, kPropTextEffect, effect);
    SetProperty(b, kPropPicturePosition, picture);
    SetProperty(b, kPropCaptionPosition, captionAt);
    if (icon) SetPicture(b, icon);
    return b;
}

// The four styles, each in the launcher's common layouts.
void StyleRows(HWND parent, const Icons& icons, int top) {
    const char* heads[] = {"large, flat", "large, raised text", "small", "icon left", "text only",
                           "current tab", "disabled"};
    const int xs[] = {70, 205, 340, 394, 529, 664, 799};
    for (int i = 0; i < 7; ++i) Label(parent, xs[i], top, 125, heads[i]);
    for (int style = 1; style <= 4; ++style) {
        int y = top + 20 + (style - 1) * 72;
        Label(parent, 8, y + 22, 60, ("style " + std::to_string(style)).c_str());
        Button(parent, xs[0], y, 125, 63, "Notepad", style, 0, icons.app, 6, 8);
        Button(parent, xs[1], y, 125, 63, "Notepad", style, 3, icons.info, 6, 8);
        Button(parent, xs[2], y + 9, 44, 44, "", style, 0, icons.warning, 7, 7);
        Button(parent, xs[3], y + 12, 125, 40, "Calculator", style, 3, icons.question, 9, 7);
        Button(parent, xs[4], y + 16, 125, 30, "Text only", style, 3, nullptr, 7, 7);
        HWND tab = Button(parent, xs[5], y + 16, 125, 30, "Section 1", style, 3, nullptr, 7, 7);
        SetProperty(tab, kPropTabLook, 1);
        HWND off = Button(parent, xs[6], y, 125, 63, "Disabled", style, 3, icons.app, 6, 8);
        EnableWindow(off, FALSE);
    }
}

void PicturePositions(HWND parent, const Icons& icons, int top) {
    Label(parent, 8, top, 400, "picture positions 0 to 12 (caption position 7)");
    for (int p = 0; p <= 12; ++p) {
        std::string caption = std::to_string(p);
        int x = 8 + p * 70;
        Button(parent, x, top + 20, 66, 66, caption.c_str(), 2, 0, icons.info, p, 7);
    }
}

void CaptionPositions(HWND parent, int top) {
    Label(parent, 8, top, 400, "caption positions 0 to 8 (no picture)");
    for (int c = 0; c <= 8; ++c) {
        std::string caption = "cp " + std::to_string(c);
        Button(parent, 8 + c * 101, top + 20, 96, 44, caption.c_str(), 2, 3, nullptr, 7, c);
    }
}

void PanelsChecksColours(HWND parent, const Icons& icons, int top) {
    Label(parent, 8, top, 300, "panels (styles 1 to 4), check boxes, colours");
    for (int style = 1; style <= 4; ++style) {
        HWND panel = Make(CreatePanel, parent, 8 + (style - 1) * 110, top + 20, 104, 36,
                          ("Panel " + std::to_string(style)).c_str());
        SetProperty(panel, kPropButtonStyle, style);
        SetProperty(panel, kPropTextEffect, style == 2 ? 3 : 0);
    }
    HWND on = Make(CreateCheck, parent, 450, top + 20, 140, 18, "Checked");
    SetProperty(on, kPropValue, 1);
    Make(CreateCheck, parent, 450, top + 40, 140, 18, "Unchecked");
    HWND off = Make(CreateCheck, parent, 600, top + 20, 180, 18, "Disabled, checked");
    SetProperty(off, kPropValue, 1);
    EnableWindow(off, FALSE);

    struct Colours {
        int32_t back, fore;
        const char* name;
    };
    const Colours colours[] = {{0x00804000, 0x00FFFFFF, "Blue"}, {0x0000C0FF, 0x00000000, "Amber"},
                               {0x00408000, 0x00FFFFFF, "Green"}};
    for (int i = 0; i < 3; ++i) {
        HWND b = Button(parent, 8 + i * 135, top + 64, 125, 63, colours[i].name, 1 + i, 3, icons.app, 6, 8);
        SetBackColor(b, colours[i].back);
        SetForeColor(b, colours[i].fore);
    }
    HWND big = Button(parent, 420, top + 64, 200, 63, "Bold Italic 11", 2, 3, icons.question, 9, 7);
    SetFont(big, {"Times New Roman", 11, true, true});
    HWND tip = Button(parent, 630, top + 64, 63, 63, "", 2, 0, icons.warning, 7, 7);
    SetToolTip(tip, "icon only: the tool tip names it");

    // The bottom bar's small buttons are only 14 pixels high.
    Label(parent, 8, top + 140, 300, "bottom bar buttons, 37 x 14 and 60 x 24 pixels");
    const char* bar[] = {"A: disk", "Move", "Glued"};
    for (int i = 0; i < 3; ++i) Button(parent, 8 + i * 45, top + 162, 37, 14, bar[i], 2, 0, nullptr, 7, 7);
    for (int style = 1; style <= 4; ++style)
        Button(parent, 150 + style * 66, top + 157, 60, 24, "Options", style, 3, nullptr, 7, 7);
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!RegisterClasses(instance)) return 1;
    WNDCLASSA wc{};
    wc.lpfnWndProc = GalleryProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kGalleryClass;
    if (!RegisterClassA(&wc)) return 1;
    RECT frame{0, 0, 935, 690};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExA(0, kGalleryClass, "3-D control gallery", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  10, 10, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  instance, nullptr);
    if (!window) return 1;
    // 32-pixel icons at any resolution, as the launcher's large image list holds.
    auto icon = [](LPCSTR id) {
        return static_cast<HICON>(LoadImageA(nullptr, id, IMAGE_ICON, 32, 32, LR_SHARED));
    };
    Icons icons{icon(IDI_APPLICATION), icon(IDI_INFORMATION), icon(IDI_WARNING), icon(IDI_QUESTION)};
    StyleRows(window, icons, 6);
    PicturePositions(window, icons, 320);
    CaptionPositions(window, 416);
    PanelsChecksColours(window, icons, 490);
    ShowWindow(window, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
