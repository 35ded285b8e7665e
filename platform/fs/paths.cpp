#include "platform/fs/paths.h"

#include <algorithm>

namespace iv {

std::string JoinPath(std::string_view a, std::string_view b) {
  std::string out(a);
  while (!b.empty() && (b.front() == '/' || b.front() == '\\')) b.remove_prefix(1);
  if (!out.empty() && out.back() != kPathSeparator) out += kPathSeparator;
  out += b;
  return out;
}

std::string PathFrom(std::string_view folder, const std::string &path) {
  return path.empty() || IsAbsolutePath(path) ? path : JoinPath(folder, path);
}

std::string ToNativeSeparators(std::string_view name) {
  std::string out(name);
  std::replace(out.begin(), out.end(), '\\', kPathSeparator);
  return out;
}

}  // namespace iv
