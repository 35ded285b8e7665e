#include "platform/fs/user_access.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/fs/paths.h"

namespace iv {
namespace {

std::string UserName(uid_t uid) {
  const passwd *entry = getpwuid(uid);
  return entry != nullptr ? entry->pw_name : std::to_string(uid);
}

std::string GroupName(gid_t gid) {
  const group *entry = getgrgid(gid);
  return entry != nullptr ? entry->gr_name : std::to_string(gid);
}

AccessRefusal::UserClass ClassOf(const UserAccount &user, const struct stat &st) {
  if (user.uid == st.st_uid) return AccessRefusal::UserClass::Owner;
  if (std::find(user.groups.begin(), user.groups.end(), st.st_gid) != user.groups.end())
    return AccessRefusal::UserClass::Group;
  return AccessRefusal::UserClass::Others;
}

// The bits (r 4, w 2, x 1) `access` takes.
unsigned BitsFor(FileAccess access, bool folder) {
  switch (access) {
    case FileAccess::Read: return 4;
    case FileAccess::Write: return folder ? 3 : 2;
    case FileAccess::Search: return 1;
  }
  return 0;
}

std::string Letters(unsigned bits) {
  return std::string(bits & 4 ? "r" : "") + (bits & 2 ? "w" : "") + (bits & 1 ? "x" : "");
}

// Only the bits of the class the user falls in count: an owner refused by the owner's bits is
// refused, whatever the others' bits allow.
std::optional<AccessRefusal> CheckOne(const UserAccount &user, const std::string &path, FileAccess access) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return std::nullopt;  // nothing there to refuse
  AccessRefusal refusal{path, access, UserName(st.st_uid), GroupName(st.st_gid), st.st_mode & 07777u, ClassOf(user, st),
                        "",   false};
  struct statvfs fileSystem {};
  if (access == FileAccess::Write && statvfs(path.c_str(), &fileSystem) == 0 && (fileSystem.f_flag & ST_RDONLY)) {
    refusal.readOnlyFileSystem = true;
    return refusal;
  }
  if (user.uid == 0) return std::nullopt;
  const int shift = refusal.userClass == AccessRefusal::UserClass::Owner   ? 6
                    : refusal.userClass == AccessRefusal::UserClass::Group ? 3
                                                                           : 0;
  const unsigned granted = (st.st_mode >> shift) & 7u, wanted = BitsFor(access, S_ISDIR(st.st_mode));
  if ((granted & wanted) == wanted) return std::nullopt;
  refusal.permissions = Letters(wanted & ~granted);
  return refusal;
}

// The folders on the way to the absolute `path`, from the root down.
std::vector<std::string> FoldersOnTheWay(const std::string &path) {
  std::vector<std::string> folders{"/"};
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
    folders.push_back(path.substr(0, slash));
  return folders;
}

}  // namespace

std::optional<UserAccount> FindUserAccount(const std::string &name, std::string &why) {
  const passwd *entry = getpwnam(name.c_str());
  if (entry == nullptr) {
    why = "no user " + name + " on this system";
    return std::nullopt;
  }
  const uid_t uid = entry->pw_uid;
  const gid_t primary = entry->pw_gid;
  std::vector<gid_t> groups(16);
  int count = static_cast<int>(groups.size());
  while (getgrouplist(name.c_str(), primary, groups.data(), &count) < 0) {
    groups.resize(std::max<std::size_t>(static_cast<std::size_t>(count), groups.size() * 2));
    count = static_cast<int>(groups.size());
  }
  groups.resize(static_cast<std::size_t>(count));
  return UserAccount{name, uid, GroupName(primary), {groups.begin(), groups.end()}};
}

bool PassesEveryModeBit() { return geteuid() == 0; }

std::optional<AccessRefusal> WhyUserCannot(const UserAccount &user, const std::string &path, FileAccess access) {
  const std::string absolute = IsAbsolutePath(path) ? path : JoinPath(CurrentDirectory(), path);
  std::vector<std::string> folders = FoldersOnTheWay(absolute);
  // A link is followed from where it points: those folders must be searched too.
  if (const std::unique_ptr<char, decltype(&std::free)> real(realpath(absolute.c_str(), nullptr), &std::free); real) {
    const std::vector<std::string> linked = FoldersOnTheWay(real.get());
    folders.insert(folders.end(), linked.begin(), linked.end());
  }
  for (const std::string &folder : folders)
    if (std::optional<AccessRefusal> refusal = CheckOne(user, folder, FileAccess::Search)) return refusal;
  return CheckOne(user, absolute, access);
}

}  // namespace iv
