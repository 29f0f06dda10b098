// The colour chooser, whose library the launcher loads at the first use.
#include <gtest/gtest.h>

#include <future>

#include "dialogs/DialogWindow_win.h"
#include "e2e/Driver_win.h"

namespace corvella {
namespace {

TEST(ColourChooser, OpensAndGivesBackTheColourConfirmed) {
    // Confirms the chooser as Enter would, once it is on the screen.
    auto confirm = std::async(std::launch::async, [] {
        HWND box = nullptr;
        testing::WaitUntil([&] { return (box = testing::FindMessageBox(GetCurrentProcessId())) != nullptr; }, 20000);
        if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
        return box != nullptr;
    });
    int32_t chosen = -1;
    const bool confirmed = ChooseColourFor(nullptr, 0x00336699, chosen);
    ASSERT_TRUE(confirm.get()) << "the colour chooser did not open";
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(chosen, 0x00336699);
}

}  // namespace
}  // namespace corvella
