#pragma once
// Reading a file the command line names, with the system's reason when that fails.
#include <optional>
#include <string>

namespace iv {

// The file's bytes; nothing, with the reason in `reason` ("No such file or directory", "not a
// regular file", ...), when it cannot be read. Only regular files are read: a FIFO would block.
std::optional<std::string> ReadInputFile(const std::string &path, std::string &reason);

}  // namespace iv
