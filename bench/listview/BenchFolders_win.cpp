#include "BenchFolders_win.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace panorell::bench {

namespace {

std::string TempPath(const std::string& name) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    return std::string(base) + name;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

constexpr const char* kExtensions[] = {".txt", ".doc", ".bmp", ".dat", ".ini", ".htm", ".exe", ".log"};

}  // namespace

std::string FilesFolder(int count) {
    std::string folder = TempPath("panorell-bench-files-" + std::to_string(count));
    // The last file is made last, so its presence says the folder is complete.
    std::string last = folder + "\\f" + std::to_string(count - 1) + ".txt";
    if (Exists(last)) return folder;
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        std::string path = folder + "\\f" + std::to_string(i) + (i == count - 1 ? ".txt" : kExtensions[i % 8]);
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written;
        WriteFile(file, "data-data-data", static_cast<DWORD>(1 + i % 13), &written, nullptr);
        CloseHandle(file);
    }
    return folder;
}

std::string SubfoldersFolder(int count) {
    std::string folder = TempPath("panorell-bench-dirs-" + std::to_string(count));
    std::string last = folder + "\\d" + std::to_string(count - 1);
    if (Exists(last)) return folder;
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) CreateDirectoryA((folder + "\\d" + std::to_string(i)).c_str(), nullptr);
    return folder;
}

std::string EmptyFolder() {
    std::string folder = TempPath("panorell-bench-empty");
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::vector<std::string> RawNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (std::strcmp(found.cFileName, ".") && std::strcmp(found.cFileName, "..")) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

double IdAndNameBytesPerItem(const std::string& folder) {
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) return 0;
    std::wstring wide(folder.begin(), folder.end());
    ITEMIDLIST* id = nullptr;
    IShellFolder* shown = nullptr;
    IEnumIDList* items = nullptr;
    double total = 0;
    int count = 0;
    if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &id, nullptr)) &&
        SUCCEEDED(desktop->BindToObject(id, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&shown))) &&
        shown->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, &items) == S_OK) {
        ITEMIDLIST* item = nullptr;
        ULONG fetched = 0;
        while (items->Next(1, &item, &fetched) == S_OK) {
            auto* bytes = reinterpret_cast<const uint8_t*>(item);
            size_t size = 2;
            for (uint16_t length; (length = static_cast<uint16_t>(bytes[size - 2] | bytes[size - 1] << 8)) >= 2;) {
                size += length;
            }
            WIN32_FIND_DATAA data{};
            SHGetDataFromIDListA(shown, item, SHGDFIL_FINDDATA, &data, sizeof data);
            total += static_cast<double>(size + std::strlen(data.cFileName) + 1);
            ++count;
            CoTaskMemFree(item);
        }
        items->Release();
    }
    if (shown) shown->Release();
    CoTaskMemFree(id);
    desktop->Release();
    return count ? total / count : 0;
}

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

size_t LiveHeapBytes() {
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    size_t total = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        }
        HeapUnlock(heaps[i]);
    }
    return total;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool PumpUntil(const std::function<bool()>& done, double limitMs) {
    double start = NowMs();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (NowMs() - start > limitMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    }
}

}  // namespace panorell::bench
