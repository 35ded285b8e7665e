#include "platform/gfx/font_smoothing.h"

#include <windows.h>

namespace iv {

void SwitchOnFontSmoothing() { SystemParametersInfoA(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0); }

}  // namespace iv
