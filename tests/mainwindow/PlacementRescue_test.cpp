#include "mainwindow/PlacementRescue.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvella {
namespace {

// Twips at 96 dpi: 1024 x 768 with a 30-pixel task bar at the bottom.
constexpr Placement kPrimary{0, 0, 15360, 11070};
// A second monitor of the same size to the right, and one to the left.
constexpr Placement kRight{15360, 0, 15360, 11520};
constexpr Placement kLeft{-15360, 0, 15360, 11520};
constexpr RescueGrip kGrip{480, 300};

struct RescueCase {
    const char* name;
    std::vector<Placement> areas;
    Placement window;
    std::optional<Placement> expected;
};

TEST(RescuePlacement, MovesLostWindowsFullyOntoTheNearestMonitor) {
    const RescueCase cases[] = {
        {"single monitor, window on it", {kPrimary}, {12000, 0, 2500, 6000}, std::nullopt},
        {"second monitor on the right unplugged", {kPrimary}, {20000, 750, 2500, 6000},
         Placement{12860, 750, 2500, 6000}},
        {"second monitor on the left unplugged", {kPrimary}, {-9000, 750, 2500, 6000},
         Placement{0, 750, 2500, 6000}},
        {"saved at x = 5000 px", {kPrimary}, {75000, 0, 2500, 6000}, Placement{12860, 0, 2500, 6000}},
        {"above the screen", {kPrimary}, {3000, -9000, 2500, 6000}, Placement{3000, 0, 2500, 6000}},
        {"resolution lowered to 800 x 600", {{0, 0, 12000, 9000}}, {13000, 9500, 2500, 6000},
         Placement{9500, 3000, 2500, 6000}},
        {"partly visible window kept", {kPrimary}, {14000, 5000, 2500, 9000}, std::nullopt},
        {"a sliver too thin to grab is not enough", {kPrimary}, {15300, 0, 2500, 6000},
         Placement{12860, 0, 2500, 6000}},
        {"larger than the monitor: shrunk to fit", {{0, 0, 12000, 9000}}, {20000, -500, 14000, 10000},
         Placement{0, 0, 12000, 9000}},
        {"on the right monitor while it is there", {kPrimary, kRight}, {20000, 750, 2500, 6000}, std::nullopt},
        {"on the left monitor while it is there", {kLeft, kPrimary}, {-9000, 750, 2500, 6000}, std::nullopt},
        {"beyond the right monitor: onto it, not the primary", {kPrimary, kRight}, {40000, 750, 2500, 6000},
         Placement{28220, 750, 2500, 6000}},
        {"beyond the left monitor", {kLeft, kPrimary}, {-40000, 750, 2500, 6000},
         Placement{-15360, 750, 2500, 6000}},
        {"no monitor known: left alone", {}, {75000, 0, 2500, 6000}, std::nullopt},
    };
    for (const RescueCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Placement> got = RescuePlacement(c.window, c.areas, kGrip);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(got->left, c.expected->left);
            EXPECT_EQ(got->top, c.expected->top);
            EXPECT_EQ(got->width, c.expected->width);
            EXPECT_EQ(got->height, c.expected->height);
        }
    }
}

}  // namespace
}  // namespace corvella
