#include "LinkFileCheck.h"

#include <array>
#include <cstring>

namespace corvella::shortcutreader {

namespace {

constexpr size_t kHeaderSize = 0x4C;
constexpr std::array<uint8_t, 16> kLinkClass = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// The link flags that announce parts of the file.
constexpr uint32_t kHasIdList = 0x1, kHasLinkInfo = 0x2, kIsUnicode = 0x80;
constexpr uint32_t kStringFlags[] = {0x4, 0x8, 0x10, 0x20, 0x40};  // name, path, folder, arguments, icon

// Reads within one span, refusing to go past its end.
class Bytes {
public:
    explicit Bytes(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    size_t size() const { return bytes_.size(); }
    bool Has(size_t at, size_t count) const { return at <= bytes_.size() && count <= bytes_.size() - at; }
    uint16_t U16(size_t at) const { return static_cast<uint16_t>(bytes_[at] | bytes_[at + 1] << 8); }
    uint32_t U32(size_t at) const {
        return uint32_t{bytes_[at]} | uint32_t{bytes_[at + 1]} << 8 | uint32_t{bytes_[at + 2]} << 16 |
               uint32_t{bytes_[at + 3]} << 24;
    }
    // A NUL-ended text (of `unit` bytes per character) starting at `at`
    // and ending before `end`.
    bool TextEndsBefore(size_t at, size_t end, size_t unit) const {
        for (size_t i = at; i + unit <= end && i + unit <= bytes_.size(); i += unit) {
            if (bytes_[i] == 0 && (unit == 1 || bytes_[i + 1] == 0)) return true;
        }
        return false;
    }
    Bytes Part(size_t at, size_t count) const { return Bytes(bytes_.subspan(at, count)); }

private:
    std::span<const uint8_t> bytes_;
};

// The item id list: a 16-bit size, then items each starting with its own
// 16-bit size, ended by a zero size, all inside the stated size.
bool IdListFits(const Bytes& file, size_t& at) {
    if (!file.Has(at, 2)) return false;
    const size_t size = file.U16(at);
    at += 2;
    if (!file.Has(at, size)) return false;
    const Bytes list = file.Part(at, size);
    size_t item = 0;
    for (;;) {
        if (!list.Has(item, 2)) return false;
        const uint16_t length = list.U16(item);
        if (length == 0) break;
        if (length < 2 || !list.Has(item, length)) return false;
        item += length;
    }
    at += size;
    return true;
}

// A sub-block of the link information: its 32-bit size, at least `minimum`,
// inside the information; the text at `textOffsetField` (when given) inside it.
bool BlockFits(const Bytes& info, uint32_t offset, size_t minimum, size_t textOffsetField) {
    if (!info.Has(offset, 4)) return false;
    const uint32_t size = info.U32(offset);
    if (size < minimum || !info.Has(offset, size)) return false;
    if (textOffsetField == 0) return true;
    const uint32_t text = info.U32(offset + textOffsetField);
    return text < size && info.TextEndsBefore(offset + text, offset + size, 1);
}

bool LinkInfoFits(const Bytes& file, size_t& at) {
    if (!file.Has(at, 4)) return false;
    const uint32_t size = file.U32(at);
    if (size < 0x1C || !file.Has(at, size)) return false;
    const Bytes info = file.Part(at, size);
    const uint32_t headerSize = info.U32(4);
    if (headerSize < 0x1C || headerSize > size) return false;
    const uint32_t flags = info.U32(8);
    const uint32_t volume = info.U32(0xC), basePath = info.U32(0x10), network = info.U32(0x14),
                   suffix = info.U32(0x18);
    if ((flags & 1) != 0) {
        if (!BlockFits(info, volume, 0x10, 0xC)) return false;
        if (basePath >= size || !info.TextEndsBefore(basePath, size, 1)) return false;
    }
    if ((flags & 2) != 0 && !BlockFits(info, network, 0x14, 8)) return false;
    if (suffix >= size || !info.TextEndsBefore(suffix, size, 1)) return false;
    if (headerSize >= 0x24) {
        for (size_t field : {size_t{0x1C}, size_t{0x20}}) {
            const uint32_t text = info.U32(field);
            if (text != 0 && (text >= size || !info.TextEndsBefore(text, size, 2))) return false;
        }
    }
    at += size;
    return true;
}

// The least size of each kind of extra data block the shell reads by a
// fixed layout; unknown kinds need only their 8-byte head.
size_t MinimumBlockSize(uint32_t signature) {
    switch (signature) {
        case 0xA0000001: return 0x314;  // environment variables
        case 0xA0000002: return 0xCC;   // console
        case 0xA0000003: return 0x60;   // tracker
        case 0xA0000004: return 0x0C;   // console code page
        case 0xA0000005: return 0x10;   // special folder
        case 0xA0000006: return 0x314;  // installer identifier
        case 0xA0000007: return 0x314;  // icon environment
        case 0xA0000008: return 0x88;   // shim layer
        case 0xA0000009: return 0x0C;   // property store
        case 0xA000000B: return 0x1C;   // known folder
        case 0xA000000C: return 0x0A;   // id list for later systems
        default: return 8;
    }
}

bool ExtraBlocksFit(const Bytes& file, size_t at) {
    while (file.Has(at, 4)) {
        const uint32_t size = file.U32(at);
        if (size < 4) return true;  // the terminal block
        if (size < 8 || !file.Has(at, size)) return false;
        if (size < MinimumBlockSize(file.U32(at + 4))) return false;
        at += size;
    }
    return true;  // bytes after the last block are not read
}

}  // namespace

LinkFileFault CheckLinkFile(std::span<const uint8_t> bytes) noexcept {
    const Bytes file(bytes);
    if (file.size() < kHeaderSize || file.size() > kMaxLinkFileSize) return LinkFileFault::TooShort;
    if (file.U32(0) != kHeaderSize || std::memcmp(bytes.data() + 4, kLinkClass.data(), kLinkClass.size()) != 0)
        return LinkFileFault::NotALink;
    const uint32_t flags = file.U32(0x14);
    size_t at = kHeaderSize;
    if ((flags & kHasIdList) != 0 && !IdListFits(file, at)) return LinkFileFault::BadIdList;
    if ((flags & kHasLinkInfo) != 0 && !LinkInfoFits(file, at)) return LinkFileFault::BadLinkInfo;
    const size_t unit = (flags & kIsUnicode) != 0 ? 2 : 1;
    for (uint32_t flag : kStringFlags) {
        if ((flags & flag) == 0) continue;
        if (!file.Has(at, 2)) return LinkFileFault::BadString;
        const size_t length = file.U16(at) * unit;
        if (!file.Has(at + 2, length)) return LinkFileFault::BadString;
        at += 2 + length;
    }
    if (!ExtraBlocksFit(file, at)) return LinkFileFault::BadExtraBlock;
    return LinkFileFault::None;
}

}  // namespace corvella::shortcutreader
