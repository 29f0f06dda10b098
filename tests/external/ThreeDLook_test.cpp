#include "external/ThreeDLook.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "external/FileDropEffect.h"

namespace corvella::threed {
namespace {

TEST(ThreeDLook, PropertiesAcceptTheirRangeAndRefuseTheRest) {
    struct Case {
        Kind kind;
        int id;
        int32_t value;
        bool accepted;
    };
    const Case cases[] = {
        {Kind::Button, 51, 1, true},  {Kind::Button, 51, 4, true},   {Kind::Button, 51, 0, false},
        {Kind::Button, 51, 5, false}, {Kind::Button, 9, 0, true},    {Kind::Button, 9, 3, true},
        {Kind::Button, 9, -1, false}, {Kind::Button, 9, 5, false},   {Kind::Button, 40, 0, true},
        {Kind::Button, 40, 12, true}, {Kind::Button, 40, 13, false}, {Kind::Button, 40, -1, false},
        {Kind::Button, 7, 8, true},   {Kind::Button, 7, 9, false},   {Kind::Button, 13, 1, true},
        {Kind::Button, 13, 3, true},  {Kind::Button, 13, 2, false},  {Kind::Button, 13, 0, false},
        {Kind::Button, 13, 4, false}, {Kind::Button, 0, 1, false},   {Kind::Button, 99, 1, false},
        {Kind::Check, 0, 1, true},    {Kind::Check, 0, 0, true},     {Kind::Check, 0, 2, false},
        {Kind::Check, 0, -1, false},  {Kind::Check, 51, 2, false},   {Kind::Check, 40, 3, false},
        {Kind::Panel, 9, 3, true},    {Kind::Panel, 7, 4, true},     {Kind::Panel, 40, 3, false},
        {Kind::Panel, 0, 1, false},   {Kind::Button, 51, INT32_MIN, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " id " << c.id << " = " << c.value);
        Look look;
        Look before = look;
        EXPECT_EQ(ApplyProperty(look, c.kind, c.id, c.value), c.accepted);
        int32_t expected = c.accepted ? c.value : ReadProperty(before, c.kind, c.id);
        EXPECT_EQ(ReadProperty(look, c.kind, c.id), expected);
    }
}

TEST(ThreeDLook, CheckBoxCaptionStartsBesideItsSquare) {
    EXPECT_EQ(DefaultLook(Kind::Check).captionPosition, 1);
    EXPECT_EQ(DefaultLook(Kind::Button).captionPosition, 7);
    EXPECT_EQ(DefaultLook(Kind::Button).buttonStyle, 2);
}

auto Key(const Appearance& a) { return std::make_tuple(a.frame, a.fill, a.contentPressed); }

TEST(ThreeDLook, EveryButtonStyleLooksDifferentAtRest) {
    std::set<std::tuple<Frame, Fill, bool>> seen;
    for (int style = 1; style <= 4; ++style) {
        Look look;
        look.buttonStyle = style;
        seen.insert(Key(AppearanceOf(Kind::Button, look, {})));
    }
    EXPECT_EQ(seen.size(), 4u);
}

TEST(ThreeDLook, PressingAndLatchingShowEveryStyleDown) {
    for (int style = 1; style <= 4; ++style) {
        SCOPED_TRACE(style);
        Look look;
        look.buttonStyle = style;
        Appearance rest = AppearanceOf(Kind::Button, look, {});
        Appearance pressed = AppearanceOf(Kind::Button, look, {true, true});
        EXPECT_NE(Key(rest), Key(pressed));
        EXPECT_TRUE(pressed.contentPressed);
        EXPECT_FALSE(rest.contentPressed);
        look.tabLook = 1;
        Appearance latched = AppearanceOf(Kind::Button, look, {});
        EXPECT_TRUE(latched.contentPressed);
        EXPECT_NE(Key(latched), Key(rest));
    }
}

TEST(ThreeDLook, HotTrackStyleShowsAFrameOnlyUnderThePointer) {
    Look look;
    look.buttonStyle = 4;
    EXPECT_EQ(AppearanceOf(Kind::Button, look, {}).frame, Frame::None);
    EXPECT_EQ(AppearanceOf(Kind::Button, look, {false, true}).frame, Frame::RaisedThin);
    EXPECT_EQ(AppearanceOf(Kind::Button, look, {true, true}).frame, Frame::SunkenThin);
}

TEST(ThreeDLook, TextEffectsPutTheirCopiesOnOppositeSides) {
    TextCopy copies[3];
    EXPECT_EQ(TextEffectCopies(0, copies), 0);
    EXPECT_EQ(TextEffectCopies(7, copies), 0);
    // Raised: light from the top left, shadow to the bottom right.
    ASSERT_EQ(TextEffectCopies(3, copies), 2);
    EXPECT_TRUE(copies[0].light);
    EXPECT_LT(copies[0].dx, 0);
    EXPECT_FALSE(copies[1].light);
    EXPECT_GT(copies[1].dx, 0);
    EXPECT_EQ(TextEffectCopies(4, copies), 3);
    // Inset: the light copy lies below right.
    ASSERT_GE(TextEffectCopies(1, copies), 1);
    EXPECT_TRUE(copies[0].light);
    EXPECT_GT(copies[0].dy, 0);
}

TEST(ThreeDLook, OleColours) {
    OleColour plain = DecodeOleColour(0x00336699);
    EXPECT_FALSE(plain.system);
    EXPECT_EQ(plain.red, 0x99);
    EXPECT_EQ(plain.green, 0x66);
    EXPECT_EQ(plain.blue, 0x33);
    OleColour face = DecodeOleColour(static_cast<int32_t>(0x8000000F));
    EXPECT_TRUE(face.system);
    EXPECT_EQ(face.systemIndex, 15);
    EXPECT_EQ(DecodeOleColour(static_cast<int32_t>(0x80000012)).systemIndex, 18);
    // The high byte of a plain colour other than 0x80 is not a system colour.
    EXPECT_FALSE(DecodeOleColour(0x01000000).system);
}

TEST(FileDropEffect, PrefersCopyThenLinkThenMove) {
    struct Case {
        uint32_t allowed, chosen;
    };
    const Case cases[] = {{kDropCopy | kDropMove | kDropLink, kDropCopy},
                          {kDropMove | kDropLink, kDropLink},
                          {kDropMove, kDropMove},
                          {kDropNone, kDropNone},
                          {0x80000000u, kDropNone}};
    for (const auto& c : cases) EXPECT_EQ(ChooseFileDropEffect(c.allowed), c.chosen) << c.allowed;
}

}  // namespace
}  // namespace corvella::threed
