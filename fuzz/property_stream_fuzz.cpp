// The control's saved form read from any bytes: a malformed stream is
// refused with an error and changes nothing; an accepted one holds only
// values a setter could store, and saving it reads back to the same state.
#include <span>

#include "FuzzInput.h"
#include "PropertyStream.h"

using namespace panorell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const ControlState before = size % 2 ? ControlState{} : ExchangeDefaults();
    const Extent beforeExtent{-1, 7};
    ControlState state = before;
    Extent extent = beforeExtent;

    const StreamError error = LoadProperties(bytes, state, extent);
    if (error != StreamError::None) {
        FUZZ_CHECK(state == before);
        FUZZ_CHECK(extent == beforeExtent);
        return 0;
    }
    FUZZ_CHECK(size >= kStreamHeaderSize);
    for (const PropertyEntry* entry : ExchangeOrder()) FUZZ_CHECK(HoldsValidValue(*entry, state));

    const std::vector<uint8_t> saved = SaveProperties(state, extent);
    ControlState again;
    Extent againExtent;
    FUZZ_CHECK(LoadProperties(saved, again, againExtent) == StreamError::None);
    FUZZ_CHECK(again == state);
    FUZZ_CHECK(againExtent == extent);
    FUZZ_CHECK(SaveProperties(again, againExtent) == saved);
    return 0;
}
