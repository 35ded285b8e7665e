#include "forms/settings_encoding_check.h"

#include <algorithm>

#include "config/settings_file.h"
#include "forms/Func_Lib.h"
#include "platform/fs/file_content.h"
#include "platform/text/text_encoding.h"

namespace iv {

std::vector<Diagnostic> CheckSettingsEncodings(const std::string &settingsFolder, const std::string &templateFile) {
  std::vector<Diagnostic> problems;
  const auto check = [&](const std::string &path, const std::optional<std::string> &bytes) {
    if (!bytes) return;
    const FoundEncoding found = FindTextEncoding(*bytes);
    if (!found.IsGbk())
      problems.push_back(
          {Diagnostic::Kind::Error, path, std::max(found.line, 1), NotGbkMessage(found, KioskReading(found))});
  };
  for (const char *name : {"FormatShow.ini", "print.ini"}) {
    const std::string path = SettingsFile(settingsFolder, name);
    check(path, ReadFileContent(path, kMaxSettingsFileBytes));  // without the log record of a file too large
  }
  if (!templateFile.empty()) {
    const std::string path = SettingsFile(settingsFolder, templateFile);
    check(path, ReadFileContent(path));
  }
  return problems;
}

}  // namespace iv
