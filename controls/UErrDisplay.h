#pragma once
// A label for short kiosk messages. While a message is up, Timer1 ends the display after the
// display time and Timer2 animates it: the label blinks, or its font grows one point per
// tick, once or back and forth.
#include <cstdint>
#include <string>

#include "platform/ui/label.h"
#include "platform/ui/timer.h"

namespace iv {

enum class DisplayFormat : std::uint8_t { None, Twink, FontChange };

class TUErrDisplay : public Label {
 public:
  // Empty, transparent and hidden, in white bold 18-point 楷体, both timers off.
  explicit TUErrDisplay(WinControl &parent);

  // Ticks once the display time is over: EndDisplay.
  Timer Timer1;
  // Ticks once per animation step: AnimateStep.
  Timer Timer2;
  // Direction of the back-and-forth font animation.
  bool Growing = true;

  // Milliseconds; also Timer1's interval.
  std::int32_t UDisplayTime() const { return display_time_; }
  void SetUDisplayTime(std::int32_t milliseconds);
  // Milliseconds; setting it also sets Timer2's interval.
  std::int32_t UTwinkTime() const { return twink_time_; }
  void SetUTwinkTime(std::int32_t milliseconds);
  // Also sets the font size and the stored animation period for the kind, but leaves Timer2's
  // interval as it is.
  DisplayFormat UDisplayType() const { return display_type_; }
  void SetUDisplayType(DisplayFormat type);
  // Points: first and lowest size of the font animation.
  std::int32_t UStartFontSize() const { return start_font_size_; }
  void SetUStartFontSize(std::int32_t points);
  // Points: where the font animation turns (back and forth) or stops one point past (once).
  std::int32_t UFinishFontSize() const { return finish_font_size_; }
  void SetUFinishFontSize(std::int32_t points) { finish_font_size_ = points; }
  // Points: the font size while blinking or not animated.
  std::int32_t UTwinkOrNoneFontSize() const { return twink_or_none_font_size_; }
  void SetUTwinkOrNoneFontSize(std::int32_t points);
  // The font animation goes back and forth instead of growing once.
  bool UCircleOrNot() const { return circle_; }
  void SetUCircleOrNot(bool circle) { circle_ = circle; }

  // Shows the caption and starts both timers.
  void StartDisplay(const std::string &caption);
  // Clears the caption and stops both timers; the visibility stays as the last tick left it.
  void EndDisplay();
  void AnimateStep();

 private:
  bool AnimatesFont() const { return display_type_ == DisplayFormat::FontChange; }

  std::int32_t display_time_ = 5000;
  std::int32_t twink_time_ = 500;
  DisplayFormat display_type_ = DisplayFormat::Twink;
  std::int32_t start_font_size_ = 5;
  std::int32_t finish_font_size_ = 18;
  std::int32_t twink_or_none_font_size_ = 18;
  bool circle_ = false;
};

}  // namespace iv
