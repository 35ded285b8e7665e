#pragma once
#include <optional>
#include <string>

namespace iv {

// The whole file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileContent(const std::string &path);

}  // namespace iv
