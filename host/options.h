#pragma once
#include <optional>
#include <string>
#include <vector>

namespace iv::host {

struct Options {
  std::string plugin;
  std::string kiosk;
  std::string businessKey;
  std::string dataFile;
  std::string skins;
  std::string printOut;
  std::string snapshotDir;
  bool headless = false;
  bool help = false;
  bool version = false;
  std::vector<std::string> keys;
  int calls = 1;
};

inline constexpr const char *kUsage =
    "usage: kiosk-host [--plugin SO] [--kiosk DIR] [--business-key KEY] [--data FILE] "
    "[--skins DIR] [--print-out FILE] [--headless] [--keys LIST] [--snapshot-dir DIR] "
    "[--calls N] [--version]\n"
    "  keys: Up, Down, Enter, Escape, Tab, ClickReturn, ClickPrint, Snap (comma-separated, any letter case)\n";

// Parses the arguments after the program's name; on a usage error returns nothing and sets `error`.
std::optional<Options> ParseOptions(const std::vector<std::string> &arguments, std::string &error);

}  // namespace iv::host
