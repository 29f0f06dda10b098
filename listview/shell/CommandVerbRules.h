#pragma once
// What the list does around a shell command, by the command's verb, and
// after it, by where it ran.
#include <string>

namespace panorell {

enum class VerbKind {
    Cut,      // the selection is marked cut and the clipboard is ours
    Copy,     // earlier cut marks go and the clipboard is ours
    Changes,  // "Delete", "Link": the folder changes, so the list refreshes after
    Other,
};

// Verbs compare ignoring case.
VerbKind ClassifyVerb(const std::string& verb) noexcept;

struct AfterCommand {
    bool refreshNow = false;
    bool refreshOnNextFocus = false;
};

// The recycle bin cannot be watched, so it refreshes when the list is
// next focused; elsewhere a changing command refreshes the list at once.
AfterCommand AfterCommandRules(bool showingRecycleBin, bool refreshAfterCommand) noexcept;

// The first of `verbs` equal to `wanted` ignoring case; -1 when none is.
int FindVerb(const std::string* verbs, int count, const std::string& wanted) noexcept;

// Verbs equal ignoring ASCII case.
bool SameVerb(const std::string& a, const std::string& b) noexcept;

}  // namespace panorell
