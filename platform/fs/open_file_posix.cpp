#include "platform/fs/open_file.h"

namespace iv {

FilePtr OpenFile(const std::string &path, const char *mode) {
  return FilePtr(std::fopen(path.c_str(), mode));
}

}  // namespace iv
