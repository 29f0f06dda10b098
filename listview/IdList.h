#pragma once
// Byte operations on the shell's item id lists: a run of items, each starting
// with its 16-bit total length (little-endian), ended by a 16-bit zero. Every
// list made here comes from the allocator it is given, which for lists that
// reach the shell is the shell's own.
#include <cstddef>
#include <cstdint>

namespace panorell {

class IdAllocator {
public:
    virtual ~IdAllocator() = default;
    // Null when out of memory.
    virtual void* Allocate(size_t bytes) = 0;
    virtual void Free(void* block) = 0;
};

// Bytes of `list` including its terminator; 0 for a null list. An item whose
// length field is 1 cannot be walked past and ends the list there.
size_t IdListSize(const uint8_t* list) noexcept;
size_t IdListItemCount(const uint8_t* list) noexcept;
bool IdListIsEmpty(const uint8_t* list) noexcept;

// The empty list (a lone terminator).
uint8_t* MakeEmptyIdList(IdAllocator& memory) noexcept;
// A copy of `list` (an empty list for a null one); null when out of memory.
uint8_t* CopyIdList(const uint8_t* list, IdAllocator& memory) noexcept;
// `parent` followed by `relative`: (parent size - 2) + relative size bytes.
// Either part may be empty or null.
uint8_t* JoinIdLists(const uint8_t* parent, const uint8_t* relative, IdAllocator& memory) noexcept;

// Everything before the last item (with its own terminator) and the last item
// alone. False for an empty list or when out of memory (nothing is returned).
[[nodiscard]] bool SplitIdList(const uint8_t* list, IdAllocator& memory, uint8_t** parent,
                               uint8_t** last) noexcept;

// Owns one list and frees it through its allocator.
class IdListHolder {
public:
    IdListHolder(IdAllocator& memory, uint8_t* list = nullptr) noexcept : memory_(&memory), list_(list) {}
    ~IdListHolder() { reset(); }
    IdListHolder(IdListHolder&& other) noexcept : memory_(other.memory_), list_(other.release()) {}
    IdListHolder& operator=(IdListHolder&& other) noexcept;
    IdListHolder(const IdListHolder&) = delete;
    IdListHolder& operator=(const IdListHolder&) = delete;

    uint8_t* get() const noexcept { return list_; }
    uint8_t* release() noexcept;
    void reset(uint8_t* list = nullptr) noexcept;

private:
    IdAllocator* memory_;
    uint8_t* list_;
};

}  // namespace panorell
