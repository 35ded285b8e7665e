#include "host/options.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>

#include "platform/fs/command_line.h"
#include "platform/text/dbcs.h"
#include "platform/text/trim.h"

namespace iv::host {
namespace {

const std::vector<std::string> kKeyNames = {"Up",  "Down",        "Enter",      "Escape",
                                            "Tab", "ClickReturn", "ClickPrint", "Snap"};

// Names are taken in any letter case, with blanks around them: "down, enter" is Down,Enter.
bool ParseKeys(const std::string &list, std::vector<std::string> &keys, std::string &error) {
  std::stringstream stream(list);
  std::string item;
  while (std::getline(stream, item, ',')) {
    const std::string key = Trim(item);
    if (key.empty()) continue;
    const auto known = std::find_if(kKeyNames.begin(), kKeyNames.end(),
                                    [&](const std::string &name) { return SameTextGbk(name, key); });
    if (known == kKeyNames.end()) {
      error = "unknown key: " + key;
      return false;
    }
    keys.push_back(*known);
  }
  return true;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string> &arguments, std::string &error) {
  Options options;
  const std::map<std::string, std::string *> valued = {
      {"--plugin", &options.plugin},      {"--kiosk", &options.kiosk},
      {"--business-key", &options.businessKey}, {"--data", &options.dataFile},
      {"--skins", &options.skins},        {"--print-out", &options.printOut},
      {"--snapshot-dir", &options.snapshotDir}};
  const std::map<std::string, bool *> flags = {
      {"--headless", &options.headless}, {"--help", &options.help}, {"--version", &options.version}};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string &arg = arguments[i];
    if (auto it = flags.find(arg); it != flags.end()) {
      *it->second = true;
      continue;
    }
    if (i + 1 >= arguments.size()) {
      error = valued.count(arg) || arg == "--keys" || arg == "--calls" ? "missing value for " + arg
                                                                       : "unknown option: " + arg;
      return std::nullopt;
    }
    const std::string &value = arguments[++i];
    if (auto it = valued.find(arg); it != valued.end()) {
      *it->second = NameArgument(value);  // all of them name files, folders or the key
    } else if (arg == "--keys") {
      if (!ParseKeys(value, options.keys, error)) return std::nullopt;
    } else if (arg == "--calls") {
      char *end = nullptr;
      long calls = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || calls < 0 || calls > 1000000) {
        error = "--calls takes a whole number from 0";
        return std::nullopt;
      }
      options.calls = static_cast<int>(calls);
    } else {
      error = "unknown option: " + arg;
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace iv::host
