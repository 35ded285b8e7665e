#include "host/skin_file.h"

#include "platform/fs/paths.h"

namespace iv::host {

std::optional<std::string> FindSkinFile(const std::string &folder, const std::string &name) {
  for (const char *extension : {".png", ".jpg", ".bmp"})
    if (const std::string path = ResolvePath(JoinPath(folder, name + extension)); FileExists(path)) return path;
  return std::nullopt;
}

}  // namespace iv::host
