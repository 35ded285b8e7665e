#include "platform/fs/input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/fs/file_content.h"
#include "platform/fs/native_path.h"

namespace iv {

std::optional<std::string> ReadInputFile(const std::string &path, std::string &reason) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(NativePath(path), error);
  if (error) {
    reason = error.message();
    return std::nullopt;
  }
  if (!std::filesystem::is_regular_file(status)) {
    reason = "not a regular file";
    return std::nullopt;
  }
  errno = 0;
  std::optional<std::string> bytes = ReadFileContent(path);
  if (!bytes) reason = errno != 0 ? std::strerror(errno) : "read error";
  return bytes;
}

}  // namespace iv
