#include "forms/host_calls.h"

#include "config/UPubVar.h"
#include "config/host_text.h"
#include "platform/diagnostics/diagnostic_stream.h"

namespace iv {

std::string HostBusinessKey() {
  return HostServices != nullptr && HostServices->BusinessKey != nullptr ? HostServices->BusinessKey : "";
}

void HostLoadSkinImage(Image &control, const char *name) {
  if (HostServices == nullptr || HostServices->vtbl->LoadSkinImage == nullptr) return;
  HostServices->vtbl->LoadSkinImage(HostServices, control.Handle(), HostText(name).c_str());
  if (DiagnosticsWanted() && control.Picture().Empty())
    Diagnose({Diagnostic::Kind::Warning, "", 0,
              std::string("skin \"") + name +
                  "\": the host's LoadSkinImage left the picture empty, so nothing is drawn in its place "
                  "(a background shows black); check the host's skin files"});
}

void HostFormActivated(Form &form) {
  if (HostServices != nullptr && HostServices->vtbl->FormActivated != nullptr)
    HostServices->vtbl->FormActivated(HostServices, form.Handle());
}

void HostPrintText(const std::string &text) {
  if (HostServices != nullptr && HostServices->vtbl->PrintText != nullptr)
    HostServices->vtbl->PrintText(HostServices, HostText(text).c_str());
}

void HostReportError(const std::string &text) {
  if (HostServices != nullptr && HostServices->vtbl->ReportError != nullptr)
    HostServices->vtbl->ReportError(HostServices, HostText(text).c_str());
}

}  // namespace iv
