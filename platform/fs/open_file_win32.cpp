#include "platform/fs/open_file.h"

#include <string_view>

#include "platform/text/gbk.h"

namespace iv {

// The narrow fopen reads names in the system's code page, which need not be 936.
FilePtr OpenFile(const std::string &path, const char *mode) {
  const std::string_view modeText(mode);
  return FilePtr(_wfopen(GbkToWide(path).c_str(), std::wstring(modeText.begin(), modeText.end()).c_str()));
}

}  // namespace iv
