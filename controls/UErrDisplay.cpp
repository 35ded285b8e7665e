#include "controls/UErrDisplay.h"

#include "platform/text/gbk.h"

namespace iv {

namespace {

// Animation periods each kind stores, in milliseconds.
constexpr std::int32_t kTwinkPeriod = 500;
constexpr std::int32_t kFontChangePeriod = 100;
constexpr std::int32_t kNoPeriod = 0;

}  // namespace

TUErrDisplay::TUErrDisplay(WinControl &parent) : Label(parent) {
  Timer1.SetEnabled(false);
  Timer1.SetInterval(std::uint32_t(display_time_));
  Timer1.OnTimer = [this](Timer &) { EndDisplay(); };
  Timer2.SetEnabled(false);
  Timer2.SetInterval(std::uint32_t(twink_time_));
  Timer2.OnTimer = [this](Timer &) { AnimateStep(); };

  SetTransparent(true);
  SetVisible(false);
  TFont font = Font();
  static const std::string kFontName = Gbk(u8"楷体");
  font.SetName(kFontName);
  font.SetSize(twink_or_none_font_size_);
  font.SetColor(clWhite);
  font.SetStyle({fsBold});
  SetFont(font);
}

// Timer intervals are unsigned: a negative time becomes a very long one, as it always has.
void TUErrDisplay::SetUDisplayTime(std::int32_t milliseconds) {
  display_time_ = milliseconds;
  Timer1.SetInterval(std::uint32_t(milliseconds));
}

void TUErrDisplay::SetUTwinkTime(std::int32_t milliseconds) {
  twink_time_ = milliseconds;
  Timer2.SetInterval(std::uint32_t(milliseconds));
}

void TUErrDisplay::SetUDisplayType(DisplayFormat type) {
  display_type_ = type;
  switch (type) {
    case DisplayFormat::Twink:
      twink_time_ = kTwinkPeriod;
      break;
    case DisplayFormat::FontChange:
      twink_time_ = kFontChangePeriod;
      break;
    case DisplayFormat::None:
      twink_time_ = kNoPeriod;
      break;
  }
  Font().SetSize(AnimatesFont() ? start_font_size_ : twink_or_none_font_size_);
}

void TUErrDisplay::SetUStartFontSize(std::int32_t points) {
  start_font_size_ = points;
  if (AnimatesFont()) Font().SetSize(points);
}

void TUErrDisplay::SetUTwinkOrNoneFontSize(std::int32_t points) {
  twink_or_none_font_size_ = points;
  if (!AnimatesFont()) Font().SetSize(points);
}

void TUErrDisplay::StartDisplay(const std::string &caption) {
  SetCaption(caption);
  SetVisible(true);
  Timer1.SetEnabled(true);
  Timer2.SetEnabled(true);
}

void TUErrDisplay::EndDisplay() {
  SetCaption({});
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(false);
  if (AnimatesFont()) Font().SetSize(start_font_size_);
}

void TUErrDisplay::AnimateStep() {
  switch (display_type_) {
    case DisplayFormat::FontChange: {
      const int size = Font().Size();
      if (!circle_) {
        // Grows while at or below the finish size, so it stops one point past it.
        if (size <= finish_font_size_) Font().SetSize(size + 1);
        break;
      }
      if (size == start_font_size_) Growing = true;
      if (size == finish_font_size_) Growing = false;
      Font().SetSize(Growing ? size + 1 : size - 1);
      break;
    }
    case DisplayFormat::Twink:
      SetVisible(!Visible());
      break;
    case DisplayFormat::None:
      break;
  }
}

}  // namespace iv
