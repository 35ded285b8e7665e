// The kiosk folder's own folders, and reading its settings text files as the library does.
#include "config/settings_file.h"
#include "platform/fs/file_content.h"
#include "platform/fs/paths.h"
#include "tools/invoice_render/template_encoding.h"
#include "tools/kiosk_check/kiosk_checks.h"

namespace iv::check {

bool CheckFolders(CheckReport &report) {
  if (!FolderExists(ResolvePath("INI"))) {
    report.Error("INI/", 0,
                 "missing: the library reads Sys.xml, FormatShow.ini, print.ini and the templates from the INI "
                 "folder of the host's current directory; run kiosk-check on the kiosk's folder (kiosk-check "
                 "KIOSK_DIR) or create it");
    return false;
  }
  const struct {
    const char *folder;
    const char *log;
  } logs[] = {{"Log", "the library's log Log/ErrorLog.txt"}, {"ErrorLog", "the invoice's log ErrorLog/Error.txt"}};
  for (const auto &[folder, log] : logs) {
    const std::string path = ResolvePath(folder);
    if (!FolderExists(path))
      report.Error(std::string(folder) + "/", 0,
                   std::string("missing: the records of ") + log + " are dropped without notice; create the folder");
    else if (!FolderWritable(path))
      report.Error(std::string(folder) + "/", 0,
                   std::string("not writable: the records of ") + log +
                       " are dropped without notice; let the host's user write to it");
  }
  return true;
}

SettingsText ReadSettingsText(CheckReport &report, const std::string &file) {
  SettingsText text;
  const std::string path = ResolvePath(file);
  if (!FileExists(path)) return text;
  text.present = true;
  if (FileSize(path).value_or(0) > std::int64_t{kMaxSettingsFileBytes}) {
    report.Error(file, 0, "larger than the " + std::to_string(kMaxSettingsFileBytes >> 20) +
                              " MB the library reads: the kiosk reads it as empty");
    return text;
  }
  const std::optional<std::string> bytes = ReadFileContent(path, kMaxSettingsFileBytes);
  if (!bytes) {
    report.Error(file, 0, "cannot be read: the kiosk reads it as empty");
    return text;
  }
  if (const auto problem = FindUtf8Text(*bytes)) report.Error(file, problem->at.line, problem->message);
  text.settings = IniFile(*bytes);
  return text;
}

}  // namespace iv::check
