#pragma once
#include <cstdio>
#include <memory>
#include <string>

namespace iv {

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file by its GBK name with an fopen mode ("rb", "ab", ...); null when it cannot be.
FilePtr OpenFile(const std::string &path, const char *mode);

}  // namespace iv
