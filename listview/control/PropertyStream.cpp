#include "PropertyStream.h"

#include <algorithm>

namespace panorell {

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutBytes(std::vector<uint8_t>& out, const void* data, size_t size) {
    PutU32(out, static_cast<uint32_t>(size));
    const auto* bytes = static_cast<const uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

void PutProperty(std::vector<uint8_t>& out, const PropertyEntry& entry, const ControlState& state) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool ControlState::*>) {
                out.push_back(state.*member ? 1 : 0);
            } else if constexpr (std::is_same_v<Member, int16_t ControlState::*>) {
                const auto value = static_cast<uint16_t>(state.*member);
                out.push_back(static_cast<uint8_t>(value));
                out.push_back(static_cast<uint8_t>(value >> 8));
            } else if constexpr (std::is_same_v<Member, int32_t ControlState::*>) {
                PutU32(out, static_cast<uint32_t>(state.*member));
            } else if constexpr (std::is_same_v<Member, std::string ControlState::*> ||
                                 std::is_same_v<Member, std::vector<uint8_t> ControlState::*>) {
                PutBytes(out, (state.*member).data(), (state.*member).size());
            }
        },
        entry.member);
}

// Reads from a span, refusing to go past its end.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ == bytes_.size(); }
    bool Take(size_t count, const uint8_t*& data) {
        if (bytes_.size() - at_ < count) return false;
        data = bytes_.data() + at_;
        at_ += count;
        return true;
    }
    bool U32(uint32_t& value) {
        const uint8_t* p = nullptr;
        if (!Take(4, p)) return false;
        value = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
        return true;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
};

StreamError ReadBytes(Reader& in, std::vector<uint8_t>& out) {
    uint32_t length = 0;
    const uint8_t* data = nullptr;
    if (!in.U32(length)) return StreamError::Truncated;
    if (length > kMaxPayload) return StreamError::TooLong;
    if (!in.Take(length, data)) return StreamError::Truncated;
    out.assign(data, data + length);
    return StreamError::None;
}

StreamError ReadProperty(Reader& in, const PropertyEntry& entry, ControlState& state) {
    const uint8_t* p = nullptr;
    return std::visit(
        [&](auto member) -> StreamError {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool ControlState::*>) {
                if (!in.Take(1, p)) return StreamError::Truncated;
                if (*p > 1) return StreamError::BadBool;
                state.*member = *p == 1;
            } else if constexpr (std::is_same_v<Member, int16_t ControlState::*>) {
                if (!in.Take(2, p)) return StreamError::Truncated;
                state.*member = static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8));
            } else if constexpr (std::is_same_v<Member, int32_t ControlState::*>) {
                uint32_t value = 0;
                if (!in.U32(value)) return StreamError::Truncated;
                state.*member = static_cast<int32_t>(value);
            } else if constexpr (std::is_same_v<Member, std::string ControlState::*>) {
                std::vector<uint8_t> bytes;
                if (StreamError error = ReadBytes(in, bytes); error != StreamError::None) return error;
                (state.*member).assign(bytes.begin(), bytes.end());
            } else if constexpr (std::is_same_v<Member, std::vector<uint8_t> ControlState::*>) {
                return ReadBytes(in, state.*member);
            }
            return StreamError::None;
        },
        entry.member);
}

}  // namespace

std::vector<uint8_t> SaveProperties(const ControlState& state, Extent extent) {
    std::vector<uint8_t> payload;
    for (const PropertyEntry* entry : ExchangeOrder()) PutProperty(payload, *entry, state);
    std::vector<uint8_t> out;
    out.reserve(kStreamHeaderSize + payload.size());
    PutU32(out, kStreamVersion);
    PutU32(out, static_cast<uint32_t>(extent.cx));
    PutU32(out, static_cast<uint32_t>(extent.cy));
    PutU32(out, static_cast<uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

StreamError ReadHeader(std::span<const uint8_t> bytes, StreamHeader& header) {
    Reader in(bytes);
    uint32_t cx = 0, cy = 0;
    StreamHeader read;
    if (!in.U32(read.version) || !in.U32(cx) || !in.U32(cy) || !in.U32(read.payloadLength))
        return StreamError::Truncated;
    // Later minor versions only append properties; another major is unknown.
    if ((read.version >> 16) != (kStreamVersion >> 16)) return StreamError::BadVersion;
    if (read.payloadLength > kMaxPayload) return StreamError::TooLong;
    read.extent = {static_cast<int32_t>(cx), static_cast<int32_t>(cy)};
    header = read;
    return StreamError::None;
}

StreamError ReadPayload(std::span<const uint8_t> payload, ControlState& state) {
    // What the payload does not reach keeps its exchange default.
    ControlState loaded = ExchangeDefaults();
    Reader in(payload);
    for (const PropertyEntry* entry : ExchangeOrder()) {
        if (in.AtEnd()) break;
        if (StreamError error = ReadProperty(in, *entry, loaded); error != StreamError::None) return error;
        if (!HoldsValidValue(*entry, loaded)) return StreamError::OutOfRange;
    }
    state = std::move(loaded);
    return StreamError::None;
}

StreamError LoadProperties(std::span<const uint8_t> bytes, ControlState& state, Extent& extent) {
    StreamHeader header;
    if (StreamError error = ReadHeader(bytes.first(std::min(bytes.size(), kStreamHeaderSize)), header);
        error != StreamError::None)
        return error;
    if (bytes.size() - kStreamHeaderSize < header.payloadLength) return StreamError::Truncated;
    if (StreamError error = ReadPayload(bytes.subspan(kStreamHeaderSize, header.payloadLength), state);
        error != StreamError::None)
        return error;
    extent = header.extent;
    return StreamError::None;
}

}  // namespace panorell
