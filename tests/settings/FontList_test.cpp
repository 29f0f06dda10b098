#include "settings/FontList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvella {
namespace {

using Texts = std::vector<std::string>;

TEST(SortTexts, SortsByCharacterCodes) {
    struct Case { Texts input, sorted; };
    const Case cases[] = {
        {{}, {}},
        {{"b"}, {"b"}},
        {{"b", "a"}, {"a", "b"}},
        {{"a", "b"}, {"a", "b"}},
        {{"arial", "Arial", "Zapf", "zapf", "MS Sans Serif"}, {"Arial", "MS Sans Serif", "Zapf", "arial", "zapf"}},
        {{"x", "x", "a", "x", "a"}, {"a", "a", "x", "x", "x"}},
        {{"e", "d", "c", "b", "a"}, {"a", "b", "c", "d", "e"}},
        {{"a", "b", "c", "d", "e", "f"}, {"a", "b", "c", "d", "e", "f"}},
        {{"\xE9t\xE9", "zoo", "Zoo"}, {"Zoo", "zoo", "\xE9t\xE9"}},  // codes above 127 sort last
    };
    for (const Case& c : cases) {
        Texts list = c.input;
        SortTexts(list, 0, static_cast<int>(list.size()) - 1);
        EXPECT_EQ(list, c.sorted);
    }
}

TEST(SortTexts, SortsOnlyTheGivenRange) {
    Texts list{"z", "d", "c", "b", "a", "y"};
    SortTexts(list, 1, 4);
    EXPECT_EQ(list, (Texts{"z", "a", "b", "c", "d", "y"}));
}

TEST(SortTexts, AgreesWithAStableReferenceOnManyInputs) {
    // A deterministic spread of lists with duplicates and shared prefixes.
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u; };
    for (int n = 0; n < 200; ++n) {
        Texts list;
        for (int i = 0, count = static_cast<int>(next() % 40); i < count; ++i)
            list.push_back(std::string(1 + next() % 3, static_cast<char>('A' + next() % 40)));
        Texts expected = list;
        std::sort(expected.begin(), expected.end());
        SortTexts(list, 0, static_cast<int>(list.size()) - 1);
        ASSERT_EQ(list, expected);
    }
}

TEST(BuildFontList, NumbersTheSortedNamesFromOne) {
    EXPECT_EQ(BuildFontList({"Tahoma", "Arial"}), (Texts{"", "Arial", "Tahoma"}));
    EXPECT_EQ(BuildFontList({}), (Texts{""}));
}

}  // namespace
}  // namespace corvella
