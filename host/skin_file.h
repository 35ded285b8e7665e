#pragma once
// Where kiosk-host finds a skin: NAME.png, NAME.jpg or NAME.bmp in the skins folder, the first
// that exists (letter case resolved).
#include <optional>
#include <string>

namespace iv::host {

std::optional<std::string> FindSkinFile(const std::string &folder, const std::string &name);

}  // namespace iv::host
