#include "mainwindow/TitleClock.h"

#include <gtest/gtest.h>

#include "fakes/FakeShadePorts.h"

namespace corvella {
namespace {

TEST(ClockTimeText, TwelveHourClockWithoutLeadingZero) {
    const struct {
        int hour, minute;
        const char* text;
    } cases[] = {
        {0, 0, "12:00am"}, {0, 5, "12:05am"}, {9, 30, "9:30am"}, {11, 59, "11:59am"},
        {12, 0, "12:00pm"}, {13, 7, "1:07pm"}, {23, 59, "11:59pm"},
    };
    for (const auto& c : cases) EXPECT_EQ(ClockTimeText(c.hour, c.minute), c.text) << c.hour << ":" << c.minute;
}

TEST(TitleClock, CyclesThroughDateTimeAndNameOneTextPerTick) {
    testing::CallLog log;
    testing::FakeWindow window{log};
    testing::FakeClock clock;
    int16_t phase = 0;
    const char* expected[] = {" 08/12/2026", " 3:07pm", " Corvella", " 08/12/2026"};
    for (const char* text : expected) {
        OnTitleClockTick(phase, false, window, clock);
        EXPECT_EQ(window.title, text);
    }
    EXPECT_EQ(phase, 1);
}

TEST(TitleClock, ShowsLockedInPlaceOfTheNameWhileLocked) {
    testing::CallLog log;
    testing::FakeWindow window{log};
    testing::FakeClock clock;
    int16_t phase = 2;
    OnTitleClockTick(phase, true, window, clock);
    EXPECT_EQ(window.title, " LOCKED");
    EXPECT_EQ(phase, 0);
}

TEST(TitleClock, AHiddenCaptionStaysEmptyAndThePhaseWaits) {
    testing::CallLog log;
    testing::FakeWindow window{log};
    testing::FakeClock clock;
    window.title.clear();
    int16_t phase = 1;
    for (int tick = 0; tick < 3; ++tick) OnTitleClockTick(phase, false, window, clock);
    EXPECT_EQ(window.title, "");
    EXPECT_EQ(phase, 1);
}

}  // namespace
}  // namespace corvella
