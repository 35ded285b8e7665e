#include "platform/fs/file_content.h"

#include <fstream>
#include <iterator>

namespace iv {

std::optional<std::string> ReadFileContent(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return std::nullopt;
  return bytes;
}

}  // namespace iv
