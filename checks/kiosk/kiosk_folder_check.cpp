#include "checks/kiosk/kiosk_folder_check.h"

#include "platform/fs/paths.h"

namespace iv {
namespace {

// A day of a busy kiosk's records, about 300 bytes each.
constexpr std::int64_t kLogRoomWanted = 1 << 20;

}  // namespace

std::vector<Problem> CheckKioskFolders(const std::string &kioskFolder) {
  std::vector<Problem> problems;
  const std::string settings = ResolvePath(JoinPath(kioskFolder, "INI"));
  if (!FolderExists(settings))
    problems.push_back({Problem::Severity::Error, settings, 0, 0,
                        "folder missing: no Sys.xml, FormatShow.ini, print.ini or template is read, so the screen "
                        "stays empty; make the kiosk folder the host's current directory before the first "
                        "ShowForm"});
  const struct {
    const char *folder;
    const char *log;
  } logs[] = {{"Log", "the library's log records (Log/ErrorLog.txt)"},
              {"ErrorLog", "the invoice's log records (ErrorLog/Error.txt)"}};
  for (const auto &[folder, log] : logs) {
    const std::string path = ResolvePath(JoinPath(kioskFolder, folder));
    if (!FolderExists(path))
      problems.push_back(
          {Problem::Severity::Warning, path, 0, 0, std::string("folder missing: ") + log + " are dropped; create it"});
    else if (const std::optional<std::string> why = WhyFolderNotWritable(path))
      problems.push_back(
          {Problem::Severity::Warning, path, 0, 0, std::string("not writable: ") + log + " are dropped; " + *why});
    else if (const std::optional<std::int64_t> free = FreeSpace(path); free && *free < kLogRoomWanted)
      problems.push_back(
          {Problem::Severity::Warning, path, 0, 0,
           (*free == 0 ? std::string("the file system holding it is full: ")
                       : "the file system holding it is nearly full (" + std::to_string(*free) + " bytes free): ") +
               log +
               " that do not fit are dropped; free space there, or put the folder on a "
               "larger file system"});
  }
  return problems;
}

}  // namespace iv
