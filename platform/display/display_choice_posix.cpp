#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/display/display.h"

namespace iv {

std::unique_ptr<Display> OpenDisplay() {
  const char *choice = std::getenv("INVOICEVIEW_DISPLAY");
  const std::string_view wanted = choice != nullptr ? choice : "";
  if (wanted == "headless") return OpenHeadlessDisplay();
  if (auto sdl = OpenSdlDisplay()) return sdl;
  if (wanted == "sdl") std::fprintf(stderr, "invoiceview: SDL video cannot start; showing forms headless\n");
  else if (!wanted.empty()) std::fprintf(stderr, "invoiceview: unknown INVOICEVIEW_DISPLAY \"%s\"; using sdl or headless\n", choice);
  return OpenHeadlessDisplay();
}

}  // namespace iv
