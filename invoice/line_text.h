#pragma once
// The text of the template line drawn so far. The pen stands after it once each piece is
// drawn, so it is measured after every piece: what was measured of it is kept, and a line of
// many pieces costs its length once.
#include <string>
#include <string_view>

#include "aatext/SmoothMask.h"

namespace iv {

class LineText {
 public:
  void Append(std::string_view piece) { text_ += piece; }
  void Clear() {
    text_.clear();
    measured_ = {};
  }
  const std::string &Text() const { return text_; }
  // The line's width in destination pixels, as mask.Measure(Text()).cx.
  int Width(const TSmoothMask &mask) { return mask.MeasureGrowing(text_, measured_).cx; }

 private:
  std::string text_;
  TSmoothMask::MeasuredPart measured_;
};

}  // namespace iv
