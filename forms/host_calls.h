#pragma once
// The forms' calls on the host's services object of the current call; each does nothing when
// the host gave no such operation.
#include <string>

#include "platform/ui/form.h"
#include "platform/ui/image.h"

namespace iv {

// The host's current business key (GBK); empty without a host.
std::string HostBusinessKey();
// Asks the host to put its skin image `name` into the control.
void HostLoadSkinImage(Image &control, const char *name);
void HostFormActivated(Form &form);
void HostPrintText(const std::string &text);
void HostReportError(const std::string &text);

}  // namespace iv
