#include "host/native_path.h"

namespace iv::host {

std::filesystem::path NativePath(const std::string &name) { return name; }

}  // namespace iv::host
