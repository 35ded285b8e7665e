#pragma once
// Date-time patterns of the print lines: y m d h n s z, am/pm, a/p, ampm, c, t, e, g, the
// separators '/' and ':', quoted text. Letters are not case-sensitive; an m right after an h
// (only letters count as "in between") means minutes. An empty pattern reads as "c".
#include <string>
#include <string_view>

#include "platform/time/date_locale.h"
#include "platform/time/date_time.h"

namespace iv {

std::string FormatDateTime(std::string_view pattern, const DateTime &moment,
                           const DateLocale &locale = ChineseLocale());

}  // namespace iv
