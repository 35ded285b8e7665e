#include <windows.h>
// CommandLineToArgvW
#include <shellapi.h>

#include "platform/fs/command_line.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

std::string WideToUtf8(const wchar_t *wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return "";
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
  utf8.pop_back();  // the terminating NUL
  return utf8;
}

}  // namespace

std::vector<std::string> CommandLineArguments(int /*argc*/, char ** /*argv*/) {
  int count = 0;
  wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(WideToUtf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

std::string NameArgument(const std::string &argument) { return Utf8ToGbk(argument); }

std::string NameInMessage(const std::string &name) { return GbkToUtf8(name); }

}  // namespace iv
