// The kiosk folder's own folders, and reading its settings text files as the library does.
#include "checks/kiosk/kiosk_checks.h"
#include "checks/kiosk/kiosk_folder_check.h"
#include "checks/settings/text_encoding_check.h"
#include "config/settings_file.h"
#include "platform/fs/file_content.h"
#include "platform/fs/paths.h"
#include "platform/text/text_encoding.h"

namespace iv::check {

bool CheckFolders(ProblemList &problems) {
  problems.Add(CheckKioskFolders("."));
  return FolderExists(ResolvePath("INI"));
}

SettingsText ReadSettingsText(ProblemList &problems, const std::string &file) {
  SettingsText text;
  const std::string path = ResolvePath(file);
  if (!FileExists(path)) return text;
  text.present = true;
  if (SettingsFileTooLarge(path)) {
    problems.Error(file, 0,
                   "larger than the " + std::to_string(kMaxSettingsFileBytes >> 20) +
                       " MB the library reads: the kiosk reads it as empty");
    return text;
  }
  const std::optional<std::string> bytes = ReadFileContent(path, kMaxSettingsFileBytes);
  if (!bytes) {
    problems.Error(file, 0, "cannot be read: the kiosk reads it as empty");
    return text;
  }
  if (const auto problem = FindNotGbkText(*bytes)) problems.Error(file, problem->line, problem->message);
  // A UTF-16 file has a 0 byte in every name the library looks for: it finds no section.
  const TextEncoding encoding = FindTextEncoding(*bytes).encoding;
  if (encoding != TextEncoding::Utf16Le && encoding != TextEncoding::Utf16Be) text.settings = IniFile(*bytes);
  return text;
}

}  // namespace iv::check
