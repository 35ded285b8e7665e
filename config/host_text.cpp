#include "config/host_text.h"

#include <cstring>

namespace iv {

HostText::HostText(std::string_view text) {
  const std::size_t characterWords = (text.size() + 1 + sizeof(std::int32_t) - 1) / sizeof(std::int32_t);
  words_ = std::make_unique<std::int32_t[]>(kHeaderWords + characterWords);  // zeroed: the NUL
  words_[0] = -1;
  words_[1] = static_cast<std::int32_t>(text.size());
  std::memcpy(words_.get() + kHeaderWords, text.data(), text.size());
}

}  // namespace iv
