// The sweeper frees every array handed to it, on its own thread, once told
// to go, and ends without losing any: ids are counted as they are freed.
#include "ItemSweeper.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <cstdlib>

namespace panorell {
namespace {

class CountingAllocator final : public IdAllocator {
public:
    void* Allocate(size_t bytes) override {
        ++live;
        return std::malloc(bytes);
    }
    void Free(void* block) override {
        --live;
        std::free(block);
    }
    std::atomic<int> live{0};
};

ItemArray Items(CountingAllocator& memory, int count) {
    ItemArray items;
    for (int i = 0; i < count; ++i) {
        auto item = std::make_unique<ListItem>(memory);
        item->id.reset(MakeEmptyIdList(memory));
        // Long enough to live on the heap, not inside the string.
        item->details.displayName = "an item name well past the short-string size " + std::to_string(i);
        items.Append(std::move(item));
    }
    return items;
}

TEST(ItemSweeper, FreesEveryArrayHandedOverAndEndsWithNothingLeft) {
    struct Case {
        const char* what;
        std::vector<int> sizes;
        bool goEach;  // Go and Wait after each Hand rather than once at the end
    };
    const std::vector<Case> cases = {
        {"one big array", {20000}, false},
        {"many, handed faster than freed", {5000, 1, 0, 7000, 3, 5000}, false},
        {"one at a time, the thread kept between them", {100, 200, 300}, true},
        {"an empty array", {0}, false},
    };
    for (const auto& c : cases) {
        CountingAllocator memory;
        ItemSweeper sweeper;
        for (int size : c.sizes) {
            sweeper.Hand(Items(memory, size));
            if (c.goEach) {
                sweeper.Go();
                sweeper.Wait();
                EXPECT_EQ(memory.live.load(), 0) << c.what;
            }
        }
        sweeper.Wait();
        EXPECT_EQ(memory.live.load(), 0) << c.what;
        sweeper.End();
        sweeper.End();  // twice is fine
    }
}

TEST(ItemSweeper, HandedItemsWaitForGoButNoMoreThanOneArrayWaits) {
    CountingAllocator memory;
    ItemSweeper sweeper;
    sweeper.Hand(Items(memory, 50));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(memory.live.load(), 50) << "freed before Go";  // an id per item
    // A second array sends the first (and itself) on their way.
    sweeper.Hand(Items(memory, 50));
    for (int i = 0; i < 500 && memory.live.load() > 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(memory.live.load(), 0);
}

TEST(ItemSweeper, EndFreesWhatIsStillQueuedAndAHandAfterEndStartsAgain) {
    CountingAllocator memory;
    {
        ItemSweeper sweeper;
        for (int round = 0; round < 3; ++round) {
            sweeper.Hand(Items(memory, 3000));
            sweeper.Go();
            sweeper.Hand(Items(memory, 3000));
            sweeper.End();  // no Go, no Wait: End itself must free both
            EXPECT_EQ(memory.live.load(), 0) << "round " << round;
        }
        sweeper.Hand(Items(memory, 10));
    }  // the destructor ends it too
    EXPECT_EQ(memory.live.load(), 0);
}

}  // namespace
}  // namespace panorell
