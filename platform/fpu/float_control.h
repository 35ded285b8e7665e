#pragma once
// A thread's floating-point control settings: which exceptions trap, the rounding mode and, on
// the x87, the precision. One half per processor family sets them.
#include <cstdint>
#if !(defined(_WIN32) && defined(__i386__))
#include <cfenv>
#endif

namespace iv {

struct FloatControl {
#if defined(_WIN32) && defined(__i386__)
  std::uint16_t x87_control;
  std::uint32_t sse_control;  // MXCSR, its sticky exception flags included
#else
  std::fenv_t environment;
#endif
};

// The settings in force on this thread.
FloatControl CurrentFloatControl();
// The library's settings: every exception masked, round to nearest, and on the x87 the 64-bit
// precision that its long double arithmetic needs (what the C runtime starts programs with).
FloatControl LibraryFloatControl();
// Puts `control` in force. Exception flags the library's masked operations left are cleared
// first, so that a trap the settings unmask is not raised later for them.
void UseFloatControl(const FloatControl &control);

}  // namespace iv
