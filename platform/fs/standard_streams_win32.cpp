#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <iostream>
#include <streambuf>
#include <string>

#include "platform/fs/standard_streams.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

// Writes UTF-8 to a console with WriteConsoleW. A character cut by the end of a write waits
// for the rest.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) pending_ += traits_type::to_char_type(c);
    if (c == '\n' || pending_.size() >= 4096) sync();
    return traits_type::not_eof(c);
  }

  std::streamsize xsputn(const char *text, std::streamsize count) override {
    pending_.append(text, static_cast<std::size_t>(count));
    sync();
    return count;
  }

  int sync() override {
    const std::size_t whole = WholeCharacters();
    if (whole == 0) return 0;
    const std::wstring wide = Utf8ToWide(std::string_view(pending_).substr(0, whole));
    DWORD written = 0;
    WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    pending_.erase(0, whole);
    return 0;
  }

 private:
  // The bytes up to the last character that is complete.
  std::size_t WholeCharacters() const {
    const std::size_t size = pending_.size();
    for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
      const unsigned char byte = static_cast<unsigned char>(pending_[size - back]);
      if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
      const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
      return length > back ? size - back : size;
    }
    return size;
  }

  HANDLE console_;
  std::string pending_;
};

bool IsConsole(HANDLE handle) {
  DWORD mode;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

void SetUpStandardStreams() {
  for (std::FILE *stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
  const std::pair<DWORD, std::ostream *> streams[] = {{STD_OUTPUT_HANDLE, &std::cout}, {STD_ERROR_HANDLE, &std::cerr}};
  for (const auto &[which, stream] : streams) {
    const HANDLE handle = GetStdHandle(which);
    if (!IsConsole(handle)) continue;
    stream->flush();
    stream->rdbuf(new ConsoleBuffer(handle));  // never freed: the stream writes through it to the end
  }
}

}  // namespace iv
