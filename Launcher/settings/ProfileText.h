#pragma once
// Conversions between settings values and the text stored in the file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvella {

// The leading decimal number of a text: blanks, an optional sign, digits with
// an optional fraction and exponent. Nothing when the text starts with no
// number at all ("", "abc", "-").
std::optional<double> LeadingNumber(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), the rounding the settings use throughout.
double RoundHalfEven(double value);

// An Integer value: the leading number rounded to 16 bits; a text without a
// number gives 0. A number outside -32768..32767 cannot be held by the
// setting: it gives `outOfRange` (the caller passes the key's default), so a
// damaged file never turns into a wrapped or clamped value.
int16_t ParseInteger(std::string_view text, int16_t outOfRange);

// A Twips value: the leading number rounded to a whole number, or `fallback`
// when the text holds none or the number is outside 32 bits. Twips are held
// in 32 bits: a screen wider than 2184 pixels already has coordinates beyond
// 16 bits.
int32_t ParseTwips(std::string_view text, int32_t fallback);

// A Colour value: a 32-bit signed decimal. A text with no leading number, or
// one outside 32 bits, gives `fallback` (the key's default colour) rather than
// black, so a damaged entry keeps the window readable.
int32_t ParseColour(std::string_view text, int32_t fallback);

// The decimal text of a single-precision number, as computed defaults are
// passed to the profile: up to 7 significant digits, no trailing zeros,
// exponent form ("1.5E+07") only beyond that.
std::string FormatSingle(float value);

// What to write so that a read of the settings file gives `text` back: a
// read strips one pair of matching quotes around a value, so a text that
// starts and ends with the same quote gets one more pair.
std::string ProfileValue(std::string_view text);

// The text with leading and trailing blanks removed.
std::string Trimmed(std::string_view text);

std::string LowerCase(std::string_view text);

}  // namespace corvella
