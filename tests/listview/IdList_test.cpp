// Item id lists: sizes, copies, joins and splits, through a counting allocator
// that also checks every block is freed once.
#include "IdList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace panorell {
namespace {

class CountingAllocator final : public IdAllocator {
public:
    ~CountingAllocator() override { EXPECT_TRUE(live_.empty()) << live_.size() << " blocks leaked"; }
    void* Allocate(size_t bytes) override {
        if (failAfter_ == 0) return nullptr;
        if (failAfter_ > 0) --failAfter_;
        void* block = std::malloc(bytes);
        live_.insert(block);
        return block;
    }
    void Free(void* block) override {
        EXPECT_EQ(live_.erase(block), 1u) << "freed a block not allocated here";
        std::free(block);
    }
    int failAfter_ = -1;  // allocations that succeed before they start failing

private:
    std::set<void*> live_;
};

// An id list of items with the given payloads; each item is its length + payload.
std::vector<uint8_t> Make(std::initializer_list<std::vector<uint8_t>> payloads) {
    std::vector<uint8_t> bytes;
    for (const auto& p : payloads) {
        auto length = static_cast<uint16_t>(p.size() + 2);
        bytes.push_back(static_cast<uint8_t>(length & 0xFF));
        bytes.push_back(static_cast<uint8_t>(length >> 8));
        bytes.insert(bytes.end(), p.begin(), p.end());
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

std::vector<uint8_t> Bytes(const uint8_t* list) { return {list, list + IdListSize(list)}; }

TEST(IdList, SizesAndCounts) {
    auto empty = Make({});
    auto one = Make({{1, 2, 3}});
    auto three = Make({{1}, {2, 2}, {3, 3, 3}});
    struct Case {
        const uint8_t* list;
        size_t size, count;
        bool empty;
    };
    const Case cases[] = {
        {nullptr, 0, 0, true},
        {empty.data(), 2, 0, true},
        {one.data(), 7, 1, false},
        {three.data(), 3 + 4 + 5 + 2, 3, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IdListSize(c.list), c.size);
        EXPECT_EQ(IdListItemCount(c.list), c.count);
        EXPECT_EQ(IdListIsEmpty(c.list), c.empty);
    }
}

TEST(IdList, AnItemOfLengthOneEndsTheList) {
    std::vector<uint8_t> broken = {4, 0, 9, 9, 1, 0, 7, 7};
    EXPECT_EQ(IdListItemCount(broken.data()), 1u);
    EXPECT_EQ(IdListSize(broken.data()), 6u);
    CountingAllocator memory;
    IdListHolder copy(memory, CopyIdList(broken.data(), memory));
    EXPECT_EQ(Bytes(copy.get()), Make({{9, 9}}));
}

TEST(IdList, JoinTable) {
    CountingAllocator memory;
    auto empty = Make({});
    auto a = Make({{1}, {2, 2}});
    auto b = Make({{3, 3, 3}});
    struct Case {
        const uint8_t* parent;
        const uint8_t* relative;
        std::vector<uint8_t> joined;
    };
    const Case cases[] = {
        {a.data(), b.data(), Make({{1}, {2, 2}, {3, 3, 3}})},
        {empty.data(), b.data(), b},
        {a.data(), empty.data(), a},
        {empty.data(), empty.data(), empty},
        {nullptr, b.data(), b},
        {nullptr, nullptr, empty},
    };
    for (const auto& c : cases) {
        IdListHolder joined(memory, JoinIdLists(c.parent, c.relative, memory));
        ASSERT_NE(joined.get(), nullptr);
        EXPECT_EQ(Bytes(joined.get()), c.joined);
        EXPECT_EQ(IdListSize(joined.get()),
                  (c.parent ? IdListSize(c.parent) : 2) - 2 + (c.relative ? IdListSize(c.relative) : 2));
    }
}

TEST(IdList, SplitGivesTheHeadAndTheLastItem) {
    CountingAllocator memory;
    auto one = Make({{7, 7}});
    auto three = Make({{1}, {2, 2}, {3, 3, 3}});
    uint8_t *parent, *last;
    ASSERT_TRUE(SplitIdList(one.data(), memory, &parent, &last));
    EXPECT_EQ(Bytes(parent), Make({}));
    EXPECT_EQ(Bytes(last), one);
    memory.Free(parent);
    memory.Free(last);

    ASSERT_TRUE(SplitIdList(three.data(), memory, &parent, &last));
    EXPECT_EQ(Bytes(parent), Make({{1}, {2, 2}}));
    EXPECT_EQ(Bytes(last), Make({{3, 3, 3}}));
    // Joining the parts gives the list back.
    IdListHolder again(memory, JoinIdLists(parent, last, memory));
    EXPECT_EQ(Bytes(again.get()), three);
    memory.Free(parent);
    memory.Free(last);
}

TEST(IdList, SplitOfAnEmptyListGivesNothing) {
    CountingAllocator memory;
    auto empty = Make({});
    uint8_t *parent = reinterpret_cast<uint8_t*>(1), *last = reinterpret_cast<uint8_t*>(1);
    EXPECT_FALSE(SplitIdList(empty.data(), memory, &parent, &last));
    EXPECT_EQ(parent, nullptr);
    EXPECT_EQ(last, nullptr);
    EXPECT_FALSE(SplitIdList(nullptr, memory, &parent, &last));
}

TEST(IdList, OutOfMemoryReturnsNothingAndLeaksNothing) {
    auto three = Make({{1}, {2, 2}, {3, 3, 3}});
    for (int okBefore : {0, 1}) {
        CountingAllocator memory;
        memory.failAfter_ = okBefore;
        uint8_t *parent, *last;
        EXPECT_FALSE(SplitIdList(three.data(), memory, &parent, &last));
        memory.failAfter_ = 0;
        EXPECT_EQ(JoinIdLists(three.data(), three.data(), memory), nullptr);
        EXPECT_EQ(CopyIdList(three.data(), memory), nullptr);
    }
}

}  // namespace
}  // namespace panorell
