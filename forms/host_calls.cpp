#include "forms/host_calls.h"

#include "config/UPubVar.h"
#include "config/host_text.h"

namespace iv {

std::string HostBusinessKey() {
  return HostServices != nullptr && HostServices->BusinessKey != nullptr ? HostServices->BusinessKey : "";
}

void HostLoadSkinImage(Image &control, const char *name) {
  if (HostServices != nullptr && HostServices->vtbl->LoadSkinImage != nullptr)
    HostServices->vtbl->LoadSkinImage(HostServices, control.Handle(), HostText(name).c_str());
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
