// Start-up time: from CreateProcess to the program's main window being
// visible, for the launcher (from a fresh program folder each round, so it
// reads no settings file) and for a minimal window program, alternating so
// both see the same machine. Reports medians and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ProcessWindow_win.h"

namespace {

// Milliseconds from start to a visible titled window; negative on failure.
double TimeToWindow(const std::string& exe, const std::string& folder) {
    std::vector<char> commandLine(exe.begin(), exe.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return -1;
    HWND found = nullptr;
    double ms = -1;
    for (int i = 0; i < 30000 && !found; ++i) {
        found = corvella::bench::FindProcessWindow(process.dwProcessId, nullptr);
        if (!found) Sleep(1);
    }
    QueryPerformanceCounter(&now);
    if (found) ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (found) PostMessageA(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ms;
}

std::string FreshLauncherFolder(int round) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "corvella-bench-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(round);
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA(CORVELLA_DIST_DIR "\\corvella.exe", (folder + "\\corvella.exe").c_str(), FALSE);
    return folder;
}

void RemoveFolder(const std::string& folder) {
    DeleteFileA((folder + "\\corvella.exe").c_str());
    DeleteFileA((folder + "\\Corvella.ini").c_str());
    RemoveDirectoryA(folder.c_str());
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main() {
    constexpr int kRounds = 9;
    std::vector<double> baseline, launcher;
    TimeToWindow(MINIMAL_WINDOW_EXE, ".");  // the first start of any program pays for the disk cache
    for (int round = 0; round < kRounds; ++round) {
        baseline.push_back(TimeToWindow(MINIMAL_WINDOW_EXE, "."));
        std::string folder = FreshLauncherFolder(round);
        launcher.push_back(TimeToWindow(folder + "\\corvella.exe", folder));
        RemoveFolder(folder);
    }
    if (std::count_if(launcher.begin(), launcher.end(), [](double v) { return v < 0; })) {
        std::printf("the launcher's window did not appear\n");
        return 1;
    }
    double b = Median(baseline), l = Median(launcher);
    std::printf("%-44s %12s %10s\n", "start-up to a visible main window", "ms (median)", "ratio");
    std::printf("%-44s %12.1f %10.2f\n", "baseline: minimal window program", b, 1.0);
    std::printf("%-44s %12.1f %10.2f\n", "corvella.exe, no settings file", l, l / b);
    return 0;
}
