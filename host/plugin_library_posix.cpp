#include <dlfcn.h>

#include "host/plugin_library.h"
#include "platform/fs/paths.h"

namespace iv::host {

std::string DefaultPluginPath(const std::string &executableFolder) {
  for (const char *candidate : {"libinvoiceview.so", "../plugin/libinvoiceview.so", IV_INSTALLED_PLUGIN}) {
    std::string path = JoinPath(executableFolder, candidate);
    if (FileExists(path)) return path;
  }
  return "libinvoiceview.so";
}

PluginLibrary::PluginLibrary(const std::string &path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (handle_ == nullptr) {
    error_ = std::string("cannot load plug-in: ") + dlerror();
    return;
  }
  show_form_ = reinterpret_cast<ShowFormFn>(dlsym(handle_, "ShowForm"));
  if (show_form_ == nullptr) error_ = "the plug-in has no ShowForm";
}

PluginLibrary::~PluginLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

}  // namespace iv::host
