#pragma once
// Which drop effect a control answers when the shell drags a file list over
// it. The launcher copies what is dropped on it (a shortcut becomes a button,
// documents are handed to a program), so copy is preferred; a source that
// offers only link or move still gets a drop rather than a refusal.
#include <cstdint>

namespace corvella::threed {

constexpr uint32_t kDropNone = 0;
constexpr uint32_t kDropCopy = 1;
constexpr uint32_t kDropMove = 2;
constexpr uint32_t kDropLink = 4;

uint32_t ChooseFileDropEffect(uint32_t allowed);

}  // namespace corvella::threed
