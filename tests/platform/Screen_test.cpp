#include "platform/Screen.h"

#include <gtest/gtest.h>

namespace corvella {
namespace {

// Halves round to the even neighbour, as the layout's own roundings do; only
// factors with halves (12 at 120 dpi) can tell this from rounding away from zero.
TEST(PixelsFromTwips, RoundsHalvesToEven) {
    struct Case {
        int32_t twips;
        int tpp;
        int pixels;
    };
    for (const Case c : {Case{30, 12, 2}, Case{18, 12, 2}, Case{42, 12, 4}, Case{-30, 12, -2}, Case{-18, 12, -2},
                         Case{31, 12, 3}, Case{29, 12, 2}, Case{0, 15, 0}, Case{7, 15, 0}, Case{8, 15, 1},
                         Case{1500, 15, 100}, Case{-1500, 15, -100}})
        EXPECT_EQ(PixelsFromTwips(c.twips, c.tpp), c.pixels) << c.twips << " / " << c.tpp;
}

}  // namespace
}  // namespace corvella
