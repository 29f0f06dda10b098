#include "DropEffectRules.h"

#include <cstddef>

namespace panorell {

namespace {

char AsciiLower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(const std::string& path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) out += AsciiLower(c);
    if (out.size() > 1 && out.back() == '\\') out.pop_back();
    return out;
}

bool IsNetworkPath(const std::string& path) noexcept { return path.size() >= 2 && path[0] == '\\' && path[1] == '\\'; }

// The folder a path lies in: the text before its last backslash, the drive
// root kept whole ("c:\x" gives "c:\"); empty when there is no backslash.
std::string ParentOf(const std::string& path) {
    std::string p = path;
    if (p.size() > 1 && p.back() == '\\') p.pop_back();
    const std::size_t slash = p.rfind('\\');
    if (slash == std::string::npos) return std::string();
    if (slash == 2 && p.size() > 1 && p[1] == ':') return p.substr(0, 3);
    return p.substr(0, slash);
}

uint32_t MoveUnlessControl(DropKeys keys) noexcept { return keys.control ? kDropCopy : kDropMove; }
uint32_t CopyUnlessShift(DropKeys keys) noexcept { return keys.shift ? kDropMove : kDropCopy; }
uint32_t NoneUnlessControl(DropKeys keys) noexcept { return keys.control ? kDropCopy : kDropNone; }

// A shortcut to a folder is followed; a chain of them ends after a few steps.
constexpr int kMaxShortcutHops = 8;

}  // namespace

bool SamePath(const std::string& a, const std::string& b) noexcept { return Folded(a) == Folded(b); }

bool IsServerShare(const std::string& path) noexcept {
    if (!IsNetworkPath(path)) return false;
    std::string rest = path.substr(2);
    if (!rest.empty() && rest.back() == '\\') rest.pop_back();
    const std::size_t slash = rest.find('\\');
    return slash != std::string::npos && slash > 0 && slash + 1 < rest.size() &&
           rest.find('\\', slash + 1) == std::string::npos;
}

bool IsDriveRoot(const std::string& path) noexcept {
    if (path.size() != 3 || path[1] != ':' || path[2] != '\\') return false;
    const char letter = AsciiLower(path[0]);
    return letter >= 'a' && letter <= 'z';
}

bool IsBelow(const std::string& inner, const std::string& outer) noexcept {
    const std::string in = Folded(inner), out = Folded(outer);
    if (out.empty() || in.size() <= out.size() || in.compare(0, out.size(), out) != 0) return false;
    return out.back() == '\\' || in[out.size()] == '\\';
}

uint32_t EnteringEffect(DropKeys keys) noexcept { return MoveUnlessControl(keys); }

uint32_t OwnListEffect(const DropPlace& place) noexcept { return place.hasPath ? kDropCopy : kDropNone; }

DropDecision DecideFileDrop(const DropPlace& place, const std::vector<std::string>& dragged, DropKeys keys,
                            DropFileSystem& files) {
    DropDecision decision;
    if (!place.hasPath) {
        if (place.recycleBin) decision = {kDropMove, true, std::string()};
        return decision;
    }
    std::string target = place.path;
    for (int hop = 0; files.Exists(target) && !files.IsFolder(target); ++hop) {
        std::optional<std::string> folder = hop < kMaxShortcutHops ? files.ShortcutFolder(target) : std::nullopt;
        if (!folder) return decision;
        target = *folder;
    }
    if (!files.Exists(target) && !IsDriveRoot(target)) return decision;
    decision.folder = target;
    if (dragged.empty()) return decision;
    for (const std::string& path : dragged) {
        // A folder can go neither onto itself nor into a folder of its own.
        if (SamePath(path, target) || IsBelow(target, path)) return decision;
    }
    for (const std::string& path : dragged) {
        if (SamePath(ParentOf(path), target)) {
            decision.effect = NoneUnlessControl(keys);
            return decision;
        }
    }
    const std::string& first = dragged.front();
    if (IsNetworkPath(first)) {
        if (IsServerShare(first))
            decision.effect = kDropLink;
        else if (SamePath(ParentOf(first), ParentOf(target)))
            decision.effect = NoneUnlessControl(keys);
        else
            decision.effect = MoveUnlessControl(keys);
        return decision;
    }
    if (IsNetworkPath(target)) {
        decision.effect = CopyUnlessShift(keys);
        return decision;
    }
    const bool sameDrive = first.size() >= 3 && target.size() >= 3 && SamePath(first.substr(0, 3), target.substr(0, 3));
    decision.effect = sameDrive ? MoveUnlessControl(keys) : CopyUnlessShift(keys);
    return decision;
}

}  // namespace panorell
