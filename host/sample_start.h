#pragma once
// kiosk-host started without arguments, as a double-click in the Windows release's folder
// starts it.
#include <optional>
#include <string>

#include "host/options.h"

namespace iv::host {

// The sample water bill in a window, when the sample kiosk (examples/kiosk) lies beside the
// program; nothing otherwise.
std::optional<Options> SampleStartOptions(const std::string &executableFolder);

}  // namespace iv::host
