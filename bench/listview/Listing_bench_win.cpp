// The list window on big folders, against a raw FindFirstFileA loop over the
// same folder in the same run. Each figure is the median of the measured
// rounds after one warm-up round.
//
//   bench_listview [--sizes 1000,10000,100000] [--rounds 5] [--warmups 1]
//                  [--subfolders N] [--subfolder-rounds R] [--burst-size N]
//                  [--limit-s S] [--bare-sizes 1000000]
//
// Per folder: fully listed with details; items ready to first page painted;
// heap bytes per item (and, for comparison, what the shell's own id and
// name of an item take); a header click; Refresh against a fresh
// listing; one new file until it shows; leaving the folder. Memory is the
// growth of the bytes in use on the heaps while the folder is listed. On the folder
// named by --burst-size: 1,000 creates, renames and deletes until the list
// equals a fresh listing. For every size (and each of --bare-sizes, which
// need no files) a bare owner-data list-view with none of our code is timed
// on the same operations: the list-view's own price for that item count.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BareList_bench_win.h"
#include "BenchFolders_win.h"
#include "ListWindow_win.h"

namespace {

using namespace panorell::bench;
using panorell::ListWindow;

struct Options {
    std::vector<int> sizes = {1000, 10000, 100000};
    int rounds = 5;
    int warmups = 1;
    int subfolders = 10000;
    int subfolderRounds = 5;
    int burstSize = 10000;
    std::vector<int> bareSizes = {1000000};
    double limitMs = 600000;
};

std::vector<int> ParseSizes(const char* text) {
    std::vector<int> sizes;
    for (const char* p = text; *p;) {
        sizes.push_back(std::atoi(p));
        const char* comma = std::strchr(p, ',');
        if (!comma) break;
        p = comma + 1;
    }
    return sizes;
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--sizes") o.sizes = ParseSizes(argv[i + 1]);
        else if (a == "--rounds") o.rounds = std::atoi(argv[i + 1]);
        else if (a == "--warmups") o.warmups = std::atoi(argv[i + 1]);
        else if (a == "--subfolders") o.subfolders = std::atoi(argv[i + 1]);
        else if (a == "--subfolder-rounds") o.subfolderRounds = std::atoi(argv[i + 1]);
        else if (a == "--burst-size") o.burstSize = std::atoi(argv[i + 1]);
        else if (a == "--limit-s") o.limitMs = 1000.0 * std::atof(argv[i + 1]);
        else if (a == "--bare-sizes") o.bareSizes = ParseSizes(argv[i + 1]);
    }
    return o;
}

struct Round {
    double raw = 0, ready = 0, listed = 0, firstPage = 0, click = 0, refresh = 0, newFile = 0, leave = 0;
    double bytesPerItem = 0;
};

bool Filled(ListWindow& list, double limitMs) {
    return PumpUntil([&] { return !list.FillerRunning(); }, limitMs);
}

// One listing of `folder` with everything measured on it, then leaving it.
Round MeasureRound(ListWindow& list, const std::string& folder, int round, double limitMs) {
    Round r;
    // The items of the folder left last round are freed first: they would
    // count against this listing's memory and slow the raw loop.
    list.FreeLeftItems();
    double start = NowMs();
    RawNames(folder);
    r.raw = NowMs() - start;
    size_t heapBefore = LiveHeapBytes();
    start = NowMs();
    list.MoveToPath(folder);
    double ready = NowMs();
    r.ready = ready - start;
    UpdateWindow(list.List());
    r.firstPage = NowMs() - ready;
    Filled(list, limitMs);
    r.listed = NowMs() - start;
    r.bytesPerItem = (static_cast<double>(LiveHeapBytes()) - static_cast<double>(heapBefore)) / list.ItemCount();

    start = NowMs();
    list.SortBy(1);  // the Size column's header
    UpdateWindow(list.List());
    r.click = NowMs() - start;

    start = NowMs();
    list.Refresh();
    UpdateWindow(list.List());
    Filled(list, limitMs);
    r.refresh = NowMs() - start;

    int count = list.ItemCount();
    std::string added = folder + "\\new-" + std::to_string(round) + ".txt";
    start = NowMs();
    HANDLE file = CreateFileA(added.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    bool seen = PumpUntil([&] { return list.ItemCount() == count + 1; }, limitMs);
    r.newFile = seen ? NowMs() - start : -1;
    DeleteFileA(added.c_str());
    PumpUntil([&] { return list.ItemCount() == count; }, limitMs);

    start = NowMs();
    list.MoveToPath(EmptyFolder());
    r.leave = NowMs() - start;
    return r;
}

void PrintFolder(const char* what, int count, const std::vector<Round>& rounds, double idAndName) {
    auto median = [&](double Round::*field) {
        std::vector<double> values;
        for (const auto& r : rounds) values.push_back(r.*field);
        return Median(values);
    };
    double raw = median(&Round::raw), listed = median(&Round::listed);
    std::printf("%-10s %7d | raw %7.1f ms | ready %8.1f ms | listed %8.1f ms = %6.1fx raw | first page %6.1f ms | "
                "%5.0f B/item (shell id+name %3.0f) | click %6.1f ms | Refresh %8.1f ms = %4.2fx listing | "
                "new file %6.1f ms | leave %6.1f ms\n",
                what, count, raw, median(&Round::ready), listed, listed / raw, median(&Round::firstPage),
                median(&Round::bytesPerItem), idAndName,
                median(&Round::click), median(&Round::refresh), median(&Round::refresh) / listed,
                median(&Round::newFile), median(&Round::leave));
    std::fflush(stdout);
}

void MeasureFolder(HWND frame, const char* what, const std::string& folder, int count, int rounds, int warmups,
                   double limitMs) {
    RECT client;
    GetClientRect(frame, &client);
    ListWindow list;
    list.Create(frame, client);
    list.SetView(panorell::kViewReport);
    list.MoveToPath(EmptyFolder());
    std::vector<Round> measured;
    for (int round = 0; round < warmups + rounds; ++round) {
        Round r = MeasureRound(list, folder, round, limitMs);
        if (round >= warmups) measured.push_back(r);
    }
    PrintFolder(what, count, measured, IdAndNameBytesPerItem(folder));
}

std::vector<std::string> ListedNames(const ListWindow& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.ItemCount(); ++i) names.push_back(list.Item(i)->details.displayName);
    std::sort(names.begin(), names.end());
    return names;
}

