#include <windows.h>

#include "host/plugin_library.h"
#include "platform/fs/command_line.h"
#include "platform/fs/paths.h"
#include "platform/fs/system_message.h"
#include "platform/text/gbk.h"

namespace iv::host {
namespace {}  // namespace

std::string DefaultPluginPath(const std::string &executableFolder) {
  for (const char *candidate : {"invoiceview.dll", "..\\plugin\\invoiceview.dll"}) {
    std::string path = JoinPath(executableFolder, candidate);
    if (FileExists(path)) return path;
  }
  return "invoiceview.dll";
}

PluginLibrary::PluginLibrary(const std::string &path) {
  HMODULE module = LoadLibraryW(GbkToWide(path).c_str());
  handle_ = module;
  if (module == nullptr) {
    const DWORD code = GetLastError();
    const std::string reason = WideToUtf8(SystemMessage(code));
    error_ = "cannot load plug-in: " + NameInMessage(path) + " (error " + std::to_string(code) +
             (reason.empty() ? "" : ": " + reason) + ")";
    return;
  }
  // The export is the plain name of a stdcall function.
  show_form_ = reinterpret_cast<ShowFormFn>(reinterpret_cast<void (*)()>(GetProcAddress(module, "ShowForm")));
  if (show_form_ == nullptr) error_ = "the plug-in has no ShowForm";
}

PluginLibrary::~PluginLibrary() {
  if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
}

}  // namespace iv::host
