// Another program copying text: it puts its first argument (or a text of
// its own) on the clipboard and ends, 0 when the clipboard took it. Tests
// run it to see what a copy made elsewhere does to the list's cut marks.
#include <windows.h>

#include <cstring>

namespace {

// The clipboard is open to one program at a time: wait a little for the
// one that has it, as any program's Copy would.
bool OpenWithPatience() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(50);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const char* text = argc > 1 ? argv[1] : "copied in another program";
    const size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) return 2;
    std::memcpy(GlobalLock(memory), text, size);
    GlobalUnlock(memory);
    if (!OpenWithPatience()) {
        GlobalFree(memory);
        return 3;
    }
    EmptyClipboard();
    const bool taken = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!taken) {
        GlobalFree(memory);
        return 4;
    }
    return 0;
}
