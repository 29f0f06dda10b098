// The drop effect answered to a file drag: always one of the effects the
// source allows (copy first), and none only when it allows none of them.
#include "FuzzInput.h"
#include "external/FileDropEffect.h"

using namespace corvella::threed;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzInput in(data, size);
    while (!in.Empty()) {
        const uint32_t allowed = in.Number<uint32_t>();
        const uint32_t effect = ChooseFileDropEffect(allowed);
        const uint32_t known = allowed & (kDropCopy | kDropMove | kDropLink);
        if (known == 0) {
            FUZZ_CHECK_EQ(effect, kDropNone);
            continue;
        }
        FUZZ_CHECK(effect == kDropCopy || effect == kDropMove || effect == kDropLink);
        FUZZ_CHECK((allowed & effect) != 0);
        if (allowed & kDropCopy) FUZZ_CHECK_EQ(effect, kDropCopy);
    }
    return 0;
}
