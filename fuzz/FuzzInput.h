#pragma once
// Takes a fuzzer's bytes apart into the values a target needs: numbers from
// the front, texts up to a separator byte, the rest as one text. Running out
// of bytes gives zeros and empty texts, never an error, so every input is a
// valid case.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzzing {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    size_t Left() const { return size_ - at_; }

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    bool Bool() { return (Byte() & 1) != 0; }
    template <typename T>
    T Number() {
        T value{};
        auto* out = reinterpret_cast<uint8_t*>(&value);
        for (size_t i = 0; i < sizeof(T); ++i) out[i] = Byte();
        return value;
    }
    // A number in 0..count-1 (0 when count is 0).
    size_t Below(size_t count) { return count == 0 ? 0 : Number<uint16_t>() % count; }

    // The bytes up to the next `separator` (which is consumed), or to the end.
    std::string Text(char separator = '\n') {
        std::string text;
        while (at_ < size_ && data_[at_] != static_cast<uint8_t>(separator)) text += static_cast<char>(data_[at_++]);
        if (at_ < size_) ++at_;
        return text;
    }
    std::string Rest() {
        std::string text(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
        at_ = size_;
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A broken invariant: says which, with the input's own words, and aborts so
// that the fuzzer keeps the input as a crash.
[[noreturn]] inline void Broken(const char* what, const char* file, int line, std::string_view detail = {}) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s %.*s\n", file, line, what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

}  // namespace fuzzing

#define FUZZ_CHECK(condition)                                                           \
    do {                                                                                \
        if (!(condition)) ::fuzzing::Broken(#condition, __FILE__, __LINE__);            \
    } while (0)
#define FUZZ_CHECK_EQ(a, b)                                                              \
    do {                                                                                 \
        if (!((a) == (b))) ::fuzzing::Broken(#a " == " #b, __FILE__, __LINE__);          \
    } while (0)
