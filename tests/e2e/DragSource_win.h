#pragma once
// A real OLE drag from the test process into the launcher: DoDragDrop with a
// data object of our own runs on a thread of its own, while a second thread
// moves the pointer to the target and releases the button with SendInput, as
// a hand would. The target's drop handler may show a modal message box; the
// test's own thread stays free to find it, photograph it and answer it.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace corvella::testing {

class OleDrag {
public:
    // A file list, one text, or the list control family's own path list.
    enum class Data { FileList, Text, OwnList };

    // Drags `items` (the paths of a file list, or one text) from screen point
    // `from` to `to` (pixels), offering the effects `allowed`.
    OleDrag(Data kind, std::vector<std::string> items, POINT from, POINT to,
            DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_LINK);
    ~OleDrag();
    OleDrag(const OleDrag&) = delete;
    OleDrag& operator=(const OleDrag&) = delete;

    // Waits for DoDragDrop to return: the effect the target chose,
    // DROPEFFECT_NONE when it refused the data or the drag did not start.
    DWORD Finish();
    // DoDragDrop has returned (for a caller that must pump its own windows
    // meanwhile, such as a drop target on its thread).
    bool Done() const { return done_; }

private:
    std::thread thread_;
    DWORD effect_ = DROPEFFECT_NONE;
    std::atomic<bool> done_{false};
};

// The data object such a drag offers, with one reference, for a test that
// calls a drop target itself.
IDataObject* MakeDragData(OleDrag::Data kind, const std::vector<std::string>& items);

// One mouse event as a hand makes it; a move goes to `at` (screen pixels).
void SendPointer(DWORD flags, POINT at = {});

// The centre of a window on the screen.
POINT CentreOf(HWND window);
// A point of `window` that none of its visible children covers.
bool UncoveredPointOf(HWND window, POINT* screen);

}  // namespace corvella::testing
