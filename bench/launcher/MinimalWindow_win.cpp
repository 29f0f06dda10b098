// The baselines of the start-up benchmark: a program that only registers a
// class, shows one window of the launcher's size and runs a message loop.
// Built a second time with WITH_SHELL_LIBRARIES: that program first does what
// any launcher built on the shell must before its window can show: it loads
// the libraries the launcher loads (shell, OLE, common controls, with the
// launcher's manifest), starts OLE, and with the argument "icon" asks the
// shell for one icon, which sets up the shell's icon lists.
#include <windows.h>

#ifdef WITH_SHELL_LIBRARIES
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstring>
#endif

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
#ifdef WITH_SHELL_LIBRARIES
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (std::strstr(commandLine, "icon")) {
        SHFILEINFOA info{};
        SHGetFileInfoA("C:\\windows\\notepad.exe", 0, &info, sizeof info, SHGFI_SYSICONINDEX);
    }
#else
    (void)commandLine;
#endif
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "MinimalWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowA("MinimalWindow", " Minimal", WS_OVERLAPPEDWINDOW, 100, 0, 166, 700,
                                nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
#ifdef WITH_SHELL_LIBRARIES
    if (ole) OleUninitialize();
#endif
    return 0;
}
