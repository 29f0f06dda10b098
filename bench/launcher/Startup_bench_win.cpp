// Start-up time: from CreateProcess to the program's main window shown and
// painted (visible, its thread back in its message loop, and no window of it
// waiting for a paint), for the launcher with no settings file, with 50
// buttons in one section and with 1,000 buttons over 20 sections, against a
// minimal window program, in alternating rounds so that all see the same
// machine. Also the private memory of each once painted. Reports medians and
// ratios to the minimal program.
//
// Wine does not count a process's private bytes; the figure is the Linux
// process's anonymous resident memory (RssAnon in /proc, reached through the
// Z: drive), which is what private bytes count on Windows: memory that is the
// process's own, not mapped from files.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "ProcessWindow_win.h"

namespace {

struct Sample {
    double ms = -1;
    double privateKb = 0;
};

BOOL CALLBACK NoteUnpainted(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) *reinterpret_cast<bool*>(param) = true;
    return TRUE;
}

bool Painted(HWND window) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored)) return false;
    bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    EnumChildWindows(window, &NoteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

double Elapsed(const LARGE_INTEGER& start) {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string ReadSmallFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
    return text;
}

// The anonymous resident memory, in KB, of the Linux process whose command
// line holds `marker` (the program's path); 0 when there is none.
double AnonymousKb(const std::string& marker) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    double kb = 0;
    do {
        const std::string name = found.cFileName;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string base = std::string("Z:\\proc\\") + name;
        if (ReadSmallFile(base + "\\cmdline").find(marker) == std::string::npos) continue;
        const std::string status = ReadSmallFile(base + "\\status");
        const std::size_t at = status.find("RssAnon:");
        if (at != std::string::npos) kb = std::atof(status.c_str() + at + 8);
        break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return kb;
}

// The launcher shows its welcome window while it starts, so its main window is
// looked for by class; the minimal program has only one window.
Sample TimeToPaintedWindow(const std::string& exe, const std::string& folder, const char* windowClass = nullptr) {
    std::vector<char> commandLine(exe.begin(), exe.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return {};
    HWND found = nullptr;
    for (int i = 0; i < 30000 && !found; ++i) {
        found = corvella::bench::FindProcessWindow(process.dwProcessId, windowClass);
        if (!found) Sleep(1);
    }
    Sample sample;
    if (found) {
        for (int i = 0; i < 10000 && !Painted(found); ++i) Sleep(1);
        sample.ms = Elapsed(start);
        PROCESS_MEMORY_COUNTERS_EX memory{};
        if (GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
            sample.privateKb = static_cast<double>(memory.PrivateUsage) / 1024.0;
        if (sample.privateKb == 0) {
            const std::size_t slash = exe.find_last_of('\\');
            sample.privateKb = AnonymousKb(folder == "." ? exe.substr(slash + 1) : folder.substr(folder.find_last_of('\\') + 1));
        }
        PostMessageA(found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return sample;
}

void WriteBytes(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

// `buttons` records spread evenly over `sections` sections; the targets are
// real files of the Windows folder, so that each has an icon to fetch.
std::string SettingsText(int buttons, int sections) {
    std::string text = "[Options]\r\nEnableSound=0\r\nEnableTrayIcon=0\r\n";
    for (int i = 1; i <= sections; ++i) text += "Section" + std::to_string(i) + "Name=Section " + std::to_string(i) + "\r\n";
    const char* targets[] = {"C:\\windows\\notepad.exe", "C:\\windows\\regedit.exe", "C:\\windows\\system32\\calc.exe",
                             "C:\\windows\\win.ini", "C:\\windows\\system32"};
    text += "[Buttons]\r\n";
    for (int n = 0; n < buttons; ++n)
        text += "Button" + std::to_string(n + 1) + "=" + targets[n % 5] + "\xFF" + std::to_string(1 + n * sections / buttons) +
                "\xFFtip " + std::to_string(n) + "\xFFtext " + std::to_string(n) + "\xFF\r\n";
    return text;
}

struct Case {
    const char* name;
    int buttons, sections;  // buttons < 0: no settings file
    std::vector<Sample> samples;
};

std::string LauncherFolder(int round, const Case& c) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "corvella-bench-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(round) + "-" + std::to_string(c.buttons);
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA(CORVELLA_DIST_DIR "\\corvella.exe", (folder + "\\corvella.exe").c_str(), FALSE);
    if (c.buttons >= 0) WriteBytes(folder + "\\Corvella.ini", SettingsText(c.buttons, c.sections));
    return folder;
}

void RemoveFolder(const std::string& folder) {
    for (const char* name : {"corvella.exe", "Corvella.ini", "Corvella.ini.new"}) DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

template <typename Field>
double Median(const std::vector<Sample>& samples, Field field) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(field(s));
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

constexpr char kMainWindowClass[] = "CorvellaMainWindow";

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    Case baseline{"baseline: minimal window program", 0, 0, {}};
    std::vector<Case> cases = {{"corvella.exe, no settings file", -1, 0, {}},
                               {"corvella.exe, 50 buttons, 1 section", 50, 1, {}},
                               {"corvella.exe, 1,000 buttons, 20 sections", 1000, 20, {}}};
    // The first start of any program pays for the disk cache.
    TimeToPaintedWindow(MINIMAL_WINDOW_EXE, ".");
    for (Case& c : cases) {
        std::string folder = LauncherFolder(-1, c);
        TimeToPaintedWindow(folder + "\\corvella.exe", folder, kMainWindowClass);
        RemoveFolder(folder);
    }
    for (int round = 0; round < rounds; ++round) {
        for (Case& c : cases) {
            baseline.samples.push_back(TimeToPaintedWindow(MINIMAL_WINDOW_EXE, "."));
            std::string folder = LauncherFolder(round, c);
            c.samples.push_back(TimeToPaintedWindow(folder + "\\corvella.exe", folder, kMainWindowClass));
            RemoveFolder(folder);
        }
    }
    for (const Case& c : cases)
        for (const Sample& s : c.samples)
            if (s.ms < 0) {
                std::printf("the launcher's window did not appear (%s)\n", c.name);
                return 1;
            }
    const double b = Median(baseline.samples, [](const Sample& s) { return s.ms; });
    const double bKb = Median(baseline.samples, [](const Sample& s) { return s.privateKb; });
    std::printf("%-44s %10s %7s %14s %7s\n", "start-up to a painted main window", "ms (med.)", "ratio",
                "private KB", "ratio");
    std::printf("%-44s %10.1f %7.2f %14.0f %7.2f\n", baseline.name, b, 1.0, bKb, 1.0);
    for (const Case& c : cases) {
        const double ms = Median(c.samples, [](const Sample& s) { return s.ms; });
        const double kb = Median(c.samples, [](const Sample& s) { return s.privateKb; });
        std::printf("%-44s %10.1f %7.2f %14.0f %7.2f\n", c.name, ms, ms / b, kb, bKb > 0 ? kb / bKb : 0.0);
    }
    return 0;
}
