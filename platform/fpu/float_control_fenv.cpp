#include "platform/fpu/float_control.h"

namespace iv {

FloatControl CurrentFloatControl() {
  FloatControl control{};
  std::fegetenv(&control.environment);
  return control;
}

// The environment the caller had with every exception masked and cleared and rounding to
// nearest; the precision stays the system's default.
FloatControl LibraryFloatControl() {
  const FloatControl caller = CurrentFloatControl();
  FloatControl library{};
  std::feholdexcept(&library.environment);
  std::fesetround(FE_TONEAREST);
  std::fegetenv(&library.environment);
  std::fesetenv(&caller.environment);
  return library;
}

// The environment holds the flags as they were when it was taken, so none of the library's
// are left behind.
void UseFloatControl(const FloatControl &control) { std::fesetenv(&control.environment); }

}  // namespace iv
