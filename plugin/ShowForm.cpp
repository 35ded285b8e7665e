#include <exception>

#include "config/UPubVar.h"
#include "config/UTSysCs.h"
#include "config/error_log.h"
#include "forms/FrmView.h"
#include "platform/ui/application.h"
#include "plugin/Invoice.h"

namespace iv {
namespace {

void CopyData(const char *const *source, DataArray &target) {
  for (int i = 0; i < kDataEntries; ++i) {
    const char *entry = source != nullptr ? source[i] : nullptr;
    target[i] = entry != nullptr ? entry : "";
  }
}

void ShowInvoice(THostServices *host, const char *const *dataI, const char *const *dataO) {
  HostServices = host;
  Application::Instance().SetHandle(host != nullptr ? host->WindowHandle : 0);
  // Loading may ask the host's TextToValue, so the host is stored first. Once created, the
  // parameters are kept for the life of the process and never reloaded.
  if (SysCs == nullptr) SysCs = new TSysCs();
  CopyData(dataI, DataI);
  CopyData(dataO, DataO);
  Application &application = Application::Instance();
  // A form kept from a call whose display failed is shown again instead of a new one.
  if (FrmView == nullptr) FrmView = application.CreateForm<TFrmView>();
  try {
    application.ShowModal(*FrmView);
    application.FreeForm(FrmView);
    FrmView = nullptr;
  } catch (...) {
    // The customer has left or the display broke: either way the host gets its 1.
  }
}

}  // namespace
}  // namespace iv

// No exception may cross a C boundary: whatever escapes the steps is logged and the host
// still gets 1.
extern "C" IV_EXPORT int32_t IV_CALL ShowForm(THostServices *host, const char *const *dataI,
                                              const char *const *dataO, int32_t /*reserved*/) {
  try {
    iv::ShowInvoice(host, dataI, dataO);
  } catch (const std::exception &error) {
    iv::WriteErrorLog(error.what());
  } catch (...) {
    iv::WriteErrorLog("ShowForm: unknown error");
  }
  return 1;
}
