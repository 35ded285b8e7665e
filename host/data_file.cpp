#include "host/data_file.h"

#include <cerrno>
#include <cstring>
#include <sstream>

#include "platform/fs/file_content.h"
#include "platform/text/text_encoding.h"

namespace iv::host {

TransactionData ReadTransactionData(const std::string &path) {
  errno = 0;
  const std::optional<std::string> bytes = ReadFileContent(path);
  if (!bytes) throw DataFileError("cannot read data file " + path + ": " + std::strerror(errno), 0);
  std::string why;
  int at = 0;
  const std::optional<std::string> text = GbkFromDataFile(*bytes, why, at);
  if (!text) throw DataFileError("data file " + path + ": " + why, at);

  TransactionData data;
  std::stringstream lines(*text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 3 || (line[0] != 'I' && line[0] != 'O')) continue;
    size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 1) continue;
    int index = 0;
    bool digits = true;
    for (size_t i = 1; i < equals; ++i) {
      digits = digits && line[i] >= '0' && line[i] <= '9' && index <= 64;
      if (digits) index = index * 10 + (line[i] - '0');
    }
    if (!digits || index > 64) continue;
    (line[0] == 'I' ? data.in : data.out)[index] = line.substr(equals + 1);
    if (line[0] == 'I') data.inLine[index] = number;
  }
  return data;
}

}  // namespace iv::host
