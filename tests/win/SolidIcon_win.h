#pragma once
// A 16 x 16 icon of one colour, for tests that look for an icon's pixels.
#include <windows.h>

namespace corvella::testing {

inline HICON SolidIcon(COLORREF colour) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colourBits = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    auto* px = static_cast<DWORD*>(bits);
    for (int i = 0; i < 256; ++i) px[i] = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO ii{TRUE, 0, 0, mask, colourBits};
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(mask);
    DeleteObject(colourBits);
    return icon;
}

}  // namespace corvella::testing
