#include "external/ThreeDLayout.h"

#include <gtest/gtest.h>

namespace corvella::threed {
namespace {

enum class H { Left, Right, Centre };
enum class V { Top, Middle, Bottom };

bool Intersects(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Within(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

void ExpectAnchored(const Rect& box, const Rect& room, H h, V v) {
    switch (h) {
    case H::Left: EXPECT_EQ(box.left, room.left); break;
    case H::Right: EXPECT_EQ(box.right, room.right); break;
    case H::Centre: EXPECT_LE(std::abs((box.left - room.left) - (room.right - box.right)), 1); break;
    }
    switch (v) {
    case V::Top: EXPECT_EQ(box.top, room.top); break;
    case V::Bottom: EXPECT_EQ(box.bottom, room.bottom); break;
    case V::Middle: EXPECT_LE(std::abs((box.top - room.top) - (room.bottom - box.bottom)), 1); break;
    }
}

MeasureCaption Fixed(Size size) {
    return [size](int maxWidth) { return Size{std::min(size.width, maxWidth), size.height}; };
}

LayoutRequest Request(int picturePosition, int captionPosition, Size picture = {32, 32}) {
    LayoutRequest r;
    r.bounds = {0, 0, 160, 90};
    r.metrics = MetricsFor(96);
    r.picture = picture;
    r.picturePosition = picturePosition;
    r.captionPosition = captionPosition;
    return r;
}

struct AnchorCase {
    int code;
    H h;
    V v;
};
constexpr AnchorCase kAnchors[] = {
    {0, H::Left, V::Top},    {1, H::Left, V::Middle},    {2, H::Left, V::Bottom},
    {3, H::Right, V::Top},   {4, H::Right, V::Middle},   {5, H::Right, V::Bottom},
    {6, H::Centre, V::Top},  {7, H::Centre, V::Middle},  {8, H::Centre, V::Bottom},
};

TEST(ThreeDLayout, PictureCodesAnchorThePictureAndKeepTheCaptionBesideIt) {
    for (const auto& c : kAnchors) {
        SCOPED_TRACE(c.code);
        Layout layout = ComputeLayout(Request(c.code, 7), Fixed({40, 13}));
        EXPECT_EQ(layout.picture.Width(), 32);
        EXPECT_EQ(layout.picture.Height(), 32);
        // (A centred picture with a caption has a test of its own.)
        if (c.code != 7) {
            ExpectAnchored(layout.picture, layout.content, c.h, c.v);
        }
        EXPECT_TRUE(Within(layout.caption, layout.content));
        EXPECT_EQ(layout.caption.Width(), 40);
        EXPECT_FALSE(Intersects(layout.caption, layout.picture));
    }
}

TEST(ThreeDLayout, ACentredPictureGivesWayToTheCaption) {
    for (const auto& c : kAnchors) {
        SCOPED_TRACE(c.code);
        Layout layout = ComputeLayout(Request(7, c.code), Fixed({40, 13}));
        EXPECT_FALSE(Intersects(layout.caption, layout.picture));
        if (c.code == 7) {
            EXPECT_LT(layout.picture.bottom, layout.caption.top);  // stacked, picture above
            continue;
        }
        ExpectAnchored(layout.caption, layout.content, c.h, c.v);
    }
    // Without a caption it is simply centred (the small icon buttons).
    Layout alone = ComputeLayout(Request(7, 8), Fixed({0, 0}));
    ExpectAnchored(alone.picture, alone.content, H::Centre, V::Middle);
}

TEST(ThreeDLayout, CaptionCodesAnchorTheCaptionInTheContent) {
    for (const auto& c : kAnchors) {
        SCOPED_TRACE(c.code);
        Layout layout = ComputeLayout(Request(7, c.code, {0, 0}), Fixed({40, 13}));
        EXPECT_TRUE(layout.picture.Empty());
        ExpectAnchored(layout.caption, layout.content, c.h, c.v);
    }
}

TEST(ThreeDLayout, CaptionBesideAnAnchoredPictureIsAnchoredInTheRoomLeft) {
    // Picture at the top centre, caption at the bottom centre: the large
    // button's default, icon above text.
    Layout layout = ComputeLayout(Request(6, 8), Fixed({40, 13}));
    EXPECT_LT(layout.picture.bottom, layout.caption.top);
    EXPECT_EQ(layout.caption.bottom, layout.content.bottom);
    // Picture on the left, caption at its right room's left edge.
    layout = ComputeLayout(Request(1, 1), Fixed({40, 13}));
    EXPECT_EQ(layout.caption.left, layout.picture.right + MetricsFor(96).gap);
    // Picture on the right, caption right-aligned against it.
    layout = ComputeLayout(Request(4, 4), Fixed({40, 13}));
    EXPECT_EQ(layout.caption.right, layout.picture.left - MetricsFor(96).gap);
}

TEST(ThreeDLayout, JoinedCodesPutThePictureOnItsSideOfTheCaption) {
    struct Case {
        int code;
        bool pictureFirst;
        bool sideBySide;
    };
    const Case cases[] = {{9, true, true}, {10, false, true}, {11, true, false}, {12, false, false}};
    for (const auto& c : cases) {
        for (const auto& anchor : kAnchors) {
            SCOPED_TRACE(testing::Message() << c.code << " caption " << anchor.code);
            Layout layout = ComputeLayout(Request(c.code, anchor.code), Fixed({40, 13}));
            const Rect& first = c.pictureFirst ? layout.picture : layout.caption;
            const Rect& second = c.pictureFirst ? layout.caption : layout.picture;
            EXPECT_FALSE(Intersects(layout.picture, layout.caption));
            if (c.sideBySide) {
                EXPECT_EQ(second.left - first.right, MetricsFor(96).gap);
                EXPECT_LE(std::abs((first.top + first.bottom) - (second.top + second.bottom)), 1);
            } else {
                EXPECT_EQ(second.top - first.bottom, MetricsFor(96).gap);
                EXPECT_LE(std::abs((first.left + first.right) - (second.left + second.right)), 1);
            }
            // The block as a whole follows the caption code.
            Rect block{std::min(first.left, second.left), std::min(first.top, second.top),
                       std::max(first.right, second.right), std::max(first.bottom, second.bottom)};
            ExpectAnchored(block, layout.content, anchor.h, anchor.v);
        }
    }
}

TEST(ThreeDLayout, JoinedCodesWithoutCaptionOrPictureLeaveNoGap) {
    Layout layout = ComputeLayout(Request(9, 7), Fixed({0, 0}));
    ExpectAnchored(layout.picture, layout.content, H::Centre, V::Middle);
    layout = ComputeLayout(Request(11, 7, {0, 0}), Fixed({40, 13}));
    EXPECT_TRUE(layout.picture.Empty());
    ExpectAnchored(layout.caption, layout.content, H::Centre, V::Middle);
}

TEST(ThreeDLayout, CaptionIsMeasuredAgainstTheRoomItHas) {
    int offered = -1;
    auto measure = [&](int maxWidth) {
        offered = maxWidth;
        return Size{maxWidth, 13};
    };
    Layout layout = ComputeLayout(Request(1, 1), measure);
    EXPECT_EQ(offered, layout.content.right - layout.picture.right - MetricsFor(96).gap);
    layout = ComputeLayout(Request(9, 7), measure);
    EXPECT_EQ(offered, layout.content.Width() - 32 - MetricsFor(96).gap);
    layout = ComputeLayout(Request(11, 7), measure);
    EXPECT_EQ(offered, layout.content.Width());
}

TEST(ThreeDLayout, TinyOrOverfullControlsStayInsideTheirBounds) {
    const Rect boundsList[] = {{0, 0, 4, 4}, {0, 0, 0, 0}, {0, 0, 20, 10}, {5, 5, 12, 40}};
    for (const Rect& bounds : boundsList) {
        for (int p = 0; p <= kMaxPicturePosition; ++p) {
            SCOPED_TRACE(testing::Message() << bounds.right << "x" << bounds.bottom << " code " << p);
            LayoutRequest r = Request(p, 7);
            r.bounds = bounds;
            Layout layout = ComputeLayout(r, Fixed({400, 60}));
            EXPECT_GE(layout.content.Width(), 0);
            EXPECT_GE(layout.content.Height(), 0);
            EXPECT_TRUE(layout.picture.Empty() || Within(layout.picture, bounds));
            EXPECT_TRUE(layout.caption.Empty() || Within(layout.caption, bounds));
        }
    }
}

TEST(ThreeDLayout, ACaptionTallerThanItsRoomGrowsIntoThePadding) {
    // A 14-pixel bottom-bar button with an 8-point caption, 13 pixels high.
    for (int code : {1, 7, 9}) {
        SCOPED_TRACE(code);
        LayoutRequest r = Request(code, 7, {0, 0});
        r.bounds = {0, 0, 37, 14};
        Layout layout = ComputeLayout(r, Fixed({28, 13}));
        EXPECT_EQ(layout.caption.top, 1);
        EXPECT_EQ(layout.caption.bottom, 13);
        EXPECT_EQ(layout.caption.Width(), std::min(28, layout.content.Width()));
    }
    // A caption that would wrap into lines the bar has no room for takes the
    // padding's width instead.
    LayoutRequest bar = Request(7, 7, {0, 0});
    bar.bounds = {0, 0, 37, 14};
    auto wrapping = [](int maxWidth) { return maxWidth >= 33 ? Size{33, 13} : Size{20, 26}; };
    Layout narrow = ComputeLayout(bar, wrapping);
    EXPECT_EQ(narrow.caption.Width(), 33);
    EXPECT_EQ(narrow.caption.Height(), 12);
    EXPECT_GE(narrow.caption.left, 1);
    EXPECT_LE(narrow.caption.right, 36);

    // One that wraps even so is laid out as one line, cut by the frame.
    auto longWord = [](int maxWidth) { return maxWidth >= 60 ? Size{60, 13} : Size{30, 26}; };
    Layout cut = ComputeLayout(bar, longWord);
    EXPECT_EQ(cut.caption.Height(), 12);
    EXPECT_EQ(cut.caption.left, 1);
    EXPECT_EQ(cut.caption.right, 36);

    // A caption that fits stays in the content box.
    LayoutRequest r = Request(7, 7, {0, 0});
    r.bounds = {0, 0, 80, 30};
    Layout layout = ComputeLayout(r, Fixed({28, 13}));
    EXPECT_GE(layout.caption.top, layout.content.top);
    EXPECT_LE(layout.caption.bottom, layout.content.bottom);
}

TEST(ThreeDLayout, APictureLargerThanTheContentUsesThePaddingUpToTheFrame) {
    LayoutRequest r = Request(7, 7, {32, 32});
    r.bounds = {0, 0, 36, 36};  // content 26 x 26
    Layout layout = ComputeLayout(r, Fixed({0, 0}));
    EXPECT_EQ(layout.picture, (Rect{2, 2, 34, 34}));
    r.picturePosition = 0;
    layout = ComputeLayout(r, Fixed({0, 0}));
    EXPECT_EQ(layout.picture, (Rect{2, 2, 34, 34}));
    r.picture = {40, 40};  // more than the frame leaves: cut at the frame
    layout = ComputeLayout(r, Fixed({0, 0}));
    EXPECT_EQ(layout.picture, (Rect{2, 2, 34, 34}));
}

TEST(ThreeDLayout, APictureOverOrUnderItsCaptionGivesWayRatherThanBeingWrittenOver) {
    // A large-icon launch button (63 px high) at 96 and 144 dpi, with the
    // picture above or below a one-line caption, and a two-line caption.
    struct Case {
        int picturePosition, captionPosition;
        Size picture, caption;
        bool givesWay;
    };
    const Case cases[] = {
        {6, 8, {32, 32}, {50, 13}, false}, {8, 6, {32, 32}, {50, 13}, false},
        {6, 8, {48, 48}, {60, 20}, true},  {8, 6, {48, 48}, {60, 20}, true},
        {6, 8, {32, 32}, {50, 26}, true},  {6, 8, {48, 48}, {60, 58}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picturePosition << "/" << c.captionPosition << " picture "
                                        << c.picture.height << " caption " << c.caption.height);
        LayoutRequest r = Request(c.picturePosition, c.captionPosition, c.picture);
        r.bounds = {0, 0, 125, 63};
        const Layout layout = ComputeLayout(r, Fixed(c.caption));
        EXPECT_FALSE(Intersects(layout.picture, layout.caption));
        EXPECT_TRUE(Within(layout.picture, {2, 2, 123, 61}) || layout.picture.Empty()) << "inside the frame";
        EXPECT_TRUE(Within(layout.caption, {1, 1, 124, 62}));
        EXPECT_EQ(layout.picture.Width(), layout.pictureSize.width);
        EXPECT_EQ(layout.picture.Height(), layout.pictureSize.height);
        if (!c.givesWay) {
            EXPECT_EQ(layout.pictureSize, c.picture);
            continue;
        }
        // The caption keeps its height, the picture its proportions and its
        // side, up against the frame; with no room left it is not drawn.
        EXPECT_EQ(layout.caption.Height(), c.caption.height);
        EXPECT_LT(layout.pictureSize.height, c.picture.height);
        EXPECT_EQ(layout.pictureSize.width * c.picture.height, layout.pictureSize.height * c.picture.width);
        if (layout.picture.Empty()) continue;
        if (c.picturePosition == 6)
            EXPECT_EQ(layout.picture.top, 2);
        else
            EXPECT_EQ(layout.picture.bottom, 61);
    }
}

TEST(ThreeDLayout, OutOfRangeCodesFallBackToTheNearestValidOne) {
    Layout high = ComputeLayout(Request(99, 99), Fixed({40, 13}));
    Layout twelve = ComputeLayout(Request(12, 8), Fixed({40, 13}));
    EXPECT_EQ(high.picture, twelve.picture);
    EXPECT_EQ(high.caption, twelve.caption);
}

TEST(ThreeDLayout, PressingMovesTheContentDownAndRight) {
    LayoutRequest r = Request(6, 8);
    Layout rest = ComputeLayout(r, Fixed({40, 13}));
    r.pressed = true;
    Layout pressed = ComputeLayout(r, Fixed({40, 13}));
    EXPECT_EQ(pressed.bevel, rest.bevel);
    EXPECT_EQ(pressed.picture.left, rest.picture.left + 1);
    EXPECT_EQ(pressed.picture.top, rest.picture.top + 1);
    EXPECT_EQ(pressed.caption.left, rest.caption.left + 1);
}

TEST(ThreeDLayout, CheckBoxPutsItsSquareLeftAndTheCaptionRightOfIt) {
    Metrics m = MetricsFor(120);
    Layout layout = ComputeCheckLayout({0, 0, 150, 24}, m, 1, Fixed({60, 16}));
    EXPECT_EQ(layout.picture.Width(), m.checkBox);
    EXPECT_EQ(layout.picture.Height(), m.checkBox);
    EXPECT_LE(layout.picture.left, 2);
    EXPECT_GT(layout.caption.left, layout.picture.right);
    EXPECT_LE(std::abs((layout.picture.top + layout.picture.bottom) - 24), 1);
}

TEST(ThreeDMetrics, ScaleWithTheScreenResolution) {
    struct Case {
        int dpi, bevel, padding, checkBox;
    };
    // Frames and padding keep their pixels (button sizes are stored in
    // pixels); the check box's square follows the font.
    const Case cases[] = {{96, 2, 3, 13}, {120, 2, 3, 16}, {144, 2, 3, 20}, {0, 2, 3, 13}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        Metrics m = MetricsFor(c.dpi);
        EXPECT_EQ(m.bevel, c.bevel);
        EXPECT_EQ(m.padding, c.padding);
        EXPECT_EQ(m.checkBox, c.checkBox);
    }
}

TEST(ThreeDMetrics, PixelsToTwips) {
    struct Case {
        int pixels, dpi, twips;
    };
    const Case cases[] = {{1, 96, 15},   {1, 120, 12},  {100, 96, 1500}, {7, 120, 84},
                          {-2, 96, -30}, {1, 144, 10},  {0, 120, 0},     {1, 0, 15}};
    for (const auto& c : cases) EXPECT_EQ(PixelsToTwips(c.pixels, c.dpi), c.twips) << c.pixels << "@" << c.dpi;
}

}  // namespace
}  // namespace corvella::threed
