#pragma once
// The commands of the template language, by the names tags give them.
#include <cstdint>
#include <optional>
#include <string_view>

namespace iv {

enum class TCommand : std::uint8_t {
  SetFont,
  RestoreOldFont,
  Picture,
  ForcePosition,
  Position,
  CharColor,
  DataColor,
  LeftDist,
  Fpt,
  Fpmx,
  Fpw,
  FptEnd,
  FpmxEnd,
  FpwEnd,
  End,
  Image,
  LinesPerPage,
  NullDataInfo,
  PageLeft,
  LockEnd,
  Lock,
  Quality,
};

// The command an upper-cased tag name names exactly (names are not trimmed).
std::optional<TCommand> FindCommand(std::string_view upperName);

}  // namespace iv
