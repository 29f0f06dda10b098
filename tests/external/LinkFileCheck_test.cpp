#include "external/shortcutreader/LinkFileCheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace corvella::shortcutreader {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}
// Byte by byte: GCC 12 at -O2 takes a range insert into a grown vector for
// an overflow (a known false -Warray-bounds).
void Append(Bytes& b, std::initializer_list<uint8_t> more) {
    for (uint8_t byte : more) b.push_back(byte);
}
void Append(Bytes& b, const std::string& text) {
    for (char c : text) b.push_back(static_cast<uint8_t>(c));
}

// Where the parts of the sample begin.
constexpr size_t kIdList = 0x4C, kLinkInfo = kIdList + 10, kVolume = kLinkInfo + 0x1C;
constexpr size_t kSuffix = kLinkInfo + 0x36, kStrings = kLinkInfo + 0x37;

// A whole shortcut as the shell writes one: an item id list of one item,
// link information with a volume, a base path and an empty suffix, a working
// folder and arguments in UTF-16, and the end block.
Bytes Sample() {
    Bytes b(0x4C, 0);
    Put32(b, 0, 0x4C);
    const uint8_t linkClass[] = {0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
    std::copy(std::begin(linkClass), std::end(linkClass), b.begin() + 4);
    Put32(b, 0x14, 0xB3);  // id list, link information, working folder, arguments, UTF-16
    Append(b, {8, 0, 6, 0, 'a', 'b', 'c', 'd', 0, 0});
    Bytes info(0x1C, 0);
    Put32(info, 0, 0x37);
    Put32(info, 4, 0x1C);
    Put32(info, 8, 1);
    Put32(info, 0xC, 0x1C);
    Put32(info, 0x10, 0x2D);
    Put32(info, 0x18, 0x36);
    Append(info, {0x11, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0x10, 0, 0, 0, 0});  // volume, empty label
    Append(info, std::string("C:\\a.exe", 9));
    Append(info, {0});
    for (uint8_t byte : info) b.push_back(byte);
    Append(b, {3, 0, 'C', 0, ':', 0, '\\', 0});
    Append(b, {2, 0, '/', 0, 'x', 0});
    Append(b, {0, 0, 0, 0});
    return b;
}

TEST(LinkFileCheck, TheSampleIsWholeAndOnlyItsOwnEndsMatter) {
    Bytes b = Sample();
    ASSERT_EQ(b.size(), kStrings + 14 + 4);
    EXPECT_EQ(CheckLinkFile(b), LinkFileFault::None);
    Append(b, {0xFF, 0xFF});  // after the end block nothing is read
    EXPECT_EQ(CheckLinkFile(b), LinkFileFault::None);
    b = Sample();
    b.resize(b.size() - 4);  // no end block: the file ends there
    EXPECT_EQ(CheckLinkFile(b), LinkFileFault::None);
}

TEST(LinkFileCheck, RefusesEveryPartThatLiesOutsideTheFile) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        LinkFileFault fault;
    };
    const Case cases[] = {
        {"shorter than the header", [](Bytes& b) { b.resize(0x40); }, LinkFileFault::TooShort},
        {"another header size", [](Bytes& b) { Put32(b, 0, 0x4D); }, LinkFileFault::NotALink},
        {"another class", [](Bytes& b) { b[4] = 2; }, LinkFileFault::NotALink},
        {"id list longer than the file", [](Bytes& b) { Put16(b, kIdList, 0xFFFF); }, LinkFileFault::BadIdList},
        {"an item of length 1", [](Bytes& b) { Put16(b, kIdList + 2, 1); }, LinkFileFault::BadIdList},
        {"an item past its list", [](Bytes& b) { Put16(b, kIdList + 2, 9); }, LinkFileFault::BadIdList},
        {"cut inside the id list", [](Bytes& b) { b.resize(kIdList + 5); }, LinkFileFault::BadIdList},
        {"link information past the end", [](Bytes& b) { Put32(b, kLinkInfo, 0x7FFFFFFF); },
         LinkFileFault::BadLinkInfo},
        {"link information smaller than its header", [](Bytes& b) { Put32(b, kLinkInfo, 8); },
         LinkFileFault::BadLinkInfo},
        {"volume block past the information", [](Bytes& b) { Put32(b, kVolume, 0x400); },
         LinkFileFault::BadLinkInfo},
        {"volume label outside its block", [](Bytes& b) { Put32(b, kVolume + 0xC, 0x40); },
         LinkFileFault::BadLinkInfo},
        {"base path outside", [](Bytes& b) { Put32(b, kLinkInfo + 0x10, 0x99); }, LinkFileFault::BadLinkInfo},
        {"suffix without its end", [](Bytes& b) { b[kSuffix] = 'x'; }, LinkFileFault::BadLinkInfo},
        {"network block announced outside",
         [](Bytes& b) {
             Put32(b, kLinkInfo + 8, 3);
             Put32(b, kLinkInfo + 0x14, 0x200);
         },
         LinkFileFault::BadLinkInfo},
        // The damage that took a link parser down: every string announced.
        {"every string announced", [](Bytes& b) { Put32(b, 0x14, 0xFF); }, LinkFileFault::BadString},
        {"arguments longer than the file", [](Bytes& b) { Put16(b, kStrings + 8, 500); }, LinkFileFault::BadString},
        {"a tracker block too short for its kind",
         [](Bytes& b) {
             b.resize(b.size() - 4);
             Append(b, {0x10, 0, 0, 0, 0x03, 0, 0, 0xA0, 0, 0, 0, 0, 0, 0, 0, 0});
         },
         LinkFileFault::BadExtraBlock},
        {"a block past the end", [](Bytes& b) { Append(b = Bytes(b.begin(), b.end() - 4), {0x20, 0, 0, 0, 1, 2}); },
         LinkFileFault::BadExtraBlock},
    };
    for (const Case& c : cases) {
        Bytes b = Sample();
        c.damage(b);
        EXPECT_EQ(CheckLinkFile(b), c.fault) << c.what;
    }
}

}  // namespace
}  // namespace corvella::shortcutreader
