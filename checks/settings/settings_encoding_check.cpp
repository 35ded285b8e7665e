#include "checks/settings/settings_encoding_check.h"

#include <utility>

#include "checks/settings/text_encoding_check.h"
#include "config/settings_file.h"
#include "forms/Func_Lib.h"
#include "platform/fs/file_content.h"

namespace iv {

std::vector<Problem> CheckSettingsEncodings(const std::string &settingsFolder, const std::string &templateFile) {
  std::vector<Problem> problems;
  const auto check = [&](const std::string &path, const std::optional<std::string> &bytes) {
    if (!bytes) return;
    if (std::optional<Problem> notGbk = FindNotGbkText(*bytes)) {
      // The diagnostic stream names the line only.
      notGbk->file = path;
      notGbk->column = 0;
      problems.push_back(std::move(*notGbk));
    }
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
