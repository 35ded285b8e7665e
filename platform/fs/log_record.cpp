#include "platform/fs/log_record.h"

#include "platform/fs/open_file.h"

namespace iv {

bool WriteLogRecord(const std::string &path, std::string_view stampLine, std::string_view message,
                    bool startAfresh) {
  FilePtr file = OpenFile(path, startAfresh ? "wb" : "ab");
  if (!file) return false;
  static constexpr std::string_view kRule = "---------------------------------";
  bool ok = true;
  for (std::string_view line : {stampLine, message, kRule}) {
    ok = ok && std::fwrite(line.data(), 1, line.size(), file.get()) == line.size();
    ok = ok && std::fwrite("\r\n", 1, 2, file.get()) == 2;
    ok = ok && std::fflush(file.get()) == 0;
  }
  return std::fclose(file.release()) == 0 && ok;
}

}  // namespace iv
