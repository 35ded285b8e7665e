#pragma once
// Windows virtual-key codes, their scan codes and the characters they type: the one key
// vocabulary of every display back end and of keyboard synthesis.
#include <cstdint>

#include "platform/display/input_event.h"

namespace iv {

constexpr std::uint16_t VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10,
                        VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14,
                        VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
                        VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
                        VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D, VK_DELETE = 0x2E,
                        VK_NUMPAD0 = 0x60, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SUBTRACT = 0x6D,
                        VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F, VK_F1 = 0x70, VK_F12 = 0x7B;
// Letters and digits use their upper-case ASCII codes ('A' 0x41, '0' 0x30).

constexpr std::uint32_t MAPVK_VK_TO_VSC = 0;
constexpr std::uint32_t MAPVK_VSC_TO_VK = 1;
// Virtual key → scan code (set 1, as a PC keyboard sends it) and back; 0 when there is none.
std::uint32_t MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType);

// The character a key down types with the given modifiers (Escape 27, Enter 13, Tab 9,
// Backspace 8, letters, digits, space, keypad digits and operators); 0 for none.
char KeyCharacter(std::uint16_t vk, TShiftState shift);

}  // namespace iv
