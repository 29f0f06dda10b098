#include "IniFileProfile.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace corvella {

namespace {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::string ProfileReadResult(const std::optional<std::string>& value, std::string_view defaultText,
                              std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::string text;
    if (value) {
        text = *value;
    } else {
        std::string_view d = defaultText;
        while (!d.empty() && d.back() == ' ') d.remove_suffix(1);
        text = std::string(d);
    }
    if (std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}

std::string IniFileProfile::Read(std::string_view section, std::string_view key,
                                 std::string_view defaultText, std::size_t bufferSize) {
    std::optional<std::string> value;
    if (auto text = ReadWholeFile(path_)) value = IniDocument(*text).Get(section, key);
    return ProfileReadResult(value, defaultText, bufferSize);
}

void IniFileProfile::Write(std::string_view section, std::string_view key, std::string_view value) {
    IniDocument doc(ReadWholeFile(path_).value_or(std::string{}));
    doc.Set(section, key, value);
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << doc.Text();
}

}  // namespace corvella
