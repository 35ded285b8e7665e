#pragma once
// A kiosk screen's pictures come from the host's skin images.
#include "config/host_link.h"
#include "platform/ui/image.h"

namespace iv {

// Asks the host to put its skin image `name` into the control; nothing without the host's
// LoadSkinImage.
void LoadSkinImage(const HostLink &host, Image &control, const char *name);

}  // namespace iv
