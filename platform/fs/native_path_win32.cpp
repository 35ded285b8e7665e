#include "platform/fs/native_path.h"

#include "platform/text/gbk.h"

namespace iv {

std::filesystem::path NativePath(const std::string &name) { return GbkToWide(name); }

}  // namespace iv
