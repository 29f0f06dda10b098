#pragma once
// A structural check of a shortcut (.lnk) file before the shell's link object
// parses it. The shell trusts the lengths and flags a file states; a damaged
// or hostile file that announces strings or blocks it does not hold makes
// some link parsers read past their buffer and take the process down. The
// check walks every part the flags announce (header, item id list, link
// information with its offsets, the counted strings, the extra data blocks
// with the minimum size of each known kind) and accepts the file only when
// each lies inside it. Portable: the reader component and the tests share it.
#include <cstddef>
#include <cstdint>
#include <span>

namespace corvella::shortcutreader {

// Files larger than this are no shortcut the launcher made or takes.
inline constexpr size_t kMaxLinkFileSize = 1 << 20;

enum class LinkFileFault : uint8_t {
    None,
    TooShort,        // smaller than the header, or larger than any shortcut
    NotALink,        // header size or class identifier wrong
    BadIdList,       // item id list outside the file or an item that cannot be walked
    BadLinkInfo,     // link information outside the file, or an offset or text outside it
    BadString,       // a counted string outside the file
    BadExtraBlock,   // an extra data block outside the file or shorter than its kind
};

LinkFileFault CheckLinkFile(std::span<const uint8_t> bytes) noexcept;

}  // namespace corvella::shortcutreader
