// The kiosk folder's own folders, and reading its settings text files as the library does.
#include "config/kiosk_folder_check.h"
#include "config/settings_file.h"
#include "platform/fs/file_content.h"
#include "platform/fs/paths.h"
#include "platform/text/text_encoding.h"
#include "tools/invoice_render/template_encoding.h"
#include "tools/kiosk_check/kiosk_checks.h"

namespace iv::check {

bool CheckFolders(CheckReport &report) {
  report.Add(CheckKioskFolders("."));
  return FolderExists(ResolvePath("INI"));
}

SettingsText ReadSettingsText(CheckReport &report, const std::string &file) {
  SettingsText text;
  const std::string path = ResolvePath(file);
  if (!FileExists(path)) return text;
  text.present = true;
  if (SettingsFileTooLarge(path)) {
    report.Error(file, 0, "larger than the " + std::to_string(kMaxSettingsFileBytes >> 20) +
                              " MB the library reads: the kiosk reads it as empty");
    return text;
  }
  const std::optional<std::string> bytes = ReadFileContent(path, kMaxSettingsFileBytes);
  if (!bytes) {
    report.Error(file, 0, "cannot be read: the kiosk reads it as empty");
    return text;
  }
  if (const auto problem = FindNotGbkText(*bytes)) report.Error(file, problem->at.line, problem->message);
  // A UTF-16 file has a 0 byte in every name the library looks for: it finds no section.
  const TextEncoding encoding = FindTextEncoding(*bytes).encoding;
  if (encoding != TextEncoding::Utf16Le && encoding != TextEncoding::Utf16Be) text.settings = IniFile(*bytes);
  return text;
}

}  // namespace iv::check
