#include <exception>
#include <string>

#include "checks/kiosk/kiosk_folder_check.h"
#include "checks/settings/idle_timeout_check.h"
#include "checks/settings/invoice_settings_check.h"
#include "checks/settings/settings_encoding_check.h"
#include "config/UPubVar.h"
#include "config/UTSysCs.h"
#include "config/error_log.h"
#include "config/host_link.h"
#include "forms/FrmView.h"
#include "forms/Func_Lib.h"
#include "platform/diagnostics/diagnostic_stream.h"
#include "platform/fpu/float_settings.h"
#include "platform/fs/paths.h"
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

// With the diagnostic stream on, each call says which kiosk folder it works in and what of the
// folder is missing.
void DiagnoseKioskFolder() {
  if (!DiagnosticsWanted()) return;
  const std::string folder = CurrentDirectory();
  Diagnose({Problem::Severity::Note, folder, 0, 0,
            "ShowForm for the business key \"" + HostLink::Current().BusinessKey() +
                "\": kiosk folder (logs in Log/ and "
                "ErrorLog/ here), settings and templates from " +
                SettingsFolder(SysCs)});
  Diagnose(CheckKioskFolders(folder));
}

// What of FormatShow.ini, print.ini and the template the screen cannot use, with the diagnostic
// stream on.
void DiagnoseSettings(const std::string &settingsFolder, const IniFile &settings, const std::string &businessKey) {
  Diagnose(CheckSettingsEncodings(settingsFolder, settings.ReadString(businessKey, "DisPlayIniFile", "")));
  Diagnose(CheckInvoiceSettings(settingsFolder, settings, businessKey));
  Diagnose(CheckIdleTimeout(SettingsFile(settingsFolder, "FormatShow.ini"), settings, businessKey));
}

void ShowInvoice(THostServices *host, const char *const *dataI, const char *const *dataO) {
  HostServices = host;
  Application::Instance().SetHandle(host->WindowHandle);
  DiagnoseKioskFolder();
  // Loading may ask the host's TextToValue, so the host is stored first. Once created, the
  // parameters are kept for the life of the process and never reloaded.
  if (SysCs == nullptr) SysCs = new TSysCs();
  CopyData(dataI, DataI);
  CopyData(dataO, DataO);
  Application &application = Application::Instance();
  // Every call shows a form prepared from its own data: a form left over from a call whose
  // display failed would show (and print) the previous customer's bill.
  TFrmView *form = application.CreateForm<TFrmView>(DiagnosticsWanted() ? DiagnoseSettings : SettingsReview());
  FrmView = form;
  try {
    application.ShowModal(*form);
  } catch (const std::exception &error) {
    WriteErrorLog(std::string("ShowForm: the invoice screen could not be shown: ") + error.what());
  } catch (...) {
    WriteErrorLog("ShowForm: the invoice screen could not be shown: unknown error");
  }
  try {
    application.FreeForm(form);
  } catch (...) {
    // Dropped: the next call creates its own form all the same.
  }
  FrmView = nullptr;
}

}  // namespace
}  // namespace iv

// No exception may cross a C boundary: whatever escapes the steps is logged and the host
// still gets 1.
extern "C" IV_EXPORT int32_t IV_CALL ShowForm(THostServices *host, const char *const *dataI, const char *const *dataO,
                                              int32_t /*reserved*/) {
  // The host's floating-point settings are its own again when this returns, however it returns.
  const iv::LibraryFloatSettings floatSettings;
  // Without its host the screen cannot be shown, and touching a missing table would crash.
  if (host == nullptr || host->vtbl == nullptr) {
    iv::WriteErrorLog(host == nullptr ? "ShowForm: no host services object (host is NULL); nothing shown"
                                      : "ShowForm: the host services object has no operation table (vtbl is "
                                        "NULL); nothing shown");
    return 1;
  }
  try {
    iv::ShowInvoice(host, dataI, dataO);
  } catch (const std::exception &error) {
    iv::WriteErrorLog(error.what());
  } catch (...) {
    iv::WriteErrorLog("ShowForm: unknown error");
  }
  return 1;
}
