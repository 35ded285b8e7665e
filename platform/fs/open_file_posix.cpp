#include "platform/fs/open_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace iv {
namespace {

// open() flags for an fopen mode that reads or appends.
int OpenFlags(std::string_view mode) {
  const bool update = mode.find('+') != std::string_view::npos;
  int flags = O_CLOEXEC | O_NONBLOCK;  // a FIFO must not hold the open up
  if (mode.starts_with('a'))
    flags |= O_CREAT | O_APPEND | (update ? O_RDWR : O_WRONLY);
  else
    flags |= update ? O_RDWR : O_RDONLY;
  return flags;
}

}  // namespace

FilePtr OpenFile(const std::string &path, const char *mode) {
  const std::string_view modeText(mode);
  if (!modeText.starts_with('r') && !modeText.starts_with('a')) return FilePtr(std::fopen(path.c_str(), mode));

  const int fd = open(path.c_str(), OpenFlags(modeText), 0666);
  if (fd < 0) {
    if (errno == ENXIO) errno = ENODEV;  // a FIFO opened to append while nothing reads it
    return nullptr;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int reason = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
    close(fd);
    errno = reason;
    return nullptr;
  }
  // Reads and writes of a regular file block as usual again.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE *file = fdopen(fd, mode);
  if (file == nullptr) close(fd);
  return FilePtr(file);
}

bool TruncateOpenFile(std::FILE *file, std::int64_t size) { return ftruncate(fileno(file), off_t(size)) == 0; }

}  // namespace iv
