#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace iv {

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file by its GBK name with an fopen mode ("rb", "ab", "wb", ...); null when it cannot
// be. A file opened for reading or appending must be a regular file: a FIFO, a device or a
// folder in its place would block the kiosk or never end, so it counts as missing (errno is
// then EISDIR for a folder, ENODEV for anything else).
FilePtr OpenFile(const std::string &path, const char *mode);

// Cuts an open file back to its first `size` bytes; false when the system refuses.
bool TruncateOpenFile(std::FILE *file, std::int64_t size);

}  // namespace iv
