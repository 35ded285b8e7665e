#pragma once
// invoice-render --watch: the rendered page in a window, painted again whenever the template or
// a data file changes on disk, paged and zoomed from the keyboard.
#include <string>

#include "invoice/page_request.h"
#include "platform/gfx/bitmap.h"

namespace iv {

struct WatchSettings {
  int page;            // shown first
  std::string editor;  // run with +LINE FILE when a text of the page is clicked; none when empty
};

// Shows the preview until the window is closed (exit code 0); 2 without a display, or when the
// files cannot be watched or read.
int RunWatch(const PageRequest &request, const WatchSettings &settings, const Bitmap *background);

}  // namespace iv
