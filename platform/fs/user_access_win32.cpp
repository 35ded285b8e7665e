#include "platform/fs/user_access.h"

namespace iv {

// Access lists, not mode bits, guard files here; judging them for another account would need
// that account's token. The check is run as the kiosk's user instead.
std::optional<UserAccount> FindUserAccount(const std::string &, std::string &why) {
  why = "not available on Windows, where access lists guard the files: run the check as the kiosk's user";
  return std::nullopt;
}

bool PassesEveryModeBit() { return false; }

std::optional<AccessRefusal> WhyUserCannot(const UserAccount &, const std::string &, FileAccess) {
  return std::nullopt;
}

}  // namespace iv
