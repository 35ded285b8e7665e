#pragma once
// What the kiosk's user and host can load: the skins, and every file and folder the kiosk reads
// and writes as the kiosk's user may use it.
#include <string>
#include <string_view>
#include <vector>

#include "checks/problem_list.h"
#include "platform/fs/user_access.h"
#include "platform/ini/ini_file.h"

namespace iv::check {

// The four skins in `folder`: found, decodable, their sizes, their covering colour.
void CheckSkins(ProblemList &problems, const std::string &folder);
// What the screen shows where the host could not load the skin `name`.
std::string ScreenWithoutSkin(std::string_view name, bool menuBackLoads);

// Every file and folder the kiosk reads (settings, the keys' templates and their pictures, the
// skins in `skins` unless empty) and writes (the logs) as `user` may use them.
void CheckUserAccess(ProblemList &problems, const UserAccount &user, const IniFile &formatShow,
                     const std::vector<std::string> &keys, const std::string &skins);

}  // namespace iv::check
