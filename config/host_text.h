#pragma once
// A text handed to the host. It is a read-only counted string: the 8 bytes before the first
// character hold a 32-bit reference count of -1 and the 32-bit length, and the characters end
// with NUL. A C host reads it as a C string; a host whose strings are counted and
// reference-counted reads it as a constant, which it copies when it keeps it.
#include <cstdint>
#include <memory>
#include <string_view>

namespace iv {

class HostText {
 public:
  explicit HostText(std::string_view text);

  // Valid while this object lives, that is for the length of the host call it is made for.
  const char *c_str() const { return reinterpret_cast<const char *>(words_.get() + kHeaderWords); }

 private:
  static constexpr std::size_t kHeaderWords = 2;  // reference count, length
  std::unique_ptr<std::int32_t[]> words_;
};

}  // namespace iv
