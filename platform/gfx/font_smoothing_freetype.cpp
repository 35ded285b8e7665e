#include "platform/gfx/font_smoothing.h"

namespace iv {

void SwitchOnFontSmoothing() {}

}  // namespace iv
