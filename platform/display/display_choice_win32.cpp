#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/display/display.h"

namespace iv {

std::unique_ptr<Display> OpenDisplay() {
  const char *choice = std::getenv("INVOICEVIEW_DISPLAY");
  const std::string_view wanted = choice != nullptr ? choice : "";
  if (wanted == "headless") return OpenHeadlessDisplay();
  if (!wanted.empty() && wanted != "win32")
    std::fprintf(stderr, "invoiceview: unknown INVOICEVIEW_DISPLAY \"%s\"; using win32\n", choice);
  return OpenWin32Display();
}

}  // namespace iv
