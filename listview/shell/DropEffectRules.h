#pragma once
// Which effect a file-list drop onto the list gets (copy, move, link or
// none), from the target, the dragged paths and the keys held. The paths
// come from other programs, so every rule is total: any text gives an answer.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace panorell {

// The drop effect bits, as the platform's drag loop uses them.
inline constexpr uint32_t kDropNone = 0;
inline constexpr uint32_t kDropCopy = 1;
inline constexpr uint32_t kDropMove = 2;
inline constexpr uint32_t kDropLink = 4;
// What a drag out of the list allows.
inline constexpr uint32_t kDragAllowed = kDropCopy | kDropMove | kDropLink;

struct DropKeys {
    bool control = false;
    bool shift = false;
};

// Where the files would land: an item under the cursor, or the folder shown.
struct DropPlace {
    bool hasPath = false;     // the place has a file-system path
    std::string path;         // that path
    bool recycleBin = false;  // the place is the recycle bin
};

// What the rules ask of the file system.
class DropFileSystem {
public:
    virtual ~DropFileSystem() = default;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // The folder a shortcut file points to; nothing when `path` is no
    // shortcut or points to anything but a folder.
    virtual std::optional<std::string> ShortcutFolder(const std::string& path) = 0;
};

struct DropDecision {
    uint32_t effect = kDropNone;
    bool recycleBin = false;  // the files go to the recycle bin (delete with undo)
    std::string folder;       // the folder the files go into (a shortcut resolved)
};

DropDecision DecideFileDrop(const DropPlace& place, const std::vector<std::string>& dragged, DropKeys keys,
                            DropFileSystem& files);

// The effect of a drag entering the list: move, or copy with Control.
uint32_t EnteringEffect(DropKeys keys) noexcept;

// The control family's own path list dropped onto `place`: copy onto a
// place with a file-system path, nothing elsewhere.
uint32_t OwnListEffect(const DropPlace& place) noexcept;

// Path texts the rules are made of, exposed for the drop code and tests.
// Windows paths compare ignoring ASCII case and one trailing backslash.
bool SamePath(const std::string& a, const std::string& b) noexcept;
// "\\server\share" (a trailing backslash allowed): a folder directly below a server.
bool IsServerShare(const std::string& path) noexcept;
// "X:\" for any letter X.
bool IsDriveRoot(const std::string& path) noexcept;
// True when `inner` lies below `outer` (not equal to it).
bool IsBelow(const std::string& inner, const std::string& outer) noexcept;

}  // namespace panorell
