#pragma once
// The commands of the template language, by the names tags give them.
#include <cstdint>
#include <optional>
#include <span>
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

struct TNamedCommand {
  std::string_view name;  // upper case
  TCommand command;
};
// Every command with its name.
std::span<const TNamedCommand> Commands();
std::string_view CommandName(TCommand command);

// The command an upper-cased tag name names exactly (names are not trimmed).
std::optional<TCommand> FindCommand(std::string_view upperName);

}  // namespace iv
