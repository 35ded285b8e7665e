#pragma once
// Whether a user of the system may read, write or search a path, judged by the owner, group and
// mode bits of the path and of every folder on the way to it: what a check run by root must
// work out for the user a kiosk runs as. Access lists are not read. POSIX only: on Windows
// access lists decide, and no account is found.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace iv {

struct UserAccount {
  std::string name;
  std::uint32_t uid = 0;
  std::string groupName;              // the primary group's
  std::vector<std::uint32_t> groups;  // the primary group and every supplementary one
};

// The account named `name`; nothing, with `why` set, when there is none or this system cannot
// judge for another user.
std::optional<UserAccount> FindUserAccount(const std::string &name, std::string &why);

// Whether this process passes every mode bit (root): what it may read says nothing about the
// kiosk's own user.
bool PassesEveryModeBit();

enum class FileAccess : std::uint8_t {
  Read,
  Write,   // a folder: make files in it (w and x)
  Search,  // a folder: open what is in it (x)
};

// Where the user is refused: the path itself, or the first folder on the way they cannot search.
struct AccessRefusal {
  enum class UserClass : std::uint8_t { Owner, Group, Others };
  std::string place;  // absolute
  FileAccess access = FileAccess::Read;
  std::string owner;  // names, or numbers where the system has none
  std::string group;
  std::uint32_t mode = 0;                   // the permission bits
  UserClass userClass = UserClass::Others;  // whose bits apply to the user
  std::string permissions;                  // the letters the user lacks there: "r", "w", "x" or "wx"
  bool readOnlyFileSystem = false;          // a write refused whatever the bits
};

// Nothing when `user` may use the existing `path` (absolute, or from the current directory)
// as `access` asks, searching every folder on the way to it and to where its links lead.
std::optional<AccessRefusal> WhyUserCannot(const UserAccount &user, const std::string &path, FileAccess access);

}  // namespace iv
