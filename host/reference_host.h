#pragma once
// The reference host's services object: implements the five operations the plug-in calls and
// traces each call on stdout, one UTF-8 line per call.
#include <string>

#include "host/options.h"
#include "invoiceview/host_services.h"

namespace iv::host {

class ReferenceHost {
 public:
  explicit ReferenceHost(Options options);
  ReferenceHost(const ReferenceHost &) = delete;
  ReferenceHost &operator=(const ReferenceHost &) = delete;

  THostServices *Services() { return &services_; }
  // Starts a new ShowForm call: the key list is posted again at its first activation.
  void BeginCall() { keys_posted_ = false; }
  // Files the host could not write (the receipt), each already told on stderr.
  int FileErrors() const { return file_errors_; }

 private:
  static ReferenceHost &Of(THostServices *self);
  static void IV_CALL ReportError(THostServices *self, const char *text);
  static void IV_CALL LoadSkinImage(THostServices *self, IvControl *control, const char *name);
  static void IV_CALL FormActivated(THostServices *self, IvForm *form);
  static void IV_CALL TextToValue(THostServices *self, const char *text, int32_t kind, IvVariant *out);
  static void IV_CALL PrintText(THostServices *self, const char *text);

  void PostKeys(IvForm *form);

  THostServices services_{};  // handed to the plug-in; Of() maps it back to this object
  THostServicesVtbl vtbl_{};
  Options options_;
  std::string business_key_;
  std::string last_value_text_;  // keeps a string variant valid after TextToValue returns
  bool keys_posted_ = false;
  int snapshot_count_ = 0;
  int file_errors_ = 0;
};

}  // namespace iv::host
