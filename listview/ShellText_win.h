#pragma once
// Small helpers at the edge to the shell: ANSI texts converted with the ANSI
// code page, the shell's allocator behind the id-list operations, and owning
// holders for what the shell hands out.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "IdList.h"

namespace panorell {

std::wstring WideFromAnsi(const std::string& text);
std::string AnsiFromWide(const wchar_t* text);

// The shell's task allocator, for every id list that crosses to the shell.
IdAllocator& ShellAllocator();

inline uint8_t* Bytes(const ITEMIDLIST* id) { return reinterpret_cast<uint8_t*>(const_cast<ITEMIDLIST*>(id)); }
inline ITEMIDLIST* AsId(uint8_t* bytes) { return reinterpret_cast<ITEMIDLIST*>(bytes); }

// Frees an id list with the shell's allocator (null is fine).
void FreeId(ITEMIDLIST* id) noexcept;
ITEMIDLIST* CopyId(const ITEMIDLIST* id) noexcept;
ITEMIDLIST* JoinIds(const ITEMIDLIST* parent, const ITEMIDLIST* relative) noexcept;

// An id list owned until it goes out of scope.
class IdHolder {
public:
    explicit IdHolder(ITEMIDLIST* id = nullptr) noexcept : id_(id) {}
    ~IdHolder() { FreeId(id_); }
    IdHolder(const IdHolder&) = delete;
    IdHolder& operator=(const IdHolder&) = delete;
    ITEMIDLIST* get() const noexcept { return id_; }
    ITEMIDLIST** out() noexcept {
        FreeId(id_);
        id_ = nullptr;
        return &id_;
    }
    ITEMIDLIST* release() noexcept {
        ITEMIDLIST* id = id_;
        id_ = nullptr;
        return id;
    }

private:
    ITEMIDLIST* id_;
};

// A COM interface reference released when it goes out of scope.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* p) noexcept : p_(p) {}
    ~ComRef() { reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    T** out() noexcept {
        reset();
        return &p_;
    }
    T* release() noexcept {
        T* p = p_;
        p_ = nullptr;
        return p;
    }
    void reset() noexcept {
        if (p_) p_->Release();
        p_ = nullptr;
    }

private:
    T* p_ = nullptr;
};

// The text of a shell name answer, for the item `id` it describes (the
// answer is freed).
std::string TextOfStrRet(STRRET& answer, const ITEMIDLIST* id);

// The display name of `relative` in `folder` (SHGDN flags), or "".
std::string DisplayNameOf(IShellFolder* folder, const ITEMIDLIST* relative, DWORD flags);

// The file-system path of an absolute id, or "" when it has none.
std::string PathOfId(const ITEMIDLIST* absolute);

}  // namespace panorell
