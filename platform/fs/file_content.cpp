#include "platform/fs/file_content.h"

#include "platform/fs/open_file.h"

namespace iv {

std::optional<std::string> ReadFileContent(const std::string &path, std::size_t maxBytes) {
  const FilePtr file = OpenFile(path, "rb");
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    if (n > maxBytes - bytes.size()) return std::nullopt;
    bytes.append(buffer, n);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace iv
