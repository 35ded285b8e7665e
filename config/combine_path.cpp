#include "config/combine_path.h"

#include "platform/fs/paths.h"

namespace iv {

std::string CombinePath(const std::string &base, const std::string &relative) {
  std::string name = ToNativeSeparators(relative);
  // An empty text is inside nothing: an empty name gives the base and a separator.
  if (!name.empty() && name.size() < base.size() && base.find(name) != std::string::npos) {
    return base;
  }
  if (!base.empty() && base.size() < name.size() && name.find(base) != std::string::npos) {
    return name;
  }

  std::string folder = base;
  if (!folder.empty() && folder.back() == kPathSeparator) folder.pop_back();
  if (!name.empty() && name.front() == '.') name.erase(0, 1);
  if (!name.empty() && name.front() == kPathSeparator) name.erase(0, 1);
  return folder + kPathSeparator + name;
}

}  // namespace iv
