// The saved form of the control's properties: round trips, defaults for
// what a stream does not hold, and refusal of what does not fit.
#include "PropertyStream.h"

#include <gtest/gtest.h>

#include <random>

namespace panorell {
namespace {

ControlState Changed() {
    ControlState state;
    state.allowOleDrag = false;
    state.multiSelect = false;
    state.currentNameSpace = 5;
    state.view = 3;
    state.currentType = 1;
    state.currentFolder = "D:\\Some folder\\\xE9t\xE9";
    state.mousePointer = 99;
    state.mouseIcon = {1, 2, 3, 0, 255};
    state.screenUpdate = false;
    state.hidden = true;
    state.readOnly = false;
    state.pattern = "*.txt";
    state.showNameColumn = false;
    state.showTypeColumn = false;
    state.borderStyle = 1;
    state.caption = "PvListView Control";
    return state;
}

TEST(PropertyStream, SavedPropertiesLoadBackEqual) {
    for (const ControlState& state : {ControlState{}, ExchangeDefaults(), Changed()}) {
        const std::vector<uint8_t> bytes = SaveProperties(state, {2540, -1270});
        ControlState loaded;
        loaded.pattern = "left over";
        Extent extent;
        ASSERT_EQ(LoadProperties(bytes, loaded, extent), StreamError::None);
        EXPECT_EQ(loaded, state);
        EXPECT_EQ(extent, (Extent{2540, -1270}));
    }
}

TEST(PropertyStream, LayoutIsTheDocumentedOne) {
    ControlState state = ExchangeDefaults();
    state.caption = "ab";
    const std::vector<uint8_t> bytes = SaveProperties(state, {0x0102, 3});
    // Header, then BorderStyle (2 bytes) and Caption (4 + 2).
    const std::vector<uint8_t> start = {0, 0, 1, 0, 2, 1, 0, 0, 3, 0, 0, 0};
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 12), start);
    EXPECT_EQ(bytes[12] + (bytes[13] << 8), static_cast<int>(bytes.size() - kStreamHeaderSize));
    const std::vector<uint8_t> stock = {0, 0, 2, 0, 0, 0, 'a', 'b'};
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 16, bytes.begin() + 24), stock);
    // 5 Booleans, 3 longs, the folder "C:\", ... ; the last byte is ScreenUpdate.
    EXPECT_EQ(bytes.back(), 1);
}

// A stream saved with no properties gives the exchange defaults; one cut
// between two properties keeps what it holds and defaults the rest.
TEST(PropertyStream, WhatTheStreamDoesNotHoldTakesTheExchangeDefault) {
    const std::vector<uint8_t> empty = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ControlState loaded = Changed();
    Extent extent{5, 5};
    ASSERT_EQ(LoadProperties(empty, loaded, extent), StreamError::None);
    EXPECT_EQ(loaded, ExchangeDefaults());
    EXPECT_EQ(loaded.view, 1);
    EXPECT_EQ(loaded.currentNameSpace, 1);

    // Cut after MultiSelect: header, BorderStyle 2, Caption 4+18, five Booleans.
    std::vector<uint8_t> bytes = SaveProperties(Changed(), {});
    const size_t cut = 2 + 4 + Changed().caption.size() + 5;
    bytes.resize(kStreamHeaderSize + cut);
    bytes[12] = static_cast<uint8_t>(cut);
    ASSERT_EQ(LoadProperties(bytes, loaded, extent), StreamError::None);
    EXPECT_FALSE(loaded.allowOleDrag);
    EXPECT_FALSE(loaded.multiSelect);
    EXPECT_EQ(loaded.view, 1);
    EXPECT_EQ(loaded.pattern, "*.*");
}

struct Damage {
    const char* what;
    size_t at;         // offset into the saved bytes
    uint8_t value;
    StreamError error;
};

