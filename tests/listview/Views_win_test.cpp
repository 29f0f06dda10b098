// The four views of a folder of mixed files and subfolders, as screenshots
// for a reviewer to look at, and the view styles they come from.
#include "ListFixture_win.h"
#include "e2e/Driver_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

TEST_F(ListFixture, FourViewsOfAMixedFolder) {
    TempFolder folder;
    for (const char* name : {"Documents", "Pictures", "Music"}) MakeFolder(folder, name);
    const std::pair<const char*, size_t> files[] = {
        {"readme.txt", 1536}, {"setup.ini", 300}, {"notes.txt", 0}, {"report.doc", 40000}, {"tool.exe", 90000},
        {"library.dll", 12000}, {"photo.bmp", 250000}};
    for (const auto& [name, bytes] : files) MakeFile(folder, name, bytes);
    ASSERT_TRUE(list_->MoveToPath(folder.Path()));
    ASSERT_TRUE(WaitForFiller(*list_));
    ASSERT_EQ(list_->ItemCount(), 10);
    const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    const char* shots[] = {"listview_0_icons", "listview_1_small_icons", "listview_2_list", "listview_3_report"};
    for (int view = kViewIcon; view <= kViewReport; ++view) {
        list_->SetView(view);
        EXPECT_EQ(list_->View(), view);
        EXPECT_EQ(GetWindowLongPtrA(list_->List(), GWL_STYLE) & LVS_TYPEMASK, static_cast<LONG_PTR>(styles[view]));
        SetForegroundWindow(frame_);
        UpdateWindow(frame_);
        PumpOnce();
        EXPECT_TRUE(corvella::testing::SaveScreenshot(frame_, shots[view]));
    }
    list_->SetView(7);  // out of range: ignored
    EXPECT_EQ(list_->View(), kViewReport);
}

}  // namespace
}  // namespace panorell::testing
