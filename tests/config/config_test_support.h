#pragma once
// What the configuration tests share: a throw-away kiosk folder that is the current directory
// while it lives, and a host whose TextToValue parses kind 1 as a double and kind 2 as a
// 64-bit integer unless a test sets the variant to hand back.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "invoiceview/host_services.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"
#include "tests/platform/temp_folder.h"

namespace iv::test {

inline std::string G(const char8_t *utf8) { return Gbk(utf8); }

// A path below `folder` as the library composes it: '/' in `relative` is the system's separator.
inline std::string Below(const std::string &folder, std::string relative) {
  std::replace(relative.begin(), relative.end(), '/', kPathSeparator);
  return folder + relative;
}

inline std::string DataPath(const std::string &name) {
  return (std::filesystem::path(IV_TEST_DATA) / "config" / name).string();
}

inline std::string ReadFileBytes(const std::filesystem::path &path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A kiosk folder with INI/ and Log/, the current directory while this lives.
class KioskFolder : public testing::CurrentTempFolder {
 public:
  KioskFolder() {
    std::filesystem::create_directory(Ini());
    std::filesystem::create_directory(Root() / "Log");
  }

  std::filesystem::path Root() const { return Path(); }
  std::filesystem::path Ini() const { return Root() / "INI"; }
  void AddIniFile(const std::string &dataFile, const std::string &name) const {
    // Removed first: MinGW's copy_file does not overwrite.
    std::filesystem::remove(Ini() / name);
    std::filesystem::copy_file(DataPath(dataFile), Ini() / name);
  }
  // The library's error log; "" while nothing was written.
  std::string ErrorLog() const { return ReadFileBytes(Root() / "Log" / "ErrorLog.txt"); }
};

class TestHost {
 public:
  TestHost() {
    vtbl_.TextToValue = &TextToValue;
    binding_ = {{&vtbl_, {}, 0, ""}, this};
  }
  TestHost(const TestHost &) = delete;
  TestHost &operator=(const TestHost &) = delete;

  THostServices *Services() { return &binding_.services; }

  std::vector<std::pair<std::int32_t, std::string>> calls;  // kind, text
  std::optional<IvVariant> answer;                            // its string: answerText
  std::string answerText;

 private:
  // The services object comes first, so the host finds itself from the pointer it is given.
  struct Binding {
    THostServices services;
    TestHost *owner;
  };

  static void IV_CALL TextToValue(THostServices *self, const char *text, std::int32_t kind,
                          IvVariant *out) {
    TestHost &host = *reinterpret_cast<Binding *>(self)->owner;
    host.calls.emplace_back(kind, text);
    *out = host.answer.value_or(IvVariant{});
    if (host.answer) {
      out->s = host.answerText.c_str();
    } else if (kind == 1) {
      *out = {IV_VAR_DOUBLE, 0, std::strtod(text, nullptr), nullptr};
    } else {
      *out = {IV_VAR_INT, std::strtoll(text, nullptr, 10), 0, nullptr};
    }
  }

  THostServicesVtbl vtbl_{};
  Binding binding_{};
};

}  // namespace iv::test
