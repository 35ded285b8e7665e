#include "tools/invoice_render/cell_file.h"

#include <fstream>
#include <sstream>

#include "platform/text/gbk.h"

namespace iv {

std::optional<std::vector<std::string>> ReadCellFile(const std::string &path) {
  if (path.empty()) return std::vector<std::string>{};
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::stringstream content;
  content << file.rdbuf();
  std::string text = content.str();
  const bool utf8 = text.starts_with("\xEF\xBB\xBF");
  if (utf8) text.erase(0, 3);

  std::vector<std::string> cells;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.pop_back();
    cells.push_back(utf8 ? Utf8ToGbk(line) : line);
    start = end + 1;
  }
  return cells;
}

}  // namespace iv
