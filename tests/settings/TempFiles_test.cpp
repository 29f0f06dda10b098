#include "settings/TempFiles.h"

#include <gtest/gtest.h>

#include "fakes/StartupHarness.h"

namespace corvella {
namespace {

TEST(DeleteTempFiles, DeletesOnlyLongNamesEndingInTmp) {
    testing::CallLog log;
    testing::FakeFileSystem files(log);
    files.environment["TEMP"] = "C:\\Users\\me\\Temp";
    files.files["C:\\Users\\me\\Temp"] = {"a.tmp", "B.TMP", "report.tmpl", "x.tmp.bak", "tmp", ".tmp", "~DF12.Tmp"};
    DeleteTempFiles(files);
    EXPECT_EQ(log, (testing::CallLog{"delete C:\\Users\\me\\Temp\\a.tmp", "delete C:\\Users\\me\\Temp\\B.TMP",
                                     "delete C:\\Users\\me\\Temp\\.tmp", "delete C:\\Users\\me\\Temp\\~DF12.Tmp"}));
}

TEST(DeleteTempFiles, DoesNothingWithoutTemp) {
    testing::CallLog log;
    testing::FakeFileSystem files(log);
    files.files["C:\\Temp"] = {"a.tmp"};
    DeleteTempFiles(files);
    files.environment["TEMP"] = "";
    DeleteTempFiles(files);
    EXPECT_TRUE(log.empty());
}

TEST(DeleteTempFiles, HandlesATempFolderWithATrailingBackslash) {
    testing::CallLog log;
    testing::FakeFileSystem files(log);
    files.environment["TEMP"] = "D:\\";
    files.files["D:\\"] = {"z.tmp"};
    DeleteTempFiles(files);
    EXPECT_EQ(log, testing::CallLog{"delete D:\\z.tmp"});
}

}  // namespace
}  // namespace corvella
