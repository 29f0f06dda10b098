// The conversions of settings values read from the file: the leading number
// and its integer, twips and colour forms, the stored password and the
// one-line form of a written value. Every result stays in the range its
// setting can hold, and the written forms are fixed points.
#include <cmath>
#include <cstring>

#include "FuzzInput.h"
#include "model/Sections.h"
#include "settings/ProfileText.h"
#include "settings/SettingsFile.h"

using namespace corvella;

namespace {

void CheckNumbers(std::string_view text) {
    const std::optional<double> number = LeadingNumber(text);
    FUZZ_CHECK(!number || !std::isnan(*number));

    const int16_t integer = ParseInteger(text, 1234);
    if (!number) FUZZ_CHECK_EQ(integer, 0);
    else if (integer != 1234) FUZZ_CHECK_EQ(static_cast<double>(integer), RoundHalfEven(*number));

    const int32_t twips = ParseTwips(text, -77);
    if (!number) FUZZ_CHECK_EQ(twips, -77);
    else if (twips != -77) FUZZ_CHECK_EQ(static_cast<double>(twips), RoundHalfEven(*number));
    FUZZ_CHECK_EQ(ParseColour(text, -77), twips);
}

void CheckFormat(float value) {
    const std::string text = FormatSingle(value);
    FUZZ_CHECK(!text.empty());
    if (!std::isfinite(value)) return;
    // Seven significant digits: what is read back is within a unit of the
    // seventh digit of what was written.
    const std::optional<double> back = LeadingNumber(text);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(std::fabs(*back - value) <= std::fabs(static_cast<double>(value)) * 1e-6 + 1e-300);
}

void CheckWrittenForms(std::string_view text) {
    const std::string line = SingleLineValue(text);
    for (char c : line) FUZZ_CHECK(static_cast<unsigned char>(c) >= 32);
    FUZZ_CHECK_EQ(SingleLineValue(line), line);

    const std::string password = CleanStoredPassword(text);
    FUZZ_CHECK(password.empty() || password.size() >= 3);
    for (char c : password) FUZZ_CHECK(c < 'A' || c > 'Z');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzInput in(data, size);
    const float single = in.Number<float>();
    const std::string text = in.Rest();
    CheckNumbers(text);
    CheckFormat(single);
    CheckWrittenForms(text);
    return 0;
}
