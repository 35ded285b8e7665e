#include <windows.h>

#include "host/plugin_library.h"
#include "platform/fs/command_line.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"

namespace iv::host {
namespace {

// The system's wording of an error code ("The specified module could not be found."), in UTF-8
// as the messages are, without the line end it comes with; empty when the system has none.
std::string SystemMessage(DWORD code) {
  wchar_t *text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
  std::wstring message(text != nullptr ? text : L"", length);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
    message.pop_back();
  return GbkToUtf8(WideToGbk(message));
}

}  // namespace

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
    const std::string reason = SystemMessage(code);
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
