#pragma once
#include "platform/gfx/font.h"

namespace iv {

// The font a form and its controls start with: "MS Sans Serif", 11 pixels, window text.
TFont DefaultFormFont();

}  // namespace iv
