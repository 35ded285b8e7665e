#pragma once
// What a display back end reports to the UI layer: keys with their virtual-key code and scan
// code, key characters, pointer moves and buttons in client coordinates, focus and closing.
#include <cstdint>

namespace iv {

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Modifier keys and mouse buttons held while an input event happened.
using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;

struct InputEvent {
  enum class Kind : std::uint8_t {
    KeyDown,    // vk, scan, shift
    KeyUp,      // vk, scan, shift
    Char,       // ch: one byte of GBK text, or a control character (Escape 27, Enter 13, Tab 9)
    MouseMove,  // x, y
    MouseDown,  // x, y, button, shift
    MouseUp,    // x, y, button, shift
    FocusIn,    // the window became the active one
    FocusOut,   // another window became active
    Expose,     // the window must be presented again (its content was lost)
    CloseRequest,  // the user asked the window system to close the window
  };
  Kind kind = Kind::KeyDown;
  std::uint16_t vk = 0;
  std::uint8_t scan = 0;
  char ch = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  TMouseButton button = mbLeft;
  TShiftState shift = 0;
};

}  // namespace iv
