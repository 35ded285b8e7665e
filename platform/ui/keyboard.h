#pragma once
// Keyboard input synthesis: a synthesised key reaches the active form exactly as a pressed key
// does, with the scan code and character a pressed key would have. On Windows it goes through
// the system's input stream (keyboard_win32.cpp); elsewhere, and on a headless display, through
// the application's queue.
#include <cstdint>

#include "platform/display/virtual_keys.h"

namespace iv {

constexpr std::uint32_t KEYEVENTF_KEYUP = 0x0002;
// Sends a key down (with its character) or, with KEYEVENTF_KEYUP, a key up to the active
// form. False when there is no active form or the queue refuses the event.
bool keybd_event(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags);

}  // namespace iv
