// The button record codec: a record decoded from any value encodes to a
// value that decodes to the same record, through the settings file too, and
// moving records within a table built from such values loses none of them.
#include <algorithm>

#include "FuzzInput.h"
#include "model/Buttons.h"
#include "platform/IniDocument.h"

using namespace corvella;

namespace {

// A value as the next load reads it after a save wrote it.
std::optional<ButtonRecord> ThroughTheFile(const std::string& value) {
    IniDocument file;
    file.Set(kButtonsSection, "Button1", value);
    const std::optional<std::string> stored = IniDocument(file.Text()).Get(kButtonsSection, "Button1");
    FUZZ_CHECK(stored.has_value());
    return DecodeButtonRecord(*stored);
}

bool HasVisibleByte(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 32 && c != kFieldSeparator && c != 127) return true;
    return false;
}

void CheckRoundTrip(std::string_view value, ButtonTable& table) {
    const std::optional<ButtonRecord> record = DecodeButtonRecord(value);
    if (!record) return;
    FUZZ_CHECK(!record->target.empty());
    const std::string encoded = EncodeButtonRecord(*record);
    const std::optional<ButtonRecord> again = ThroughTheFile(encoded);
    // Only a target of blanks and control characters cleans to nothing and
    // ends the table; any other record survives a save.
    FUZZ_CHECK_EQ(again.has_value(), HasVisibleByte(record->target));
    if (!again) return;
    FUZZ_CHECK_EQ(again->section, record->section);
    // A second save writes the same value.
    FUZZ_CHECK_EQ(EncodeButtonRecord(*again), encoded);
    table.Append(*again);
}

void CheckMoves(fuzzing::FuzzInput& in, ButtonTable& table) {
    auto sorted = [&] {
        std::vector<std::string> all;
        for (int k = 0; k < table.gButtonCount; ++k) all.push_back(EncodeButtonRecord(table.Record(k)));
        std::sort(all.begin(), all.end());
        return all;
    };
    const std::vector<std::string> before = sorted();
    for (int n = 0; n < 8 && !in.Empty(); ++n) {
        const int from = in.Number<int8_t>(), to = in.Number<int8_t>();
        const std::vector<int16_t> sections = table.gButtonSection;
        MoveButton(table, from, to);
        // Each position keeps a record of the section it had.
        FUZZ_CHECK(table.gButtonSection == sections);
        FUZZ_CHECK_EQ(static_cast<size_t>(table.gButtonCount), table.gButtonTarget.size());
    }
    FUZZ_CHECK(sorted() == before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzInput in(data, size);
    ButtonTable table;
    // Values are lines; a NUL ends them and starts the moves.
    std::string values = in.Text('\0');
    std::string_view rest = values;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        CheckRoundTrip(rest.substr(0, end), table);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    CheckMoves(in, table);
    return 0;
}
