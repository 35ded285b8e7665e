#include "forms/skin_image.h"

#include <string>

#include "config/host_handles.h"
#include "platform/diagnostics/diagnostic_stream.h"

namespace iv {

void LoadSkinImage(const HostLink &host, Image &control, const char *name) {
  HostImageHandle handle(control);  // the host may use it during the call only
  if (!host.LoadSkinImage(handle.Get(), name)) return;
  if (!DiagnosticsWanted() || handle.Filled()) return;
  const std::string why = handle.LoadFailure().empty() ? "" : " (" + handle.LoadFailure() + ")";
  if (control.Picture().Empty())
    Diagnose({Problem::Severity::Warning, "", 0, 0,
              std::string("skin \"") + name + "\": the host's LoadSkinImage left the picture empty" + why +
                  ", so nothing is drawn in its place (a background shows black); check the host's skin files"});
  else
    Diagnose({Problem::Severity::Warning, "", 0, 0,
              std::string("skin \"") + name + "\": the host's LoadSkinImage gave no picture" + why +
                  ", so the one shown before stays (the invoice screen's background keeps the base screen's "
                  "MenuBack skin); check the host's skin files"});
}

}  // namespace iv
