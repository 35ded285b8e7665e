#pragma once
// The kiosk's settings files (Sys.xml, SCConf.xml, FormatShow.ini, print.ini) are a few
// kilobytes on any real kiosk. One far larger is a fault or an attack: it is refused as
// unreadable, with a record in the library's log that names it and its size.
#include <cstddef>
#include <optional>
#include <string>

namespace iv {

inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{16} << 20;

// Whether the file at `path` holds more than kMaxSettingsFileBytes, which no reader takes.
bool SettingsFileTooLarge(const std::string &path);

// The bytes of a settings file; nothing when it is missing, not a regular file, unreadable
// or above kMaxSettingsFileBytes.
std::optional<std::string> ReadSettingsFile(const std::string &path);

}  // namespace iv
