// The path helpers of the launcher and the control on any dropped or stored
// path: the parent and the name put the path back together, both programs
// find the same name, and a dropped path's caption is one line.
#include "FuzzInput.h"
#include "Wildcard.h"
#include "launch/AddButton.h"
#include "launch/PathText.h"
#include "model/Buttons.h"
#include "platform/IniDocument.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);

    const std::string name = FileNameOf(path);
    FUZZ_CHECK(name.find('\\') == std::string::npos);
    FUZZ_CHECK(EndsWith(path, name));
    FUZZ_CHECK_EQ(std::string_view(name), panorell::NameOfPath(path));

    const std::string parent = ParentFolderOf(path);
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos) {
        FUZZ_CHECK(parent.empty());
    } else {
        // The parent loses at most the one backslash its path ended with.
        const std::string before = path.substr(0, slash);
        FUZZ_CHECK(before == parent || before == parent + "\\");
        FUZZ_CHECK_EQ(before + "\\" + name, path);
    }

    const std::string caption = DroppedCaption(path);
    FUZZ_CHECK(caption.size() <= path.size());
    FUZZ_CHECK(caption.empty() || static_cast<unsigned char>(caption.back()) >= 32);
    if (!EndsWith(caption, ":\\")) FUZZ_CHECK(caption.find('\\') == std::string::npos);

    const bool copyName = IsShortcutCopyName(path);
    const std::string lower = path.size() >= 4 ? LowerAscii(path.substr(path.size() - 4)) : std::string();
    FUZZ_CHECK_EQ(copyName, lower == ".lnk" || lower == ".rnk" || lower == ".pif" || lower == ".url");
    return 0;
}
