// The shell side of a list on real files: in-place rename with its name
// check and the item's new type, cut marks set by the "cut" command and
// cleared by Escape, opening a folder item, and the switches that refuse.
#include <shlwapi.h>

#include "ListFixture_win.h"
#include "shell/ListShell_win.h"

namespace panorell::testing {
namespace {

using corvella::testing::TempFolder;

bool Exists(const TempFolder& folder, const char* name) {
    return PathFileExistsA(folder.File(name).c_str()) != FALSE;
}

class ListShellTest : public ListFixture {
protected:
    void Show(const TempFolder& folder) {
        ASSERT_TRUE(list_->MoveToPath(folder.Path()));
        ASSERT_TRUE(WaitForFiller(*list_));
    }
    int SelectOnly(const char* name) {
        for (int i = 0; i < list_->ItemCount(); ++i) list_->Select(i, false);
        const int index = IndexOf(*list_, name);
        list_->Select(index, true);
        return index;
    }
    int Cut() const {
        int marked = 0;
        for (int i = 0; i < list_->ItemCount(); ++i) marked += list_->Item(i)->cut ? 1 : 0;
        return marked;
    }
};

TEST_F(ListShellTest, RenameRefusesBadNamesAndGivesGoodOnes) {
    TempFolder folder;
    MakeFile(folder, "a.txt");
    MakeFile(folder, "keep.txt");
    Show(folder);
    const int index = SelectOnly("a.txt");
    ASSERT_GE(index, 0);
    ASSERT_TRUE(list_->Shell().MayRename(index));

    for (const char* bad : {"a:b", "   ", "", "x|y", "keep.txt"}) {
        sink_.events.clear();
        list_->Shell().OnRenamed(index, bad);
        EXPECT_TRUE(sink_.Saw("ControlError 2")) << '"' << bad << '"';
        EXPECT_TRUE(Exists(folder, "a.txt")) << bad;
    }
    sink_.events.clear();
    list_->Shell().OnRenamed(index, nullptr);
    EXPECT_TRUE(sink_.events.empty()) << "a cancelled edit does nothing";

    const std::string typeBefore = list_->ColumnText(*list_->Item(index), kTypeColumn);
    list_->Shell().OnRenamed(index, "a.doc");
    EXPECT_FALSE(sink_.Saw("ControlError 2"));
    EXPECT_TRUE(Exists(folder, "a.doc"));
    EXPECT_FALSE(Exists(folder, "a.txt"));
    EXPECT_EQ(list_->Item(index)->details.displayName, "a.doc");
    EXPECT_NE(list_->ColumnText(*list_->Item(index), kTypeColumn), typeBefore) << "the type is read again";
    EXPECT_EQ(list_->List(index), folder.File("a.doc")) << "the item's id is the new one";
    // The new id is used from now on: a second rename finds the file.
    list_->Shell().OnRenamed(index, "b.doc");
    EXPECT_TRUE(Exists(folder, "b.doc"));
}

TEST_F(ListShellTest, RenameIsRefusedWhenSwitchedOffOrWithoutASelection) {
    TempFolder folder;
    MakeFile(folder, "a.txt");
    Show(folder);
    const int index = IndexOf(*list_, "a.txt");
    EXPECT_FALSE(list_->Shell().MayRename(index)) << "nothing selected";
    SelectOnly("a.txt");
    list_->Shell().Switches().fileRename = false;
    EXPECT_FALSE(list_->Shell().MayRename(index));
    list_->Shell().Switches().fileRename = true;
    EXPECT_TRUE(list_->Shell().MayRename(index));
}

TEST_F(ListShellTest, CutMarksTheSelectionAndEscapeClearsMarksAndClipboard) {
    TempFolder folder;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) MakeFile(folder, name);
    Show(folder);
    list_->Select(IndexOf(*list_, "a.txt"), true);
    list_->Select(IndexOf(*list_, "c.txt"), true);
    EXPECT_TRUE(list_->Shell().Commands().RunByVerb("CUT"));
    EXPECT_EQ(Cut(), 2);
    EXPECT_TRUE(list_->Item(IndexOf(*list_, "a.txt"))->cut);
    EXPECT_TRUE(list_->Shell().Flags().clipboardFilledHere);

    SelectOnly("b.txt");
    EXPECT_TRUE(list_->Shell().Commands().RunByVerb("copy"));
    EXPECT_EQ(Cut(), 0) << "a copy takes earlier cut marks away";

    SelectOnly("b.txt");
    list_->Shell().Commands().RunByVerb("cut");
    ASSERT_EQ(Cut(), 1);
    EXPECT_TRUE(list_->Shell().OnKey(VK_ESCAPE));
    EXPECT_EQ(Cut(), 0);
    EXPECT_EQ(CountClipboardFormats(), 0) << "Escape empties the clipboard the cut filled";
    EXPECT_TRUE(Exists(folder, "b.txt"));
}

TEST_F(ListShellTest, CommandsCountTextAndRefuseWithoutSelection) {
    TempFolder folder;
    MakeFile(folder, "a.txt");
    Show(folder);
    ShellCommands commands = list_->Shell().Commands();
    EXPECT_EQ(commands.MenuCount(), 0);
    EXPECT_TRUE(commands.RunByVerb("open")) << "nothing selected: nothing matched";
    EXPECT_FALSE(commands.RunByPosition(0));
    SelectOnly("a.txt");
    const int count = commands.MenuCount();
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) EXPECT_FALSE(commands.MenuText(i).empty()) << i;
    EXPECT_EQ(commands.MenuText(count), "");
    EXPECT_EQ(commands.MenuVerb(-1), "");
    EXPECT_FALSE(commands.RunByPosition(count));
}

TEST_F(ListShellTest, OpeningAFolderItemMovesTheListThere) {
    TempFolder folder;
    MakeFolder(folder, "inner");
    Show(folder);
    sink_.events.clear();
    list_->Shell().OpenItem(IndexOf(*list_, "inner"));
    EXPECT_TRUE(sink_.Saw("Moved 1 listed"));
    EXPECT_EQ(list_->CurrentPath(), folder.File("inner"));
}

}  // namespace
}  // namespace panorell::testing
