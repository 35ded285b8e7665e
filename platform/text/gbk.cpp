#include "platform/text/gbk.h"

namespace iv {

std::string GbkFromTextFile(std::string_view bytes) {
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (!bytes.starts_with(kByteOrderMark)) return std::string(bytes);
  return Utf8ToGbk(bytes.substr(kByteOrderMark.size()));
}

}  // namespace iv
