// The name pattern of a list against a plain recursive matcher: same answer
// for every name and pattern, case folded the same way.
#include <vector>

#include "FuzzInput.h"
#include "TextFold.h"
#include "Wildcard.h"

using namespace panorell;

namespace {

// Whether name[i..] matches pattern[j..], remembered per (i, j).
class Reference {
public:
    Reference(std::string_view name, std::string_view pattern)
        : name_(name), pattern_(pattern), seen_((name.size() + 1) * (pattern.size() + 1), -1) {}

    bool Matches(size_t i = 0, size_t j = 0) {
        int& known = seen_[i * (pattern_.size() + 1) + j];
        if (known >= 0) return known != 0;
        bool result;
        if (j == pattern_.size()) result = i == name_.size();
        else if (pattern_[j] == '*') result = Matches(i, j + 1) || (i < name_.size() && Matches(i + 1, j));
        else result = i < name_.size() && (pattern_[j] == '?' || FoldByte(pattern_[j]) == FoldByte(name_[i])) &&
                      Matches(i + 1, j + 1);
        known = result ? 1 : 0;
        return result;
    }

private:
    std::string_view name_, pattern_;
    std::vector<int> seen_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 2048) return 0;  // the reference is quadratic in memory
    fuzzing::FuzzInput in(data, size);
    const std::string pattern = in.Text('\0');
    const std::string name = in.Rest();

    const bool matches = MatchesPattern(name, pattern);
    const bool expected = !name.empty() && !pattern.empty() && Reference(name, pattern).Matches();
    FUZZ_CHECK_EQ(matches, expected);
    // Case never decides a match of plain ASCII letters.
    std::string upper = name;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    FUZZ_CHECK_EQ(MatchesPattern(upper, pattern), matches);
    return 0;
}
