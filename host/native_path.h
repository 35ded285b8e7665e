#pragma once
// The host's folder operations go through std::filesystem, whose errors carry the system's
// reason. Names are bytes on Linux; on Windows they are GBK, as everywhere in the system, and
// std::filesystem must be given them in UTF-16.
#include <filesystem>
#include <string>

namespace iv::host {

std::filesystem::path NativePath(const std::string &name);

}  // namespace iv::host
