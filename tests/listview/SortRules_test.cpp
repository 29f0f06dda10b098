// The sort rules of the list's columns, with the folder-first rule.
#include "SortRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace panorell {
namespace {

SortKey File(const char* name, double kb = 0, const char* type = "", LocalTime t = {}) {
    SortKey k;
    k.displayName = name;
    k.sizeKb = kb;
    k.typeName = type;
    k.modified = t;
    return k;
}

SortKey Folder(const char* name) {
    SortKey k = File(name, 0, "File Folder");
    k.isFolder = true;
    return k;
}

LocalTime At(uint16_t year, uint16_t month, uint16_t day, uint16_t hour = 0, uint16_t minute = 0) {
    LocalTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    return t;
}

std::vector<std::string> Sorted(std::vector<SortKey> keys, int column, bool descending, bool myComputer = false) {
    std::stable_sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        return CompareItems(a, b, column, descending, myComputer) < 0;
    });
    std::vector<std::string> names;
    for (const auto& k : keys) names.emplace_back(k.displayName);
    return names;
}

TEST(SortRules, NamesIgnoreCaseAndFoldersComeFirstInBothDirections) {
    std::vector<SortKey> keys = {File("beta"), Folder("zeta"), File("Alpha"), Folder("Gamma")};
    EXPECT_EQ(Sorted(keys, kSortName, false), (std::vector<std::string>{"Gamma", "zeta", "Alpha", "beta"}));
    EXPECT_EQ(Sorted(keys, kSortName, true), (std::vector<std::string>{"zeta", "Gamma", "beta", "Alpha"}));
    EXPECT_EQ(CompareItems(File("ABC"), File("abc"), kSortName, false, false), 0);
}

TEST(SortRules, SizesNeverCompareEqual) {
    SortKey a = File("a", 1.5), b = File("b", 1.5);
    EXPECT_EQ(CompareItems(a, b, kSortSize, false, false), -1);
    EXPECT_EQ(CompareItems(b, a, kSortSize, false, false), -1);
    EXPECT_EQ(CompareItems(File("big", 9), File("small", 1), kSortSize, false, false), 1);
    EXPECT_EQ(CompareItems(File("big", 9), File("small", 1), kSortSize, true, false), -1);
    EXPECT_EQ(CompareItems(Folder("d"), File("big", 9), kSortSize, true, false), -1);
}

TEST(SortRules, EqualTypesKeepNamesAscendingInEitherDirection) {
    std::vector<SortKey> keys = {File("b", 0, "Text"), File("a", 0, "Text"), File("c", 0, "Image")};
    EXPECT_EQ(Sorted(keys, kSortType, false), (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(Sorted(keys, kSortType, true), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(SortRules, ModifiedTimesOrderAndInvalidTimesComeFirst) {
    SortKey early = File("early", 0, "", At(1999, 12, 31, 23, 59));
    SortKey late = File("late", 0, "", At(2000, 1, 1));
    SortKey same = File("same", 0, "", At(2000, 1, 1));
    SortKey invalid = File("invalid", 0, "", At(2000, 13, 1));
    EXPECT_EQ(CompareItems(early, late, kSortModified, false, false), -1);
    EXPECT_EQ(CompareItems(late, early, kSortModified, false, false), 1);
    EXPECT_EQ(CompareItems(late, same, kSortModified, false, false), 0);
    EXPECT_EQ(CompareItems(invalid, early, kSortModified, false, false), -1);
    EXPECT_EQ(CompareItems(late, early, kSortModified, true, false), -1);
}

TEST(SortRules, ValidTimeLimits) {
    struct Case {
        LocalTime t;
        bool valid;
    };
    LocalTime badHour = At(2000, 1, 1, 24), badMinute = At(2000, 1, 1, 0, 60), badSecond = At(2000, 1, 1);
    badSecond.second = 60;
    const Case cases[] = {{At(1900, 1, 1), true},  {At(1899, 12, 31), false}, {At(2000, 0, 1), false},
                          {At(2000, 1, 0), false}, {At(2000, 1, 31, 23, 59), true}, {At(2000, 1, 32), false},
                          {badHour, false},        {badMinute, false},        {badSecond, false}};
    for (const auto& c : cases) EXPECT_EQ(IsValidLocalTime(c.t), c.valid) << c.t.year << "-" << c.t.month;
}

TEST(SortRules, MyComputerPutsDrivesFirstInLetterOrder) {
    auto Item = [](const char* name, const char* parsing) {
        SortKey k = File(name);
        k.parsingName = parsing;
        k.isFolder = true;
        return k;
    };
    std::vector<SortKey> keys = {Item("Control Panel", "::{21EC2020}"), Item("System (D:)", "d:\\"),
                                 Item("Disk (C:)", "C:\\"), Item("Z", "z:\\")};
    EXPECT_EQ(Sorted(keys, kSortName, false, true),
              (std::vector<std::string>{"Disk (C:)", "System (D:)", "Z", "Control Panel"}));
    EXPECT_EQ(CompareItems(Item("a", "::x"), Item("b", "::y"), kSortName, false, true), 0);
    EXPECT_TRUE(IsDriveName("C:\\"));
    EXPECT_FALSE(IsDriveName("1:\\"));
    EXPECT_FALSE(IsDriveName("C:"));
}

TEST(SortRules, HeaderClicksFlipOrStartAscending) {
    SortState s;
    s.Click(kSortName);
    EXPECT_TRUE(s.descending);
    s.Click(kSortName);
    EXPECT_FALSE(s.descending);
    s.Click(kSortName);
    s.Click(kSortSize);
    EXPECT_EQ(s.column, kSortSize);
    EXPECT_FALSE(s.descending);
}

}  // namespace
}  // namespace panorell
