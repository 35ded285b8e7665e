#include "platform/fpu/float_control.h"

namespace iv {

FloatControl CurrentFloatControl() {
  FloatControl control{};
  __asm__ volatile("fnstcw %0" : "=m"(control.x87_control));
  __asm__ volatile("stmxcsr %0" : "=m"(control.sse_control));
  return control;
}

// x87: all six exceptions masked, 64-bit precision, round to nearest. MXCSR: all six masked,
// round to nearest, denormals kept (no flush to zero).
FloatControl LibraryFloatControl() { return {0x037F, 0x1F80}; }

// fnclex first: an x87 exception flagged under the mask would trap at the next instruction once
// a host's word unmasks it. MXCSR traps only on new results, so its flags are the caller's.
void UseFloatControl(const FloatControl &control) {
  __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(control.x87_control));
  __asm__ volatile("ldmxcsr %0" : : "m"(control.sse_control));
}

}  // namespace iv
