// The item filters of a list on any item, pattern and attribute word: a
// refresh never shows what the first listing left out, directories and
// items without a path always pass an update, and allowing more attributes
// never hides an item.
#include "FuzzInput.h"
#include "ItemFilter.h"
#include "Wildcard.h"

using namespace panorell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzInput in(data, size);
    FilterItem item;
    item.isFolder = in.Bool();
    item.hasPath = in.Bool();
    item.fileAttributes = in.Number<uint32_t>();
    const uint8_t kinds = in.Byte();
    const uint32_t more = in.Number<uint32_t>();
    const std::string pattern = in.Text('\0');
    const std::string path = in.Rest();
    item.path = path;

    const uint32_t filter = MakeAttributeFilter(kinds & 1, kinds & 2, kinds & 4, kinds & 8);
    FUZZ_CHECK((filter & kAttrDirectory) != 0);
    FUZZ_CHECK_EQ(filter & ~(kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrDirectory | kAttrArchive), 0u);

    const bool attributesPass = PassesAttributeTest(item.fileAttributes, filter);
    if (item.fileAttributes == 0) FUZZ_CHECK(attributesPass);
    if (attributesPass) FUZZ_CHECK(PassesAttributeTest(item.fileAttributes, filter | more));
    FUZZ_CHECK(PassesAttributeTest(item.fileAttributes, MakeAttributeFilter(true, true, true, true)));

    const bool listed = PassesListingFilter(item, pattern);
    const bool refreshed = PassesRefreshFilter(item, pattern, filter);
    if (!item.hasPath || (item.fileAttributes & kAttrDirectory)) FUZZ_CHECK(refreshed);
    if (item.hasPath && !(item.fileAttributes & kAttrDirectory) && refreshed) FUZZ_CHECK(listed);
    if (PatternListsEverything(pattern)) FUZZ_CHECK(listed);
    if (item.hasPath && !item.isFolder && !PatternListsEverything(pattern))
        FUZZ_CHECK_EQ(listed, MatchesPattern(NameOfPath(path), pattern));
    return 0;
}
