#pragma once
// invoice-render --watch: the rendered page in a window, painted again whenever the template or
// a data file changes on disk, paged and zoomed from the keyboard.
#include "platform/gfx/bitmap.h"
#include "tools/invoice_render/render_options.h"

namespace iv {

// Shows the preview until the window is closed (exit code 0); 2 without a display, or when the
// files cannot be watched or read.
int RunWatch(const RenderOptions &options, const Bitmap *background);

}  // namespace iv
