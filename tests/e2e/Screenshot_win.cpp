// Screenshots of windows, taken only once what they show has settled.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "Driver_win.h"

namespace corvella::testing {

namespace {

constexpr DWORD kSettleTimeoutMs = 8000;
constexpr DWORD kSettleIntervalMs = 150;

struct Capture {
    int width = 0, height = 0, stride = 0;
    std::vector<char> pixels;  // bottom-up 24-bit rows, as a BMP stores them
    bool operator==(const Capture&) const = default;
};

// Waits until the window's thread has handled everything queued before now,
// its pending paints (of controls just moved or shown) among them.
bool WaitForIdle(HWND window) {
    DWORD_PTR ignored;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored)) return false;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

// A capture's pixels as a bottom-up 24-bit bitmap.
BITMAPINFOHEADER Header(const Capture& c) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = c.width;
    info.biHeight = c.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    return info;
}

bool IsOwnWindow(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

// What the screen shows in `r` now.
Capture CaptureArea(const RECT& r) {
    Capture c;
    c.width = r.right - r.left;
    c.height = r.bottom - r.top;
    if (c.width <= 0 || c.height <= 0) return c;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, c.width, c.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, c.width, c.height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = Header(c);
    c.stride = ((c.width * 3) + 3) & ~3;
    c.pixels.resize(static_cast<size_t>(c.stride) * c.height);
    GetDIBits(memory, bitmap, 0, c.height, c.pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return c;
}

// What the window shows on the screen now.
Capture CaptureWindow(HWND window) {
    RECT r;
    return GetWindowRect(window, &r) ? CaptureArea(r) : Capture{};
}

// The window's client area within a capture of the whole window (rows
// counted from the top); the whole capture for a window without a frame.
RECT ClientPart(HWND window) {
    RECT whole, client;
    GetWindowRect(window, &whole);
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -whole.left, -whole.top);
    return client;
}

// True when every pixel of `part` has the colour of its first one: a frame
// around a client area that nothing painted.
bool IsOneFlatColour(const Capture& c, const RECT& part) {
    if (part.right <= part.left || part.bottom <= part.top) return false;
    auto pixel = [&](int x, int y) {
        return c.pixels.data() + static_cast<size_t>(c.height - 1 - y) * c.stride + static_cast<size_t>(x) * 3;
    };
    const char* first = pixel(part.left, part.top);
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            if (!std::equal(first, first + 3, pixel(x, y))) return false;
    return true;
}

bool WriteBmp(const Capture& c, const std::string& name) {
    BITMAPINFOHEADER info = Header(c);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(c.pixels.size());
    std::ofstream out(std::string(CORVELLA_SCREENSHOT_DIR) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(c.pixels.data(), static_cast<std::streamsize>(c.pixels.size()));
    return static_cast<bool>(out);
}

bool Refuse(const std::string& name, const char* reason) {
    std::fprintf(stderr, "screenshot %s: %s\n", name.c_str(), reason);
    return false;
}

}  // namespace

// Tests of other programs run beside the ones with windows of their own: for
// the picture, such a window goes above every ordinary window.
class KeptInFront {
public:
    explicit KeptInFront(HWND window)
        : window_(IsOwnWindow(window) && !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? window : nullptr) {
        if (window_) SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, kKeep);
    }
    ~KeptInFront() {
        if (window_) SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, kKeep);
    }
    KeptInFront(const KeptInFront&) = delete;
    KeptInFront& operator=(const KeptInFront&) = delete;

private:
    static constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    HWND window_;
};

bool SaveScreenshot(HWND window, const std::string& name) {
    if (!IsWindow(window)) return Refuse(name, "no such window");
    KeptInFront inFront(window);
    Capture previous;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kSettleTimeoutMs) {
        if (!WaitForIdle(window)) return Refuse(name, "the window does not answer");
        Capture now = CaptureWindow(window);
        if (now.pixels.empty()) return Refuse(name, "the window has no area");
        if (now == previous) {
            if (IsOneFlatColour(now, ClientPart(window)))
                return Refuse(name, "the window's client area is one flat colour: nothing was painted");
            return WriteBmp(now, name) || Refuse(name, "the file cannot be written");
        }
        previous = std::move(now);
        Sleep(kSettleIntervalMs);
    }
    return Refuse(name, "what the window shows never settled");
}

bool SaveScreenAreaScreenshot(const RECT& area, const std::string& name) {
    Capture previous;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kSettleTimeoutMs) {
        Capture now = CaptureArea(area);
        if (now.pixels.empty()) return Refuse(name, "the area is empty");
        if (now == previous) return WriteBmp(now, name) || Refuse(name, "the file cannot be written");
        previous = std::move(now);
        Sleep(kSettleIntervalMs);
    }
    return Refuse(name, "what the screen shows never settled");
}

}  // namespace corvella::testing
