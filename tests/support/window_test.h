#pragma once
// What the real-window tests of the display back ends share: a readable line for each key event
// the back end delivers, a pixel comparison of the window with the form's frame, and a guard that
// closes a form whose input never arrives.
#include <cstdint>
#include <string>

#include "platform/display/input_event.h"
#include "platform/gfx/bitmap.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"

namespace iv::test {

// "KeyDown <vk> scan <scan>", "KeyUp <vk> scan <scan>", "Char <byte>"; empty for other events.
inline std::string DescribeKeyEvent(const InputEvent &event) {
  using Kind = InputEvent::Kind;
  switch (event.kind) {
    case Kind::KeyDown: return "KeyDown " + std::to_string(event.vk) + " scan " + std::to_string(event.scan);
    case Kind::KeyUp: return "KeyUp " + std::to_string(event.vk) + " scan " + std::to_string(event.scan);
    case Kind::Char: return "Char " + std::to_string(int(static_cast<unsigned char>(event.ch)));
    default: return {};
  }
}

// How many pixels of two pictures of one size differ, and where the first one is ("x,y").
struct PixelDifference {
  int count = 0;
  std::string first;
};
inline PixelDifference ComparePixels(const Bitmap &screen, const Bitmap &frame) {
  PixelDifference difference;
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x)
      if (screen.Pixel(x, y) != frame.Pixel(x, y) && difference.count++ == 0)
        difference.first = std::to_string(x) + "," + std::to_string(y);
  return difference;
}

// Closes the form when it is still open after `milliseconds`, so that a test whose keys never
// reach the window fails instead of hanging.
class CloseWhenStillOpen {
 public:
  CloseWhenStillOpen(Form &form, std::uint32_t milliseconds) {
    timer_.SetInterval(milliseconds);
    timer_.OnTimer = [this, &form](Timer &) {
      fired_ = true;
      form.Close();
    };
  }
  bool Fired() const { return fired_; }

 private:
  Timer timer_;
  bool fired_ = false;
};

}  // namespace iv::test
