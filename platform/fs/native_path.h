#pragma once
// Folder and file operations through std::filesystem, whose errors carry the system's
// reason. Names are bytes on Linux; on Windows they are GBK, as everywhere in the system, and
// std::filesystem must be given them in UTF-16.
#include <filesystem>
#include <string>

namespace iv {

std::filesystem::path NativePath(const std::string &name);

}  // namespace iv
