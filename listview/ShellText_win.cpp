#include "ShellText_win.h"

#include <shlwapi.h>

namespace panorell {

std::wstring WideFromAnsi(const std::string& text) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string AnsiFromWide(const wchar_t* text) {
    if (!text || !*text) return {};
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), length, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(length - 1));
    return ansi;
}

namespace {

class ShellMalloc final : public IdAllocator {
public:
    void* Allocate(size_t bytes) override {
        IMalloc* malloc = Get();
        return malloc ? malloc->Alloc(static_cast<ULONG>(bytes)) : nullptr;
    }
    void Free(void* block) override {
        IMalloc* malloc = Get();
        if (malloc && block) malloc->Free(block);
    }

private:
    // The allocator is process-wide and lives as long as the process; the
    // reference is never released, so nothing is torn down at exit.
    static IMalloc* Get() {
        static IMalloc* shared = [] {
            IMalloc* m = nullptr;
            return SUCCEEDED(SHGetMalloc(&m)) ? m : nullptr;
        }();
        return shared;
    }
};

}  // namespace

IdAllocator& ShellAllocator() {
    static ShellMalloc allocator;
    return allocator;
}

void FreeId(ITEMIDLIST* id) noexcept {
    if (id) ShellAllocator().Free(id);
}

ITEMIDLIST* CopyId(const ITEMIDLIST* id) noexcept { return AsId(CopyIdList(Bytes(id), ShellAllocator())); }

ITEMIDLIST* JoinIds(const ITEMIDLIST* parent, const ITEMIDLIST* relative) noexcept {
    return AsId(JoinIdLists(Bytes(parent), Bytes(relative), ShellAllocator()));
}

std::string TextOfStrRet(STRRET& answer, const ITEMIDLIST* id) {
    char text[MAX_PATH * 4] = "";
    // StrRetToBufA frees an allocated answer itself.
    if (FAILED(StrRetToBufA(&answer, const_cast<ITEMIDLIST*>(id), text, sizeof text))) return {};
    return text;
}

std::string DisplayNameOf(IShellFolder* folder, const ITEMIDLIST* relative, DWORD flags) {
    STRRET answer{};
    if (!folder || FAILED(folder->GetDisplayNameOf(relative, flags, &answer))) return {};
    return TextOfStrRet(answer, relative);
}

std::string PathOfId(const ITEMIDLIST* absolute) {
    char path[MAX_PATH + 1] = "";
    if (!absolute || !SHGetPathFromIDListA(absolute, path)) return {};
    return path;
}

}  // namespace panorell
