#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/display/display.h"
#include "platform/text/dbcs.h"

namespace iv {

std::unique_ptr<Display> OpenDisplay() {
  const char *choice = std::getenv("INVOICEVIEW_DISPLAY");
  // Values are taken in any letter case: HEADLESS is headless.
  const std::string wanted = UpperCaseGbk(choice != nullptr ? choice : "");
  if (wanted == "HEADLESS") return OpenHeadlessDisplay();
  if (auto sdl = OpenSdlDisplay()) return sdl;
  if (wanted == "SDL") std::fprintf(stderr, "invoiceview: SDL video cannot start; showing forms headless\n");
  else if (!wanted.empty()) std::fprintf(stderr, "invoiceview: unknown INVOICEVIEW_DISPLAY \"%s\"; using sdl or headless\n", choice);
  return OpenHeadlessDisplay();
}

}  // namespace iv
