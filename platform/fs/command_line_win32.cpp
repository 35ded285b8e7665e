#include <windows.h>
// CommandLineToArgvW
#include <shellapi.h>

#include "platform/fs/command_line.h"
#include "platform/text/gbk.h"

namespace iv {
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
