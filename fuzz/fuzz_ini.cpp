// Settings files of any bytes: reading them never fails, overruns or hangs.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/ini/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);
  const iv::IniFile ini(bytes);
  // Names from the input itself reach sections and keys that exist in it.
  const std::string_view name = bytes.substr(0, std::min<std::size_t>(size, 12));
  for (std::string_view section : {std::string_view("s"), name}) {
    ini.ReadString(section, "k", "default");
    ini.ReadString(section, name, "");
    ini.ReadInteger(section, "0", -1);
    ini.ReadNumberedList(section);
  }
  return 0;
}
