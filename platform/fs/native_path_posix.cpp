#include "platform/fs/native_path.h"

namespace iv {

std::filesystem::path NativePath(const std::string &name) { return name; }

}  // namespace iv
