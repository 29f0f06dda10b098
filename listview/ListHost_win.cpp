// listhost: the list window in a plain frame, for trying the list without the
// control object around it. It points the list at a folder or namespace,
// lets the detail filler finish and prints what the list shows.
//
//   listhost [--pattern P] [--filter HEX] [--view 0-3] [--sort COLUMN]...
//            [--refresh] [--back] [--watch MS] (PATH | ns:N)
//
// Each line printed is "item<TAB>index<TAB>List text<TAB>Name<TAB>Size<TAB>
// Type<TAB>Modified", or "event<TAB>..." for what the list reported.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ListWindow_win.h"

namespace {

using namespace panorell;

class PrintingSink final : public ListSink {
public:
    void OnMovedOnItsOwn(const FolderRecord* record, int how) override {
        std::printf("event\tMovedOnItsOwn\t%d\t%s\n", how, record ? "listed" : "failed");
    }
    void OnBackspaceUp() override { std::printf("event\tBackspaceUp\n"); }
    void OnFolderShown(bool special, int nameSpace, const std::string& path) override {
        if (special) std::printf("event\tChange\t1\tnamespace %d\t%s\n", nameSpace, path.c_str());
        else std::printf("event\tChange\t1\t%s\n", path.c_str());
    }
    void OnContentsChanged(int flags) override { std::printf("event\tChange\t2\tflags %d\n", flags); }
    void OnControlError(long code) override { std::printf("event\tControlError\t%ld\n", code); }
};

struct Options {
    std::string target = "C:\\";
    std::string pattern = "*.*";
    uint32_t filter = kDefaultAttributeFilter;
    int view = kViewReport;
    std::vector<int> sorts;
    bool refresh = false, back = false;
    DWORD watchMs = 0;
};

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        bool more = i + 1 < argc;
        if (a == "--pattern" && more) o.pattern = argv[++i];
        else if (a == "--filter" && more) o.filter = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 16));
        else if (a == "--view" && more) o.view = std::atoi(argv[++i]);
        else if (a == "--sort" && more) o.sorts.push_back(std::atoi(argv[++i]));
        else if (a == "--watch" && more) o.watchMs = static_cast<DWORD>(std::atoi(argv[++i]));
        else if (a == "--refresh") o.refresh = true;
        else if (a == "--back") o.back = true;
        else o.target = a;
    }
    return o;
}

// Runs the frame's messages until `done` holds or `ms` pass.
template <typename Done>
void Pump(DWORD ms, Done done) {
    DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PrintItems(const ListWindow& list) {
    std::printf("count\t%d\n", list.ItemCount());
    for (int i = 0; i < list.ItemCount(); ++i) {
        const ListItem* item = list.Item(i);
        std::printf("item\t%d\t%s", i, list.ItemText(i).c_str());
        for (int column = 0; column <= 3; ++column) std::printf("\t%s", list.ColumnText(*item, column).c_str());
        std::printf("\n");
    }
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);
    OleInitialize(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PanorellListHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, wc.lpszClassName, "PanorellListView", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                 640, 420, nullptr, nullptr, wc.hInstance, nullptr);
    RECT client;
    GetClientRect(frame, &client);

    PrintingSink sink;
    int rc = 0;
    {
        ListWindow list(&sink);
        if (!list.Create(frame, client)) {
            std::printf("error\tthe list window could not be created\n");
            return 2;
        }
        list.SetView(options.view);
        list.SetFilter(options.pattern, options.filter);
        bool moved = options.target.rfind("ns:", 0) == 0 ? list.MoveToNameSpace(std::atoi(options.target.c_str() + 3))
                                                         : list.MoveToPath(options.target);
        std::printf("moved\t%s\n", moved ? "yes" : "no");
        if (options.back) std::printf("back\t%s\n", list.BackOneLevel() ? "True" : "False");
        for (int column : options.sorts) list.SortBy(column);
        Pump(30000, [&] { return !list.FillerRunning(); });
        if (options.watchMs) Pump(options.watchMs, [] { return false; });
        if (options.refresh) list.Refresh();
        std::printf("folder\t%s\tnamespace %d\n", list.CurrentPath().c_str(), list.CurrentNameSpace());
        PrintItems(list);
        rc = moved ? 0 : 1;
    }
    DestroyWindow(frame);
    OleUninitialize();
    std::fflush(stdout);
    return rc;
}
