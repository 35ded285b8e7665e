#pragma once
// What several fuzz targets share: input cut into lines, and a scratch folder of their own
// that is removed when the fuzzer exits.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace iv::fuzz {

inline std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines(1);
  for (char c : bytes) {
    if (c == '\n')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

// Made once per process under the temporary folder. The name is never destroyed, so the
// exit handler can still use it.
inline const std::string &ScratchFolder() {
  static const std::string &folder = *[] {
    auto *pattern = new std::string((std::filesystem::temp_directory_path() / "iv-fuzz-XXXXXX").string());
    if (mkdtemp(pattern->data()) == nullptr) std::abort();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolder(), ignored);
    });
    return pattern;
  }();
  return folder;
}

}  // namespace iv::fuzz
