#pragma once
// The control's saved form in a stream: a fixed header (format version,
// extent in HIMETRIC units, payload length) and the payload, which holds
// the persisted properties in exchange order. All numbers little-endian.
//
//   header   u32 version (0x00010000 for 1.0), i32 extent cx, i32 extent cy,
//            u32 payload length
//   payload  per property: Bool 1 byte (0 or 1), Short 2, Long 4,
//            String and Picture u32 length + bytes
//
// A payload that ends between two properties leaves the rest at their
// exchange defaults (a payload of length 0 loads every default); bytes
// after the last property are left for later versions. Anything else that
// does not fit is refused and changes nothing.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ControlProperties.h"

namespace panorell {

inline constexpr uint32_t kStreamVersion = 0x00010000;
inline constexpr size_t kStreamHeaderSize = 16;
// Longest payload a reader takes: far beyond any real one (the icon is the
// only big part), so a corrupt length cannot make it allocate at will.
inline constexpr uint32_t kMaxPayload = 4u << 20;

struct Extent {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const Extent&) const = default;
};

struct StreamHeader {
    uint32_t version = kStreamVersion;
    Extent extent;
    uint32_t payloadLength = 0;
};

enum class StreamError : uint8_t {
    None,
    Truncated,         // header or a property cut short
    BadVersion,        // a major version this reader does not know
    TooLong,           // payload or a text longer than any the control writes
    BadBool,           // a Boolean byte other than 0 or 1
    OutOfRange,        // an enumerated value no setter accepts
};

std::vector<uint8_t> SaveProperties(const ControlState& state, Extent extent);

// Reads the header from its 16 bytes.
[[nodiscard]] StreamError ReadHeader(std::span<const uint8_t> bytes, StreamHeader& header);
// Reads a payload into `state`, which is left as it was on an error.
[[nodiscard]] StreamError ReadPayload(std::span<const uint8_t> payload, ControlState& state);
// Header and payload from one buffer; the convenience of tests and fuzzers.
[[nodiscard]] StreamError LoadProperties(std::span<const uint8_t> bytes, ControlState& state, Extent& extent);

}  // namespace panorell
