#pragma once
#include <cstddef>
#include <limits>
#include <optional>
#include <string>

namespace iv {

// The whole file as bytes; nothing when it cannot be opened or read, is not a regular file,
// or holds more than `maxBytes`. Memory is taken in proportion to what the file holds.
std::optional<std::string> ReadFileContent(const std::string &path,
                                           std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace iv
