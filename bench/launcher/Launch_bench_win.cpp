// Click to process start: the time from a click on a launch button to the
// launched program running (the probe writes its log line), against starting
// the same probe directly with CreateProcessA, alternating in one run.
// Reports medians and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ProcessWindow_win.h"

namespace {

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

DWORD LogSize(const std::string& log) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExA(log.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

// Milliseconds from `start` until the probe's log has grown past `before`;
// negative on timeout.
double WaitForGrowth(const std::string& log, DWORD before, double start) {
    for (int i = 0; i < 20000; ++i) {
        if (LogSize(log) > before) return NowMs() - start;
        Sleep(1);
    }
    return -1;
}

double DirectStart(const std::string& probe, const std::string& folder, const std::string& log) {
    const DWORD before = LogSize(log);
    std::vector<char> commandLine(probe.begin(), probe.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!CreateProcessA(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return -1;
    const double ms = WaitForGrowth(log, before, start);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ms;
}

double ClickStart(HWND button, const std::string& log) {
    const DWORD before = LogSize(log);
    const double start = NowMs();
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    const double ms = WaitForGrowth(log, before, start);
    Sleep(50);  // the probe ends before the next round
    return ms;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "corvella-launch-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string probe = folder + "\\probe.exe", log = folder + "\\probe.log";
    CopyFileA(CORVELLA_DIST_DIR "\\corvella.exe", (folder + "\\corvella.exe").c_str(), FALSE);
    CopyFileA(PROBE_EXE, probe.c_str(), FALSE);
    const std::string ini = "[Options]\r\nEnableSound=0\r\nSection1Name=Bench\r\n[Buttons]\r\nButton1=" + probe +
                            "\xFF" "1\xFF\xFF" "Probe\xFF\r\n";
    HANDLE file = CreateFileA((folder + "\\Corvella.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
    CloseHandle(file);
    SetEnvironmentVariableA("CORVELLA_PROBE_LOG", log.c_str());

    const std::string launcherExe = folder + "\\corvella.exe";
    std::vector<char> commandLine(launcherExe.begin(), launcherExe.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(launcherExe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        std::printf("the launcher did not start\n");
        return 1;
    }
    HWND window = nullptr;
    for (int i = 0; i < 3000 && !window; ++i) {
        window = corvella::bench::FindProcessWindow(process.dwProcessId, "CorvellaMainWindow");
        if (!window) Sleep(10);
    }
    HWND button = window ? GetDlgItem(window, 2000) : nullptr;
    int code = 1;
    if (button) {
        constexpr int kRounds = 9;
        std::vector<double> direct, clicked;
        DirectStart(probe, folder, log);  // the first start of any program pays for the disk cache
        for (int round = 0; round < kRounds; ++round) {
            direct.push_back(DirectStart(probe, folder, log));
            clicked.push_back(ClickStart(button, log));
        }
        const bool failed = std::count_if(clicked.begin(), clicked.end(), [](double v) { return v < 0; }) > 0;
        if (failed) {
            std::printf("a click did not start the probe\n");
        } else {
            const double d = Median(direct), c = Median(clicked);
            std::printf("%-44s %12s %10s\n", "probe program running", "ms (median)", "ratio");
            std::printf("%-44s %12.1f %10.2f\n", "baseline: CreateProcessA", d, 1.0);
            std::printf("%-44s %12.1f %10.2f\n", "click on its launch button", c, c / d);
            code = 0;
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else {
        std::printf("the launcher's window did not appear\n");
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (const char* name : {"\\corvella.exe", "\\probe.exe", "\\probe.log", "\\Corvella.ini"})
        DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());
    return code;
}
