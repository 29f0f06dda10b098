#include "IdList.h"

#include <cstring>

namespace panorell {

namespace {

uint16_t ItemLength(const uint8_t* item) noexcept {
    uint16_t length;
    std::memcpy(&length, item, sizeof length);
    return length;
}

// Bytes of the items of `list`, without the terminator.
size_t ItemBytes(const uint8_t* list) noexcept {
    if (!list) return 0;
    size_t total = 0;
    for (uint16_t length; (length = ItemLength(list + total)) >= 2;) total += length;
    return total;
}

uint8_t* AllocateList(size_t itemBytes, IdAllocator& memory) noexcept {
    auto* list = static_cast<uint8_t*>(memory.Allocate(itemBytes + 2));
    if (list) std::memset(list + itemBytes, 0, 2);
    return list;
}

}  // namespace

size_t IdListSize(const uint8_t* list) noexcept { return list ? ItemBytes(list) + 2 : 0; }

size_t IdListItemCount(const uint8_t* list) noexcept {
    if (!list) return 0;
    size_t count = 0;
    for (uint16_t length; (length = ItemLength(list)) >= 2; list += length) ++count;
    return count;
}

bool IdListIsEmpty(const uint8_t* list) noexcept { return ItemBytes(list) == 0; }

uint8_t* MakeEmptyIdList(IdAllocator& memory) noexcept { return AllocateList(0, memory); }

uint8_t* CopyIdList(const uint8_t* list, IdAllocator& memory) noexcept {
    size_t bytes = ItemBytes(list);
    uint8_t* copy = AllocateList(bytes, memory);
    if (copy && bytes) std::memcpy(copy, list, bytes);
    return copy;
}

uint8_t* JoinIdLists(const uint8_t* parent, const uint8_t* relative, IdAllocator& memory) noexcept {
    size_t head = ItemBytes(parent), tail = ItemBytes(relative);
    uint8_t* joined = AllocateList(head + tail, memory);
    if (!joined) return nullptr;
    if (head) std::memcpy(joined, parent, head);
    if (tail) std::memcpy(joined + head, relative, tail);
    return joined;
}

bool SplitIdList(const uint8_t* list, IdAllocator& memory, uint8_t** parent, uint8_t** last) noexcept {
    *parent = *last = nullptr;
    if (!list) return false;
    size_t lastOffset = 0, total = 0;
    for (uint16_t length; (length = ItemLength(list + total)) >= 2; total += length) lastOffset = total;
    if (total == 0) return false;
    uint8_t* head = AllocateList(lastOffset, memory);
    uint8_t* tail = AllocateList(total - lastOffset, memory);
    if (!head || !tail) {
        if (head) memory.Free(head);
        if (tail) memory.Free(tail);
        return false;
    }
    if (lastOffset) std::memcpy(head, list, lastOffset);
    std::memcpy(tail, list + lastOffset, total - lastOffset);
    *parent = head;
    *last = tail;
    return true;
}

IdListHolder& IdListHolder::operator=(IdListHolder&& other) noexcept {
    if (this != &other) {
        reset();
        memory_ = other.memory_;
        list_ = other.release();
    }
    return *this;
}

uint8_t* IdListHolder::release() noexcept {
    uint8_t* list = list_;
    list_ = nullptr;
    return list;
}

void IdListHolder::reset(uint8_t* list) noexcept {
    if (list_) memory_->Free(list_);
    list_ = list;
}

}  // namespace panorell
