#include "platform/fs/log_record.h"

#include <cstdio>

namespace iv {

bool WriteLogRecord(const std::string &path, std::string_view stampLine, std::string_view message,
                    bool startAfresh) {
  std::FILE *file = std::fopen(path.c_str(), startAfresh ? "wb" : "ab");
  if (file == nullptr) return false;
  static constexpr std::string_view kRule = "---------------------------------";
  bool ok = true;
  for (std::string_view line : {stampLine, message, kRule}) {
    ok = ok && std::fwrite(line.data(), 1, line.size(), file) == line.size();
    ok = ok && std::fwrite("\r\n", 1, 2, file) == 2;
    ok = ok && std::fflush(file) == 0;
  }
  return std::fclose(file) == 0 && ok;
}

}  // namespace iv
