// The structural check of shortcut files on any bytes: it reads nothing
// outside the file (the replay gives it a buffer of the exact size), and an
// accepted file stays accepted when bytes follow its end block.
#include <vector>

#include "FuzzInput.h"
#include "external/shortcutreader/LinkFileCheck.h"

using namespace corvella::shortcutreader;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const LinkFileFault fault = CheckLinkFile(bytes);
    if (fault != LinkFileFault::None) return 0;
    FUZZ_CHECK(size >= 0x4C);
    std::vector<uint8_t> ended(data, data + size);
    ended.insert(ended.end(), {0, 0, 0, 0, 0xAB, 0xCD});
    // A file that already ended with its blocks may not end with this one,
    // but none of its parts moved: only the blocks after them can differ.
    const LinkFileFault again = CheckLinkFile(ended);
    FUZZ_CHECK(again == LinkFileFault::None || again == LinkFileFault::BadExtraBlock);
    return 0;
}
