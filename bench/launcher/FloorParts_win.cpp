// What the floor of a start-up on the shell is made of: the same steps as
// the floor program (the launcher's libraries, OLE, the common controls, one
// shell icon, one window shown and painted), each timed on its own, in the
// order the launcher's loader meets them. The libraries are loaded by name
// one after the other, so each row is what that library adds to the ones
// before it (a library another one imports is paid for by the first).
//
// bench_floor [ROUNDS]: starts itself ROUNDS times after one warm-up start
// and prints the median of each step, from the parent's CreateProcess to the
// window painted.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The launcher's imports beyond kernel32, user32 and gdi32 (which the
// minimal window program has too): first those a window of shell icons
// needs before it paints, then those only later work needs.
const char* const kLibraries[] = {"advapi32.dll", "comctl32.dll", "shell32.dll", "ole32.dll",
                                  "comdlg32.dll", "oleaut32.dll", "winmm.dll"};
constexpr int kLibraryCount = sizeof kLibraries / sizeof kLibraries[0];

// The steps after the libraries; the first row is the process's start.
const char* const kSteps[] = {"OleInitialize", "InitCommonControlsEx", "first shell icon (SHGetFileInfoA)",
                              "window made, shown and painted"};
constexpr int kStepCount = sizeof kSteps / sizeof kSteps[0];
constexpr int kMarks = 1 + kLibraryCount + kStepCount;  // WinMain, then one per row

long long Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

template <typename Function>
Function Entry(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// The measured start: writes the counter's reading after each step to `out`.
int RunChild(const char* out) {
    std::vector<long long> marks;
    marks.push_back(Now());
    // Never freed: the steps below use them, and the process ends soon.
    for (const char* library : kLibraries) {
        LoadLibraryA(library);
        marks.push_back(Now());
    }
    using OleInit = HRESULT(WINAPI*)(LPVOID);
    using OleUninit = void(WINAPI*)();
    using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using FileInfo = DWORD_PTR(WINAPI*)(LPCSTR, DWORD, SHFILEINFOA*, UINT, UINT);
    HMODULE ole32 = GetModuleHandleA("ole32.dll");
    const auto oleInitialize = Entry<OleInit>(ole32, "OleInitialize");
    const bool ole = oleInitialize && SUCCEEDED(oleInitialize(nullptr));
    marks.push_back(Now());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    if (auto init = Entry<InitControls>(GetModuleHandleA("comctl32.dll"), "InitCommonControlsEx")) init(&controls);
    marks.push_back(Now());
    SHFILEINFOA info{};
    if (auto fileInfo = Entry<FileInfo>(GetModuleHandleA("shell32.dll"), "SHGetFileInfoA"))
        fileInfo("C:\\windows\\notepad.exe", 0, &info, sizeof info, SHGFI_SYSICONINDEX);
    marks.push_back(Now());
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "FloorPartsWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowA("FloorPartsWindow", " Floor", WS_OVERLAPPEDWINDOW, 100, 0, 166, 700, nullptr, nullptr,
                                wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    marks.push_back(Now());
    DestroyWindow(window);
    if (ole) Entry<OleUninit>(ole32, "OleUninitialize")();

    FILE* file = std::fopen(out, "w");
    if (!file) return 1;
    for (long long mark : marks) std::fprintf(file, "%lld\n", mark);
    std::fclose(file);
    return 0;
}

// One start of this program as the child; the reading before CreateProcess
// comes first, then the child's. Empty when the child failed.
std::vector<long long> TimeChild(const std::string& self, const std::string& out) {
    const std::string line = "\"" + self + "\" child \"" + out + "\"";
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<long long> marks{Now()};
    if (!CreateProcessA(self.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return {};
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    FILE* file = std::fopen(out.c_str(), "r");
    if (!file) return {};
    long long mark = 0;
    while (std::fscanf(file, "%lld", &mark) == 1) marks.push_back(mark);
    std::fclose(file);
    DeleteFileA(out.c_str());
    return marks.size() == 1 + kMarks ? marks : std::vector<long long>{};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "child") return RunChild(argv[2]);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    char self[MAX_PATH], temp[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    GetTempPathA(MAX_PATH, temp);
    const std::string out = std::string(temp) + "corvella-floor-" + std::to_string(GetCurrentProcessId()) + ".txt";
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double msPerTick = 1000.0 / static_cast<double>(frequency.QuadPart);

    TimeChild(self, out);  // the first start pays for the disk cache
    std::vector<std::vector<double>> steps(kMarks);
    std::vector<double> totals;
    for (int round = 0; round < rounds; ++round) {
        const std::vector<long long> marks = TimeChild(self, out);
        if (marks.empty()) {
            std::printf("the measured start failed\n");
            return 1;
        }
        for (int i = 0; i < kMarks; ++i) steps[i].push_back(static_cast<double>(marks[i + 1] - marks[i]) * msPerTick);
        totals.push_back(static_cast<double>(marks.back() - marks.front()) * msPerTick);
    }
    std::printf("%-44s %9s\n", "step of the floor (in this order)", "ms (med.)");
    std::printf("%-44s %9.1f\n", "process start to WinMain", Median(steps[0]));
    for (int i = 0; i < kLibraryCount; ++i)
        std::printf("%-44s %9.1f\n", ("LoadLibrary " + std::string(kLibraries[i])).c_str(), Median(steps[1 + i]));
    for (int i = 0; i < kStepCount; ++i)
        std::printf("%-44s %9.1f\n", kSteps[i], Median(steps[1 + kLibraryCount + i]));
    std::printf("%-44s %9.1f\n", "total (median of the totals)", Median(totals));
    std::printf("(%d rounds; the machine is shared, so compare rows of one run only)\n", rounds);
    return 0;
}
