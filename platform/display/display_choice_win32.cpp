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
  if (!wanted.empty() && wanted != "WIN32")
    std::fprintf(stderr, "invoiceview: unknown INVOICEVIEW_DISPLAY \"%s\"; using win32\n", choice);
  return OpenWin32Display();
}

}  // namespace iv
