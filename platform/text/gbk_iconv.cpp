#include "platform/text/gbk.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace iv {
namespace {

// Decides what an invalid input sequence becomes: appends the replacement to `out` and
// returns how many input bytes to skip.
using InvalidSequence = size_t (*)(std::string_view rest, std::string &out);

// One cached descriptor per direction and thread; iconv descriptors are not thread-safe.
class Converter {
 public:
  Converter(const char *to, const char *from, InvalidSequence onInvalid)
      : cd_(iconv_open(to, from)), on_invalid_(onInvalid) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter &) = delete;
  Converter &operator=(const Converter &) = delete;

  std::string Run(std::string_view in) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() * 2 + 8);
    char *src = const_cast<char *>(in.data());
    size_t srcLeft = in.size();
    char buffer[1024];
    while (srcLeft > 0) {
      char *dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
      size_t skip = std::min(on_invalid_({src, srcLeft}, out), srcLeft);
      src += skip;
      srcLeft -= skip;
    }
    return out;
  }

 private:
  iconv_t cd_;
  InvalidSequence on_invalid_;
};

size_t ReplaceByteUtf8(std::string_view, std::string &out) {
  out += "\xEF\xBF\xBD";
  return 1;
}

size_t ReplaceByteUtf32(std::string_view, std::string &out) {
  out.append("\xFD\xFF\0\0", 4);
  return 1;
}

// A well-formed UTF-8 character GBK lacks becomes '?'; a stray byte is dropped.
size_t ReplaceCharacterGbk(std::string_view rest, std::string &out) {
  auto lead = static_cast<unsigned char>(rest[0]);
  size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || rest.size() < length) return 1;
  for (size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
  out += '?';
  return length;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  thread_local Converter converter("UTF-8", "GBK", ReplaceByteUtf8);
  return converter.Run(gbk);
}

std::u32string GbkToCodePoints(std::string_view gbk) {
  thread_local Converter converter("UTF-32LE", "GBK", ReplaceByteUtf32);
  std::string raw = converter.Run(gbk);
  std::u32string out(raw.size() / 4, U'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    const auto *p = reinterpret_cast<const unsigned char *>(raw.data() + i * 4);
    out[i] = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<char32_t>(p[3]) << 24);
  }
  return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
  thread_local Converter converter("GBK", "UTF-8", ReplaceCharacterGbk);
  return converter.Run(utf8);
}

}  // namespace iv
