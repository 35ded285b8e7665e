#pragma once
// The Windows virtual-key code of a key SDL reports.
#include <SDL.h>

#include <cstdint>

namespace iv {

// 0 for keys without one. Letters follow the keyboard layout (or the key's position when the
// layout types no ASCII letter there), digits the key's position; keypad keys follow Num Lock,
// as Windows reports them.
std::uint16_t VirtualKeyOf(const SDL_Keysym &key);

}  // namespace iv
