#include "AddButton.h"

#include <vector>

#include "../model/Buttons.h"
#include "../model/Sections.h"
#include "../settings/ProfileText.h"
#include "../settings/Startup.h"
#include "PathText.h"

namespace corvella {

namespace {

constexpr std::size_t kCopyBlock = 32000;

bool IsShortcutPath(std::string_view path) { return IsShortcutCopyName(path); }

bool SameFile(const std::string& a, const std::string& b, FileStreams& files) {
    const std::string longA = files.LongFullPath(a);
    return !longA.empty() && LowerCase(longA) == LowerCase(files.LongFullPath(b));
}

bool CopyBytes(InputFile& from, OutputFile& to) {
    std::vector<char> block(kCopyBlock);
    for (;;) {
        std::optional<std::size_t> read = from.Read(block.data(), block.size());
        if (!read) return false;
        if (*read == 0) return true;
        if (!to.Write(block.data(), *read)) return false;
    }
}

// The stored target of a dropped path: the short name of its copy for a
// shortcut, else its own short path; empty when it cannot be made.
std::string TargetOf(const std::string& path, const AddButtonDeps& deps) {
    const std::string target = LowerCase(path);
    if (!IsShortcutPath(target)) return Trimmed(deps.shell.ShortPath(target));
    std::optional<std::string> copy = CopyShortcutToProgramFolder(target, deps);
    if (!copy) return {};
    const std::string shortCopy = deps.shell.ShortPath(deps.programFolder + "\\" + *copy);
    return shortCopy.empty() ? std::string() : Trimmed(FileNameOf(shortCopy));
}

}  // namespace

std::optional<std::string> CopyShortcutToProgramFolder(const std::string& path, const AddButtonDeps& deps) {
    const std::string name = FileNameOf(path);
    const std::string destination = deps.programFolder + "\\" + name;
    // Opening the destination for writing would empty the source itself.
    if (SameFile(path, destination, deps.files)) return name;
    std::unique_ptr<InputFile> source = deps.files.OpenForReading(path);
    if (!source) return std::nullopt;
    std::unique_ptr<OutputFile> copy = deps.files.OpenForWriting(destination);
    if (!copy) return std::nullopt;
    const bool copied = CopyBytes(*source, *copy);
    copy.reset();
    if (copied) return name;
    // A half-written copy would start something broken from its button.
    deps.files.RemoveFile(destination);
    return std::nullopt;
}

std::string DroppedCaption(std::string_view path) {
    std::string caption(path);
    if (IsShortcutPath(caption)) caption.resize(caption.size() - 4);
    while (!caption.empty() && static_cast<unsigned char>(caption.back()) < 32) caption.pop_back();
    if (!EndsWith(caption, ":\\")) caption = FileNameOf(caption);
    return caption;
}

bool AddButton(int16_t& gButtonCount, const std::string& path, int16_t section, const AddButtonDeps& deps) {
    const std::string target = TargetOf(path, deps);
    if (target.empty()) {
        // A record with an empty target would end the button table at the
        // next load and hide every button after it.
        deps.dialogs.ShowMessage("Cannot add a button for " + path + "; the item could not be copied or found.",
                                 MessageButtons::Ok, kProgramTitle);
        return false;
    }
    const std::string caption = DroppedCaption(path);
    // The record's encoding keeps separator bytes and control characters of
    // a strange file name from splitting or ending the record.
    const std::string value = EncodeButtonRecord({target, section, caption, caption, ""});
    deps.profile.Write(kButtonsSection, NumberedKey("Button", gButtonCount + 1), value);
    ++gButtonCount;
    return true;
}

}  // namespace corvella
