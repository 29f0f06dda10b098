// Every save routine reaches the disk as one replacement of the file, and
// that file is byte for byte what the routine's writes, made one at a time,
// would have left.
#include <gtest/gtest.h>

#include <functional>

#include "fakes/MemoryStore.h"
#include "fakes/ModelHarness.h"
#include "platform/IniFileProfile.h"

namespace corvella {
namespace {

using testing::MemoryStore;
using testing::ModelHarness;
using testing::Rec;

const std::string kStart =
    "; kept by hand\r\n[Options]\r\nEnableSound=0\r\nSection1Name=Work\r\nSection1Size=2\r\nSection2Name=Games\r\n"
    "Section2Size=0\r\nSection3Name=Tools\r\nSection3Size=-1\r\n\r\n[Sections]\r\nColor1=255\r\n\r\n[Buttons]\r\n" +
    Rec("Button1=a.exe|1|tip a|text a|\r\nButton2=b.lnk|2|||\r\nButton3=c.exe|3|tip c||C:\\c.ico\r\n"
        "Button4=d.exe|1|||\r\n");

struct Routine {
    const char* name;
    std::function<void(ModelHarness&)> run;
};

const Routine kRoutines[] = {
    {"SaveSwitches", [](ModelHarness& h) { SaveSwitches(h.settings, h.SettingsDepsFor()); }},
    {"SaveSettings", [](ModelHarness& h) { SaveSettings(h.settings, h.SettingsDepsFor()); }},
    {"SaveLockState", [](ModelHarness& h) { SaveLockState(h.settings, h.SettingsDepsFor()); }},
    {"SaveButtonSizes", [](ModelHarness& h) { SaveButtonSizes(h.settings, h.SettingsDepsFor()); }},
    {"SaveLooksAndSections", [](ModelHarness& h) { SaveLooksAndSections(h.settings, h.SettingsDepsFor()); }},
    {"SaveAllButtons after a deletion",
     [](ModelHarness& h) {
         h.buttons.gButtonSection[1] = 0;
         h.model.SaveAllButtons();
     }},
    {"DeleteSection", [](ModelHarness& h) { h.model.DeleteSection(1); }},
    {"MoveSection", [](ModelHarness& h) { h.model.MoveSection(2, 0); }},
    {"one record",
     [](ModelHarness& h) {
         h.MapSlots();
         h.model.OnDeleteTooltipCommand(0);
     }},
};

TEST(AtomicSaves, EachRoutineReplacesTheFileOnceWithWhatItsWritesOneByOneGive) {
    for (const Routine& routine : kRoutines) {
        ModelHarness stepwise(kStart);
        stepwise.Load();
        routine.run(stepwise);
        ASSERT_FALSE(stepwise.profile.writes.empty()) << routine.name << " writes nothing; the case proves nothing";

        MemoryStore store(kStart);
        IniFileProfile profile(store);
        ModelHarness atomic({}, &profile);
        atomic.Load();
        const int before = store.replaces;
        routine.run(atomic);
        EXPECT_EQ(store.replaces - before, 1) << routine.name;
        EXPECT_EQ(store.Text(), stepwise.profile.Text()) << routine.name;
    }
}

// A failed save leaves the file as it was and the launcher's own state as the
// user left it; the next save that succeeds writes all of it.
TEST(AtomicSaves, AFailedButtonRewriteLosesNothing) {
    MemoryStore store(kStart);
    IniFileProfile profile(store);
    int failures = 0;
    profile.onSaveFailed = [&](const std::string&) { ++failures; };
    ModelHarness h({}, &profile);
    h.Load();
    store.failWrites = true;
    h.buttons.gButtonSection[0] = 0;
    h.model.SaveAllButtons();
    h.model.LoadButtons();
    EXPECT_EQ(store.Text(), kStart);
    EXPECT_EQ(failures, 1);
    ASSERT_EQ(h.buttons.gButtonCount, 3);
    EXPECT_EQ(h.buttons.gButtonTarget[0], "b.lnk");

    store.failWrites = false;
    h.MapSlots();
    h.model.OnDeleteTooltipCommand(0);
    IniDocument written(store.Text());
    EXPECT_EQ(written.Get("Buttons", "Button1"), Rec("b.lnk|2|||"));
    EXPECT_EQ(written.Get("Buttons", "Button3"), Rec("d.exe|1|||"));
    EXPECT_EQ(written.Get("Buttons", "Button4"), "");
}

}  // namespace
}  // namespace corvella
