#pragma once
// The baseline the list window's paint and reorder figures are judged
// against: a bare owner-data list-view of the same style, size and columns,
// whose parent answers every display request with one fixed text and icon.
// No code of the list window's runs in it, so what it costs is the
// list-view's own price for the same item count.
#include <windows.h>

namespace panorell::bench {

struct BareRound {
    double firstPage = 0;  // count set, then the first page painted
    double resort = 0;     // count set again (nothing scrolls), all invalidated, painted
    double redraw = 0;     // redraw off and on again, painted
    double clear = 0;      // count set to 0, painted
};

// The bare list-view filling `frame`, made once and reused by every round,
// as the list window is.
class BareList {
public:
    explicit BareList(HWND frame);
    ~BareList();
    BareList(const BareList&) = delete;
    BareList& operator=(const BareList&) = delete;

    // One round of each operation on `count` items, from an empty list.
    BareRound Measure(int count);

private:
    HWND parent_ = nullptr;
    HWND list_ = nullptr;
};

}  // namespace panorell::bench
