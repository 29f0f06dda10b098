#include "Host_win.h"

#include <sstream>

namespace corvella::testing {

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* HostClass() {
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "CorvellaThreeDTestHost";
        RegisterClassA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

std::string Join(std::initializer_list<long> values, const char* verb) {
    std::ostringstream out;
    out << verb;
    for (long v : values) out << ' ' << v;
    return out.str();
}

void SendOne(INPUT input) { SendInput(1, &input, sizeof input); }

}  // namespace

Host::Host(int width, int height) {
    threed::RegisterClasses(GetModuleHandleA(nullptr));
    window_ = CreateWindowExA(WS_EX_TOPMOST, HostClass(), "3-D test host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                              40, 40, width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(window_);
    Pump(50);
}

Host::~Host() {
    if (window_) DestroyWindow(window_);
    Pump(10);
}

void Recorder::OnClick(int id) { lines.push_back(Join({id}, "click")); }
void Recorder::OnMouseDown(int id, int button, int shift, int x, int y) {
    lines.push_back(Join({id, button, shift, x, y}, "down"));
}
void Recorder::OnMouseUp(int id, int button, int shift, int x, int y) {
    lines.push_back(Join({id, button, shift, x, y}, "up"));
}
void Recorder::OnKeyDown(int id, int key, int shift) { lines.push_back(Join({id, key, shift}, "keydown")); }
void Recorder::OnKeyUp(int id, int key, int shift) { lines.push_back(Join({id, key, shift}, "keyup")); }
void Recorder::OnDragOver(int id, int sourceId, int, int, int state) {
    lines.push_back(Join({id, sourceId, state}, "dragover"));
}
void Recorder::OnDragDrop(int id, int sourceId, int, int) { lines.push_back(Join({id, sourceId}, "dragdrop")); }
void Recorder::OnFilesDragOver(int id) { lines.push_back(Join({id}, "filesover")); }
void Recorder::OnFilesDropped(int id, const std::vector<std::string>& paths, int x, int y) {
    lines.push_back(Join({id, static_cast<long>(paths.size()), x, y}, "files"));
    droppedPaths = paths;
}

std::vector<std::string> Recorder::Starting(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& line : lines)
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    } while (GetTickCount() - start < ms);
}

void MoveMouseTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendOne(input);
    Pump(30);
}

void MouseButton(int button, bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    switch (button) {
    case threed::kRightButton: input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP; break;
    case threed::kMiddleButton: input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP; break;
    default: input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP; break;
    }
    SendOne(input);
    Pump(30);
}

void Key(WORD virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendOne(input);
    Pump(30);
}

POINT ScreenPointIn(HWND window, int dx, int dy) {
    POINT p{dx, dy};
    ClientToScreen(window, &p);
    return p;
}

std::string WindowTextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace corvella::testing
