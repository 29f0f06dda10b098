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

// What a sort may be given: never a < a, never both a < b and b < a, and
// a < b < c gives a < c (likewise for "neither is less"), for every column
// and direction, with equal sizes, names, types and times among the keys.
TEST(SortRules, TheOrderForASortIsStrictAndWeakInEveryColumn) {
    const std::vector<SortKey> keys = {
        File("a", 1.5, "Text", At(2001, 1, 1)), File("B", 1.5, "text", At(2001, 1, 1)), File("c", 0, "Image"),
        File("a", 9, "Image", At(1999, 5, 5)),  Folder("d"),                            Folder("D"),
        File("e", 1.5),                          File("f", 0, "Text", At(2001, 1, 1)),   File("g", 0),
    };
    const size_t n = keys.size();
    for (int column : {kSortName, kSortSize, kSortType, kSortModified}) {
        for (bool descending : {false, true}) {
            auto less = [&](size_t i, size_t j) {
                return CompareForSort(keys[i], i, keys[j], j, column, descending, false) < 0;
            };
            std::string where = "column " + std::to_string(column) + (descending ? " descending" : "");
            for (size_t i = 0; i < n; ++i) {
                EXPECT_FALSE(less(i, i)) << where << ", key " << i;
                for (size_t j = 0; j < n; ++j) {
                    EXPECT_FALSE(less(i, j) && less(j, i)) << where << ", keys " << i << " " << j;
                    for (size_t k = 0; k < n; ++k) {
                        bool ij = !less(i, j) && !less(j, i), jk = !less(j, k) && !less(k, j);
                        bool ik = !less(i, k) && !less(k, i);
                        EXPECT_TRUE(!(less(i, j) && less(j, k)) || less(i, k)) << where << ", " << i << j << k;
                        EXPECT_TRUE(!(ij && jk) || ik) << where << ", " << i << j << k;
                    }
                }
            }
        }
    }
}

TEST(SortRules, EqualSizesKeepTheOrderTheNeverEqualRuleGave) {
    // Equal sizes: ascending, the later first; descending, as they stood.
    std::vector<SortKey> keys = {File("one", 2), File("two", 1), File("three", 2), File("four", 2)};
    auto sorted = [&](bool descending) {
        std::vector<size_t> order = {0, 1, 2, 3};
        std::stable_sort(order.begin(), order.end(), [&](size_t i, size_t j) {
            return CompareForSort(keys[i], i, keys[j], j, kSortSize, descending, false) < 0;
        });
        std::vector<std::string> names;
        for (size_t i : order) names.emplace_back(keys[i].displayName);
        return names;
    };
    EXPECT_EQ(sorted(false), (std::vector<std::string>{"two", "four", "three", "one"}));
    EXPECT_EQ(sorted(false), Sorted(keys, kSortSize, false));
    EXPECT_EQ(sorted(true), (std::vector<std::string>{"one", "three", "four", "two"}));
    EXPECT_EQ(sorted(true), Sorted(keys, kSortSize, true));
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
