#include "platform/fs/log_record.h"

#include <cerrno>
#include <cstring>

#include "platform/diagnostics/diagnostic_stream.h"
#include "platform/fs/open_file.h"

namespace iv {
namespace {

// With the diagnostic stream on, a record shows there too, and a lost one says why it was lost.
void Echo(const std::string &path, std::string_view message, int lostBecause) {
  if (!DiagnosticsWanted()) return;
  if (lostBecause == 0) {
    Diagnose({Diagnostic::Kind::LogRecord, path, 0, std::string(message)});
    return;
  }
  const std::string why =
      lostBecause == ENOENT   ? "its folder does not exist (the library never creates it; create the folder)"
      : lostBecause == ENODEV ? "it is not a regular file (a FIFO or a device stands in its place)"
                              : std::strerror(lostBecause);
  Diagnose({Diagnostic::Kind::Warning, path, 0, "record dropped, " + why + ": " + std::string(message)});
}

}  // namespace

bool WriteLogRecord(const std::string &path, std::string_view stampLine, std::string_view message,
                    bool startAfresh) {
  FilePtr file = OpenFile(path, startAfresh ? "wb" : "ab");
  if (!file) {
    Echo(path, message, errno);
    return false;
  }
  static constexpr std::string_view kRule = "---------------------------------";
  bool ok = true;
  for (std::string_view line : {stampLine, message, kRule}) {
    ok = ok && std::fwrite(line.data(), 1, line.size(), file.get()) == line.size();
    ok = ok && std::fwrite("\r\n", 1, 2, file.get()) == 2;
    ok = ok && std::fflush(file.get()) == 0;
  }
  const bool written = std::fclose(file.release()) == 0 && ok;
  Echo(path, message, written ? 0 : (errno != 0 ? errno : EIO));
  return written;
}

}  // namespace iv
