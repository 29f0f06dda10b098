#include "e2e/DragSource_win.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "platform/ComObject_win.h"

namespace corvella::testing {

namespace {

// NUL-separated paths ended by an empty one, after `header` bytes of zeros.
HGLOBAL PathListMemory(const std::vector<std::string>& paths, std::size_t header) {
    std::size_t size = header + 1;
    for (const std::string& p : paths) size += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!memory) return nullptr;
    char* out = static_cast<char*>(GlobalLock(memory)) + header;
    for (const std::string& p : paths) {
        std::memcpy(out, p.c_str(), p.size() + 1);
        out += p.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

// A file list: the DROPFILES header, then the paths.
HGLOBAL FileListMemory(const std::vector<std::string>& paths) {
    HGLOBAL memory = PathListMemory(paths, sizeof(DROPFILES));
    if (!memory) return nullptr;
    static_cast<DROPFILES*>(GlobalLock(memory))->pFiles = sizeof(DROPFILES);
    GlobalUnlock(memory);
    return memory;
}

HGLOBAL TextMemory(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return nullptr;
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

HGLOBAL Duplicate(HGLOBAL source) {
    const SIZE_T size = GlobalSize(source);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return nullptr;
    std::memcpy(GlobalLock(copy), GlobalLock(source), size);
    GlobalUnlock(copy);
    GlobalUnlock(source);
    return copy;
}

template <typename Interface>
using Unknown = corvella::com::ComObject<Interface>;

// One format, in global memory.
class DataObject final : public Unknown<IDataObject> {
public:
    DataObject(CLIPFORMAT format, HGLOBAL memory) : format_{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, memory_(memory) {}
    ~DataObject() override {
        if (memory_) GlobalFree(memory_);
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* wanted, STGMEDIUM* medium) override {
        if (!wanted || !medium) return E_INVALIDARG;
        if (QueryGetData(wanted) != S_OK) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = Duplicate(memory_);
        medium->pUnkForRelease = nullptr;
        return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* wanted) override {
        if (!wanted) return E_INVALIDARG;
        const bool same = wanted->cfFormat == format_.cfFormat && (wanted->tymed & TYMED_HGLOBAL) &&
                          wanted->dwAspect == DVASPECT_CONTENT;
        return same ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out) out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        return SHCreateStdEnumFmtEtc(1, &format_, out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    FORMATETC format_;
    HGLOBAL memory_;
};

// Drops when the left button is up, gives up on Escape.
class DropSource final : public Unknown<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};


// The hand: a short wait for DoDragDrop to take the pointer, a few steps to
// the target, a pause over it, and the release.
void MovePointer(POINT from, POINT to) {
    Sleep(400);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        SendPointer(MOUSEEVENTF_MOVE, {from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
        Sleep(40);
    }
    SendPointer(MOUSEEVENTF_MOVE, {to.x + 1, to.y});
    Sleep(60);
    SendPointer(MOUSEEVENTF_MOVE, to);
    Sleep(60);
    SendPointer(MOUSEEVENTF_LEFTUP);
}

// DoDragDrop reads the buttons from the thread's own key state, as a drag
// started by a press on one of its windows finds them: the press lands on a
// small window of this thread, and the drag starts once it has been seen.
HWND PressOnHandle(POINT at) {
    static const ATOM kClass = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = "CorvellaTestDragHandle";
        return RegisterClassA(&wc);
    }();
    HWND handle = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, MAKEINTATOM(kClass), "", WS_POPUP | WS_VISIBLE,
                                  at.x - 16, at.y - 16, 32, 32, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendPointer(MOUSEEVENTF_MOVE, at);
    SendPointer(MOUSEEVENTF_LEFTDOWN);
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < 3000) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(10);
            continue;
        }
        const bool pressed = msg.message == WM_LBUTTONDOWN;
        DispatchMessageA(&msg);
        if (pressed) break;
    }
    return handle;
}

}  // namespace

IDataObject* MakeDragData(OleDrag::Data kind, const std::vector<std::string>& items) {
    switch (kind) {
    case OleDrag::Data::FileList:
        return new DataObject(CF_HDROP, FileListMemory(items));
    case OleDrag::Data::OwnList:
        return new DataObject(static_cast<CLIPFORMAT>(RegisterClipboardFormatA("KVD_CLIPBOARD")),
                              PathListMemory(items, 0));
    case OleDrag::Data::Text:
    default:
        return new DataObject(CF_TEXT, TextMemory(items.empty() ? "" : items[0]));
    }
}

OleDrag::OleDrag(Data kind, std::vector<std::string> items, POINT from, POINT to, DWORD allowed) {
    thread_ = std::thread([this, kind, items = std::move(items), from, to, allowed] {
        if (FAILED(OleInitialize(nullptr))) {
            done_ = true;
            return;
        }
        IDataObject* data = MakeDragData(kind, items);
        auto* source = new DropSource;
        HWND handle = PressOnHandle(from);
        std::thread hand(MovePointer, from, to);
        DWORD effect = DROPEFFECT_NONE;
        if (DoDragDrop(data, source, allowed, &effect) == DRAGDROP_S_DROP) effect_ = effect;
        hand.join();
        if (handle) DestroyWindow(handle);
        source->Release();
        data->Release();
        OleUninitialize();
        done_ = true;
    });
}

OleDrag::~OleDrag() { Finish(); }

DWORD OleDrag::Finish() {
    if (thread_.joinable()) thread_.join();
    return effect_;
}

void SendPointer(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    if (flags & MOUSEEVENTF_MOVE) {
        input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        flags |= MOUSEEVENTF_ABSOLUTE;
    }
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool UncoveredPointOf(HWND window, POINT* screen) {
    RECT client{};
    GetClientRect(window, &client);
    for (int y = client.bottom - 4; y > 4; y -= 6) {
        for (int x = 4; x < client.right - 4; x += 6) {
            if (ChildWindowFromPointEx(window, {x, y}, CWP_SKIPINVISIBLE) != window) continue;
            *screen = {x, y};
            return ClientToScreen(window, screen) != FALSE;
        }
    }
    return false;
}

}  // namespace corvella::testing