bool ListEqualsFolder(const ListWindow& list, const std::string& folder) {
    std::vector<std::string> raw = RawNames(folder);
    if (static_cast<int>(raw.size()) != list.ItemCount()) return false;
    std::sort(raw.begin(), raw.end());
    return ListedNames(list) == raw;
}

// 500 creates, 250 renames of those and 250 deletes of the others: until the
// list equals a fresh listing.
void MeasureBurst(HWND frame, int count, double limitMs) {
    std::string folder = FilesFolder(count);
    RECT client;
    GetClientRect(frame, &client);
    ListWindow list;
    list.Create(frame, client);
    list.SetView(panorell::kViewReport);
    list.MoveToPath(folder);
    Filled(list, limitMs);
    double start = NowMs();
    auto name = [&](const char* stem, int i) { return folder + "\\" + stem + std::to_string(i) + ".txt"; };
    for (int i = 0; i < 500; ++i) CloseHandle(CreateFileA(name("b", i).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (int i = 0; i < 500; i += 2) MoveFileA(name("b", i).c_str(), name("r", i).c_str());
    for (int i = 1; i < 500; i += 2) DeleteFileA(name("b", i).c_str());
    double issued = NowMs() - start;
    // The names are compared only once the count is right: a comparison on
    // every pass would cost more than the updates being measured.
    bool equal = PumpUntil([&] { return list.ItemCount() == count + 250 && ListEqualsFolder(list, folder); }, limitMs);
    double settled = NowMs() - start;
    std::printf("burst      %8d | 1,000 creates/renames/deletes issued in %7.1f ms | list equal to a fresh listing "
                "after %9.1f ms%s\n",
                count, issued, settled, equal ? "" : " (NOT reached within the limit)");
    std::fflush(stdout);
    for (int i = 0; i < 500; i += 2) DeleteFileA(name("r", i).c_str());
    PumpUntil([&] { return list.ItemCount() == count; }, limitMs);
}

void MeasureBare(HWND frame, int count, int rounds, int warmups) {
    BareList bare(frame);
    std::vector<BareRound> measured;
    for (int round = 0; round < warmups + rounds; ++round) {
        BareRound r = bare.Measure(count);
        if (round >= warmups) measured.push_back(r);
    }
    auto median = [&](double BareRound::*field) {
        std::vector<double> values;
        for (const auto& r : measured) values.push_back(r.*field);
        return Median(values);
    };
    std::printf("bare       %7d | list-view alone: first page %6.1f ms | re-sort (count, invalidate) %6.1f ms | "
                "redraw off/on %6.1f ms | clear %6.1f ms\n",
                count, median(&BareRound::firstPage), median(&BareRound::resort), median(&BareRound::redraw),
                median(&BareRound::clear));
    std::fflush(stdout);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);
    OleInitialize(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PanorellBenchFrame";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, wc.lpszClassName, "PanorellListView", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                                 480, nullptr, nullptr, wc.hInstance, nullptr);
    std::printf("the list window against a raw FindFirstFileA loop (same run; median of %d rounds after %d warm-up)\n",
                options.rounds, options.warmups);
    for (int files : options.sizes) {
        MeasureFolder(frame, "files", FilesFolder(files), files, options.rounds, options.warmups, options.limitMs);
        MeasureBare(frame, files, options.rounds, options.warmups);
    }
    for (int count : options.bareSizes) MeasureBare(frame, count, options.rounds, options.warmups);
    if (options.subfolders > 0) {
        MeasureFolder(frame, "subfolders", SubfoldersFolder(options.subfolders), options.subfolders,
                      options.subfolderRounds, options.warmups, options.limitMs);
    }
    if (options.burstSize > 0) MeasureBurst(frame, options.burstSize, options.limitMs);
    DestroyWindow(frame);
    OleUninitialize();
    return 0;
}
