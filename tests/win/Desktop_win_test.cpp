// The platform's small adapters: message boxes and sound.
#include <gtest/gtest.h>

#include <future>

#include "e2e/Driver_win.h"
#include "platform/Desktop_win.h"
#include "platform/Dialogs_win.h"

namespace corvella {
namespace {

std::vector<std::pair<std::string, UINT>> gPlayed;
BOOL WINAPI RecordPlay(LPCSTR sound, UINT flags) {
    gPlayed.emplace_back(sound, flags);
    return TRUE;
}

// Without SND_NODEFAULT a missing cue would play the system's default sound.
TEST(SoundPlayer, PlaysWithoutWaitingAndNeverTheDefaultSound) {
    gPlayed.clear();
    WinSoundPlayer(&RecordPlay).PlayAsync("C:\\Corvella\\missing.wav");
    ASSERT_EQ(gPlayed.size(), 1u);
    EXPECT_EQ(gPlayed[0].first, "C:\\Corvella\\missing.wav");
    EXPECT_EQ(gPlayed[0].second, static_cast<UINT>(SND_ASYNC | SND_NODEFAULT));
}

// Waits for this process's message box, finds its default button (the one
// Enter presses) and presses it.
int DefaultButtonOfMessageBox() {
    HWND box = nullptr;
    testing::WaitUntil([&] { return (box = testing::FindMessageBox(GetCurrentProcessId())) != nullptr; }, 10000);
    if (!box) return 0;
    int found = 0;
    for (int id : {IDYES, IDNO}) {
        HWND button = GetDlgItem(box, id);
        if (button && (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) found = id;
    }
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(found ? found : IDCANCEL), 0);
    return found;
}

TEST(MessageBoxes, MakeTheAskedButtonTheDefault) {
    WinDialogs dialogs;
    struct Case {
        DefaultButton asked;
        int button;
        MessageAnswer enter;
    };
    for (const Case& c : {Case{DefaultButton::First, IDYES, MessageAnswer::Yes},
                          Case{DefaultButton::Second, IDNO, MessageAnswer::No}}) {
        auto reader = std::async(std::launch::async, DefaultButtonOfMessageBox);
        const MessageAnswer answer = dialogs.ShowMessage("Make ALL Sections use this size button?",
                                                         MessageButtons::YesNo, "Change Button Sizes", c.asked);
        EXPECT_EQ(reader.get(), c.button);
        EXPECT_EQ(answer, c.enter);
    }
}

}  // namespace
}  // namespace corvella