TEST(PropertyStream, MalformedStreamsAreRefusedAndChangeNothing) {
    const std::vector<uint8_t> good = SaveProperties(ExchangeDefaults(), {});
    // Offsets in a default stream: payload at 16; BorderStyle 16-17; Caption
    // length 18-21 (0); Booleans 22-26; CurrentType 27-30, NameSpace 31-34,
    // View 35-38.
    const Damage damages[] = {
        {"major version 2", 2, 2, StreamError::BadVersion},
        {"payload length beyond the data", 12, 0xFF, StreamError::Truncated},
        {"payload length absurd", 15, 0x7F, StreamError::TooLong},
        {"caption longer than the payload", 18, 0xF0, StreamError::Truncated},
        {"caption length absurd", 21, 0x40, StreamError::TooLong},
        {"Boolean byte 2", 22, 2, StreamError::BadBool},
        {"CurrentType 2", 27, 2, StreamError::OutOfRange},
        {"NameSpace 6", 31, 6, StreamError::OutOfRange},
        {"View 4", 35, 4, StreamError::OutOfRange},
        {"BorderStyle 2", 16, 2, StreamError::OutOfRange},
    };
    for (const Damage& damage : damages) {
        std::vector<uint8_t> bytes = good;
        bytes[damage.at] = damage.value;
        ControlState state = Changed();
        Extent extent{7, 8};
        EXPECT_EQ(LoadProperties(bytes, state, extent), damage.error) << damage.what;
        EXPECT_EQ(state, Changed()) << damage.what;
        EXPECT_EQ(extent, (Extent{7, 8})) << damage.what;
    }
    // Cut inside a property, and a header cut short.
    for (size_t length : {size_t{3}, size_t{15}}) {
        ControlState state;
        Extent extent;
        EXPECT_EQ(LoadProperties(std::span(good).first(length), state, extent), StreamError::Truncated) << length;
    }
    std::vector<uint8_t> cutInside = good;
    cutInside.resize(kStreamHeaderSize + 3);
    cutInside[12] = 3;
    ControlState state;
    Extent extent;
    EXPECT_EQ(LoadProperties(cutInside, state, extent), StreamError::Truncated);
}

TEST(PropertyStream, MousePointerOutsideItsValuesIsRefused) {
    ControlState state = ExchangeDefaults();
    state.mousePointer = 16;
    const std::vector<uint8_t> bytes = SaveProperties(state, {});
    ControlState loaded;
    Extent extent;
    EXPECT_EQ(LoadProperties(bytes, loaded, extent), StreamError::OutOfRange);
}

// Later minor versions append properties: what follows the last one known
// is passed over.
TEST(PropertyStream, LaterMinorVersionsWithMorePropertiesLoad) {
    std::vector<uint8_t> bytes = SaveProperties(Changed(), {});
    bytes[0] = 5;  // 1.5
    const uint32_t length = static_cast<uint32_t>(bytes.size() - kStreamHeaderSize + 3);
    bytes[12] = static_cast<uint8_t>(length);
    bytes[13] = static_cast<uint8_t>(length >> 8);
    bytes.insert(bytes.end(), {9, 9, 9});
    ControlState loaded;
    Extent extent;
    ASSERT_EQ(LoadProperties(bytes, loaded, extent), StreamError::None);
    EXPECT_EQ(loaded, Changed());
}

// Random damage never reads out of bounds (the sanitizers watch) and
// either loads a state a setter could make or changes nothing.
TEST(PropertyStream, RandomDamageIsLoadedOrRefusedCleanly) {
    const std::vector<uint8_t> good = SaveProperties(Changed(), {1, 2});
    std::mt19937 random(16);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes = good;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        if (random() % 3 == 0) bytes.resize(random() % bytes.size());
        ControlState state;
        Extent extent;
        if (LoadProperties(bytes, state, extent) != StreamError::None) {
            EXPECT_EQ(state, ControlState{});
            continue;
        }
        for (const PropertyEntry* entry : ExchangeOrder()) EXPECT_TRUE(HoldsValidValue(*entry, state));
    }
}

}  // namespace
}  // namespace panorell
