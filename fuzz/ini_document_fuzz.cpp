// The settings file's document against the plain reference of the profile
// rules: a fuzzed text, then fuzzed writes. After each step both give the
// same text and the same values, the text reads back as itself, and a value
// just written reads back (trimmed and unquoted) through a fresh parse.
#include "FuzzInput.h"
#include "fakes/ReferenceIni.h"
#include "platform/IniDocument.h"

using corvella::IniDocument;
using corvella::TrimBlanks;
using corvella::testing::ReferenceIni;

namespace {

// What a read of `value` gives once written on a line of its own.
std::string ReadBack(std::string_view value) {
    value = TrimBlanks(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Names the launcher writes: one line, no blanks around them, no '=' in a
// key, no ']' in a section; a key that starts a comment or a header is no key.
bool Writable(std::string_view section, std::string_view key, std::string_view value) {
    auto oneLine = [](std::string_view s) { return s.find_first_of("\r\n") == std::string_view::npos; };
    return oneLine(section) && oneLine(key) && oneLine(value) && !key.empty() && TrimBlanks(key) == key &&
           TrimBlanks(section) == section && key.find('=') == std::string_view::npos && key.front() != ';' &&
           key.front() != '[' && section.find(']') == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzInput in(data, size);
    const std::string text = in.Text('\0');
    IniDocument doc(text);
    ReferenceIni reference(text);

    const std::string saved = doc.Text();
    FUZZ_CHECK_EQ(IniDocument(saved).Text(), saved);

    while (!in.Empty()) {
        const std::string section = in.Text('\x01');
        const std::string key = in.Text('\x01');
        const std::string value = in.Text('\x01');
        FUZZ_CHECK(doc.Get(section, key) == reference.Get(section, key));
        if (!Writable(section, key, value)) continue;
        doc.Set(section, key, value);
        reference.Set(section, key, value);
        FUZZ_CHECK(doc.Get(section, key) == std::optional<std::string>(ReadBack(value)));
        FUZZ_CHECK(IniDocument(doc.Text()).Get(section, key) == doc.Get(section, key));
        FUZZ_CHECK_EQ(doc.Text(), reference.Text());
    }
    return 0;
}
