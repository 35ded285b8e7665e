#include "invoice/cell_file.h"

#include "platform/fs/input_file.h"
#include "platform/text/gbk.h"
#include "platform/text/text_encoding.h"

namespace iv {

std::optional<std::vector<std::string>> ReadCellFile(const std::string &path, std::string &reason) {
  if (path.empty()) return std::vector<std::string>{};
  const std::optional<std::string> bytes = ReadInputFile(path, reason);
  if (!bytes) return std::nullopt;
  const std::optional<std::string> decoded = GbkFromDataFile(*bytes, reason);
  if (!decoded) {
    reason = GbkToUtf8(reason);  // the tool's messages are UTF-8
    return std::nullopt;
  }
  const std::string &text = *decoded;

  std::vector<std::string> cells;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.pop_back();
    cells.push_back(line);
    start = end + 1;
  }
  return cells;
}

}  // namespace iv
