// Start-up time: from CreateProcess to the program's main window shown and
// painted (visible, its thread back in its message loop, and no window of it
// waiting for a paint), for the launcher with no settings file, with 50
// buttons in one section and with 1,000 buttons over 20 sections (each in a
// copy of the program folder as installed), against a
// minimal window program, in alternating rounds so that all see the same
// machine. Also the private memory of each once painted. Reports medians and
// ratios to the minimal program and to the floor of a program on the shell
// (the minimal program with the launcher's libraries, OLE and one shell
// icon).
//
// bench_startup [ROUNDS [EARLIER_CORVELLA_EXE]]: with a second launcher (an
// earlier build, as a Windows path) both are timed in the same rounds.
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
Sample TimeToPaintedWindow(const std::string& exe, const std::string& folder, const char* windowClass = nullptr,
                           const std::string& arguments = {}) {
    const std::string line = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> commandLine(line.begin(), line.end());
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
    std::string name;
    std::string exe;   // the launcher to copy into the case's folder
    int buttons, sections;  // buttons < 0: no settings file
    std::vector<Sample> samples;
};

struct Baseline {
    std::string name, exe, arguments;
    std::vector<Sample> samples;
};

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string LauncherFolder(int round, int index, const Case& c) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "corvella-bench-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(round) + "-" + std::to_string(index);
    CreateDirectoryA(folder.c_str(), nullptr);
    // As installed: the program with its libraries, icons and sounds beside it.
    const std::string from = c.exe.substr(0, c.exe.find_last_of('\\'));
    for (const std::string& name : FilesIn(from)) CopyFileA((from + "\\" + name).c_str(), (folder + "\\" + name).c_str(), FALSE);
    if (c.buttons >= 0) WriteBytes(folder + "\\Corvella.ini", SettingsText(c.buttons, c.sections));
    return folder;
}

void RemoveFolder(const std::string& folder) {
    for (const std::string& name : FilesIn(folder)) DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

template <typename Field>
double Median(const std::vector<Sample>& samples, Field field) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(field(s));
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

constexpr char kMainWindowClass[] = "CorvellaMainWindow";

Sample TimeCase(int round, int index, const Case& c) {
    const std::string folder = LauncherFolder(round, index, c);
    const Sample sample = TimeToPaintedWindow(folder + "\\corvella.exe", folder, kMainWindowClass);
    RemoveFolder(folder);
    return sample;
}

std::vector<Case> Cases(const std::string& exe, const std::string& label) {
    return {{"corvella.exe" + label + ", no settings file", exe, -1, 0, {}},
            {"corvella.exe" + label + ", 50 buttons, 1 section", exe, 50, 1, {}},
            {"corvella.exe" + label + ", 1,000 buttons, 20 sections", exe, 1000, 20, {}}};
}

double MedianMs(const std::vector<Sample>& samples) {
    return Median(samples, [](const Sample& s) { return s.ms; });
}

double MedianKb(const std::vector<Sample>& samples) {
    return Median(samples, [](const Sample& s) { return s.privateKb; });
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::vector<Baseline> baselines = {
        {"minimal window program", MINIMAL_WINDOW_EXE, "", {}},
        {"  + launcher's libraries, OLE started", MINIMAL_SHELL_WINDOW_EXE, "", {}},
        {"  + one shell icon (the floor)", MINIMAL_SHELL_WINDOW_EXE, "icon", {}}};
    std::vector<Case> cases = Cases(CORVELLA_DIST_DIR "\\corvella.exe", "");
    if (argc > 2)
        for (Case& c : Cases(argv[2], " (earlier build)")) cases.push_back(std::move(c));
    // The first start of any program pays for the disk cache.
    for (const Baseline& b : baselines) TimeToPaintedWindow(b.exe, ".", nullptr, b.arguments);
    for (size_t i = 0; i < cases.size(); ++i) TimeCase(-1, static_cast<int>(i), cases[i]);
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < cases.size(); ++i) {
            Baseline& b = baselines[i % baselines.size()];
            b.samples.push_back(TimeToPaintedWindow(b.exe, ".", nullptr, b.arguments));
            cases[i].samples.push_back(TimeCase(round, static_cast<int>(i), cases[i]));
        }
    }
    for (const Case& c : cases)
        for (const Sample& s : c.samples)
            if (s.ms < 0) {
                std::printf("the launcher's window did not appear (%s)\n", c.name.c_str());
                return 1;
            }
    const double minimal = MedianMs(baselines[0].samples), minimalKb = MedianKb(baselines[0].samples);
    const double floor = MedianMs(baselines.back().samples);
    std::printf("%-56s %9s %7s %7s %11s %7s\n", "start-up to a painted main window", "ms (med.)", "ratio",
                "/floor", "private KB", "ratio");
    auto row = [&](const std::string& name, const std::vector<Sample>& samples) {
        const double ms = MedianMs(samples), kb = MedianKb(samples);
        std::printf("%-56s %9.1f %7.2f %7.2f %11.0f %7.2f\n", name.c_str(), ms, ms / minimal, ms / floor, kb,
                    minimalKb > 0 ? kb / minimalKb : 0.0);
    };
    for (const Baseline& b : baselines) row(b.name, b.samples);
    for (const Case& c : cases) row(c.name, c.samples);
    std::printf("(%d rounds; medians; the machine is shared, so compare rows of one run only)\n", rounds);
    return 0;
}
