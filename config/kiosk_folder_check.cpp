#include "config/kiosk_folder_check.h"

#include "platform/fs/paths.h"

namespace iv {

std::vector<Diagnostic> CheckKioskFolders(const std::string &kioskFolder) {
  struct Expected {
    const char *name;
    Diagnostic::Kind kind;
    const char *cost;
  };
  static const Expected kFolders[] = {
      {"INI", Diagnostic::Kind::Error,
       "folder missing: no Sys.xml, FormatShow.ini, print.ini or template is read, so the screen stays empty; "
       "make the kiosk folder the host's current directory before the first ShowForm"},
      {"Log", Diagnostic::Kind::Warning,
       "folder missing: the library's log records (Log/ErrorLog.txt) are dropped; create the folder"},
      {"ErrorLog", Diagnostic::Kind::Warning,
       "folder missing: the invoice's log records (ErrorLog/Error.txt) are dropped; create the folder"},
  };
  std::vector<Diagnostic> problems;
  for (const Expected &folder : kFolders) {
    const std::string path = ResolvePath(JoinPath(kioskFolder, folder.name));
    if (!FolderExists(path)) problems.push_back({folder.kind, path, 0, folder.cost});
  }
  return problems;
}

}  // namespace iv
