#include "external/FileDropEffect.h"

#include <initializer_list>

namespace corvella::threed {

uint32_t ChooseFileDropEffect(uint32_t allowed) {
    for (uint32_t effect : {kDropCopy, kDropLink, kDropMove})
        if (allowed & effect) return effect;
    return kDropNone;
}

}  // namespace corvella::threed
