#pragma once
// The plug-in as the host loads it: a shared object on POSIX, a DLL on Windows.
#include <string>

#include "invoiceview/host_services.h"

namespace iv::host {

// The plug-in beside the host program, in the build tree or where the install put it; the
// plain file name (for the system's search) when none of them exists.
std::string DefaultPluginPath(const std::string &executableFolder);

class PluginLibrary {
 public:
  // Loads the library and looks up ShowForm; Error() says what failed.
  explicit PluginLibrary(const std::string &path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary &) = delete;
  PluginLibrary &operator=(const PluginLibrary &) = delete;

  ShowFormFn ShowForm() const { return show_form_; }
  const std::string &Error() const { return error_; }

 private:
  void *handle_ = nullptr;
  ShowFormFn show_form_ = nullptr;
  std::string error_;
};

}  // namespace iv::host
