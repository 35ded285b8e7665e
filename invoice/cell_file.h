#pragma once
// Data files of an off-screen page: one cell per line, GBK, or UTF-8 after a byte-order mark.
#include <optional>
#include <string>
#include <vector>

namespace iv {

// The cells in GBK with their line ends (LF or CR LF) removed; nothing, with the reason in
// `reason`, when the file cannot be read or is in another encoding (UTF-16, UTF-8 without BOM).
// An empty path is an empty table.
std::optional<std::vector<std::string>> ReadCellFile(const std::string &path, std::string &reason);

}  // namespace iv
