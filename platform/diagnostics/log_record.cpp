#include "platform/diagnostics/log_record.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/diagnostics/diagnostic_stream.h"
#include "platform/fs/open_file.h"
#include "platform/fs/paths.h"

namespace iv {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string SystemReason(int error) {
  return error == ENOENT   ? "its folder does not exist (the library never creates it; create the folder)"
         : error == ENODEV ? "it is not a regular file (a FIFO or a device stands in its place)"
                           : std::strerror(error);
}

// With the diagnostic stream on, a record shows there too, and a lost one says why it was lost.
void EchoWritten(const std::string &path, std::string_view message) {
  if (DiagnosticsWanted()) Diagnose({Problem::Severity::LogRecord, path, 0, 0, std::string(message)});
}
void EchoDropped(const std::string &path, std::string_view message, int error) {
  if (DiagnosticsWanted())
    Diagnose({Problem::Severity::Warning, path, 0, 0,
              "record dropped, " + SystemReason(error) + ": " + std::string(message)});
}
void EchoCut(const std::string &path, std::string_view message, int error, std::size_t written, std::size_t size) {
  if (!DiagnosticsWanted()) return;
  Diagnose({Problem::Severity::Warning, path, 0, 0,
            "record cut short after " + std::to_string(written) + " of " + std::to_string(size) + " bytes, " +
                SystemReason(error) +
                ", and the cut part could not be taken back (the next record starts on a "
                "line of its own): " +
                std::string(message)});
}

// True when the file holds bytes after its last line end: a record cut short by a power failure
// or by a writer that could not take its part back.
bool EndsInsideALine(const std::string &path) {
  const FilePtr file = OpenFile(path, "rb");
  if (!file || std::fseek(file.get(), -1, SEEK_END) != 0) return false;
  return std::fgetc(file.get()) != '\n';
}

}  // namespace

bool WriteLogRecord(const std::string &path, std::string_view stampLine, std::string_view message, bool startAfresh) {
  std::string record;
  // The record begins a line of its own even after one that was cut short.
  if (!startAfresh && EndsInsideALine(path)) record += kLineEnd;
  for (std::string_view line : {stampLine, message, std::string_view("---------------------------------")}) {
    record += line;
    record += kLineEnd;
  }

  const std::int64_t sizeBefore = startAfresh ? 0 : FileSize(path).value_or(0);
  FilePtr file = OpenFile(path, startAfresh ? "wb" : "ab");
  if (!file) {
    EchoDropped(path, message, errno);
    return false;
  }
  // Unbuffered: what fwrite reports is what reached the file, so a cut can be measured.
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  const std::size_t written = std::fwrite(record.data(), 1, record.size(), file.get());
  if (written == record.size() && std::fclose(file.release()) == 0) {
    EchoWritten(path, message);
    return true;
  }
  const int error = errno;
  // Whole or not at all: the part of the record that fits (a full disk, a size limit) is taken
  // back, so the file still ends where the last whole record ended.
  const bool takenBack = file && TruncateOpenFile(file.get(), sizeBefore);
  if (takenBack || written == 0)
    EchoDropped(path, message, error);
  else
    EchoCut(path, message, error, written, record.size());
  return false;
}

}  // namespace iv
