// The item-id-list operations on lists built from the input (any item
// lengths, a length-1 item that stops a walk, data of any bytes), with an
// allocator that fails when the input says: sizes and counts agree with how
// the list was built, a copy is the same bytes, a split list joins back, a
// failed allocation returns nothing, and every block is freed.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FuzzInput.h"
#include "IdList.h"

using namespace panorell;

namespace {

class CountingAllocator final : public IdAllocator {
public:
    explicit CountingAllocator(unsigned failAt) : failAt_(failAt) {}
    void* Allocate(size_t bytes) override {
        if (++calls_ == failAt_) return nullptr;
        ++live;
        return std::malloc(bytes);
    }
    void Free(void* block) override {
        FUZZ_CHECK(block != nullptr);
        --live;
        std::free(block);
    }
    int live = 0;

private:
    unsigned failAt_;
    unsigned calls_ = 0;
};

struct Built {
    std::vector<uint8_t> bytes;  // the whole buffer, terminator included
    size_t itemBytes = 0;        // bytes of the items a walk sees
    size_t count = 0;
    size_t lastOffset = 0;
};

Built Build(fuzzing::FuzzInput& in) {
    Built list;
    bool stopped = false;
    while (!in.Empty() && list.count < 64) {
        const uint8_t shape = in.Byte();
        if (shape == 0) break;
        if (shape == 1) {  // an item of length 1: a walk ends before it
            list.bytes.push_back(1);
            list.bytes.push_back(0);
            stopped = true;
            break;
        }
        const size_t length = 2 + shape % 40;
        list.lastOffset = list.bytes.size();
        list.bytes.push_back(static_cast<uint8_t>(length));
        list.bytes.push_back(0);
        for (size_t i = 2; i < length; ++i) list.bytes.push_back(in.Byte());
        ++list.count;
    }
    list.itemBytes = list.bytes.size() - (stopped ? 2 : 0);
    list.bytes.push_back(0);
    list.bytes.push_back(0);
    return list;
}

bool SameItems(const uint8_t* a, const uint8_t* b, size_t itemBytes) {
    return IdListSize(a) == itemBytes + 2 && std::memcmp(a, b, itemBytes) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzInput in(data, size);
    CountingAllocator memory(in.Byte() % 8);
    const Built built = Build(in);
    // Exactly the bytes built, so that a walk past them is seen.
    std::vector<uint8_t> heap(built.bytes);
    const uint8_t* list = heap.data();

    FUZZ_CHECK_EQ(IdListSize(list), built.itemBytes + 2);
    FUZZ_CHECK_EQ(IdListItemCount(list), built.count);
    FUZZ_CHECK_EQ(IdListIsEmpty(list), built.count == 0);
    FUZZ_CHECK_EQ(IdListSize(nullptr), 0u);
    {
        IdListHolder copy(memory, CopyIdList(list, memory));
        if (copy.get()) FUZZ_CHECK(SameItems(copy.get(), list, built.itemBytes));

        uint8_t *parent = nullptr, *last = nullptr;
        const bool split = SplitIdList(list, memory, &parent, &last);
        IdListHolder parentHolder(memory, parent), lastHolder(memory, last);
        if (!split) {
            FUZZ_CHECK(parent == nullptr && last == nullptr);
        } else {
            FUZZ_CHECK(built.count > 0);
            FUZZ_CHECK_EQ(IdListItemCount(parent), built.count - 1);
            FUZZ_CHECK_EQ(IdListItemCount(last), 1u);
            FUZZ_CHECK_EQ(IdListSize(parent), built.lastOffset + 2);
            IdListHolder joined(memory, JoinIdLists(parent, last, memory));
            if (joined.get()) FUZZ_CHECK(SameItems(joined.get(), list, built.itemBytes));
        }
        if (built.count == 0) FUZZ_CHECK(!split);

        IdListHolder twice(memory, JoinIdLists(list, list, memory));
        if (twice.get()) FUZZ_CHECK_EQ(IdListItemCount(twice.get()), 2 * built.count);
        IdListHolder empty(memory, MakeEmptyIdList(memory));
        if (empty.get()) FUZZ_CHECK(IdListIsEmpty(empty.get()));
        IdListHolder moved(std::move(twice));
        empty = std::move(moved);
    }
    FUZZ_CHECK_EQ(memory.live, 0);
    return 0;
}
