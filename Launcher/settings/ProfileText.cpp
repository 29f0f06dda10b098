#include "ProfileText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace corvella {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) { number += text[i++]; ++digits; }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) { number += text[i++]; ++digits; }
    }
    if (digits == 0) return std::nullopt;
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == '-' || text[j] == '+') exponent += text[j++];
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

int16_t ParseInteger(std::string_view text, int16_t outOfRange) {
    std::optional<double> number = LeadingNumber(text);
    if (!number) return 0;
    double rounded = RoundHalfEven(*number);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return outOfRange;
    return static_cast<int16_t>(rounded);
}

namespace {

std::optional<int32_t> ToInt32(std::string_view text) {
    std::optional<double> number = LeadingNumber(text);
    if (!number) return std::nullopt;
    double rounded = RoundHalfEven(*number);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
    return static_cast<int32_t>(rounded);
}

}  // namespace

int32_t ParseTwips(std::string_view text, int32_t fallback) { return ToInt32(text).value_or(fallback); }

int32_t ParseColour(std::string_view text, int32_t fallback) { return ToInt32(text).value_or(fallback); }

std::string FormatSingle(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    std::string text = buffer;
    std::size_t exponent = text.find('E');
    std::string mantissa = text.substr(0, exponent);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    if (exponent == std::string::npos) return mantissa;
    // "%G" writes at least two exponent digits, as wanted ("E+07", "E-05").
    return mantissa + text.substr(exponent);
}

std::string ProfileValue(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        return "\"" + std::string(text) + "\"";
    return std::string(text);
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace corvella
