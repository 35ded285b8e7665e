#pragma once
// The commands of the template language: the names tags give them and the arguments each takes,
// in the order a tag writes them. The painter cuts a tag's arguments with this table and the lint
// judges them by it, so the two read every tag alike.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// What an argument's text must be for the command to use it as written.
enum class ArgumentForm : std::uint8_t {
  Text,       // anything
  Integer,    // a whole number
  Component,  // a whole number from 0 to 255
  Digits,     // digits only: everything else is dropped
  Quality,    // HIGH, NORMAL, LOW or NONE
  Picture,    // a file in the kiosk folder
  Font,       // a face name
};

struct CommandArgument {
  std::string_view name;
  ArgumentForm form;
};

struct TNamedCommand {
  std::string_view name;  // upper case
  TCommand command;
  std::span<const CommandArgument> arguments;
};
// Every command with its name and arguments.
std::span<const TNamedCommand> Commands();
std::string_view CommandName(TCommand command);
std::span<const CommandArgument> CommandArguments(TCommand command);

// The command an upper-cased tag name names exactly (names are not trimmed).
std::optional<TCommand> FindCommand(std::string_view upperName);

// A tag's argument text (everything after its '(') cut into the command's arguments: each but
// the last up to the next ',', the last up to the next ')'. A cut without its separator gives
// an empty argument and leaves the text for the next one.
struct CutArguments {
  std::vector<std::string> values;  // one per argument of the command
  bool commaMissing = false;        // a cut before the last found no ','
};
CutArguments CutCommandArguments(TCommand command, std::string text);

}  // namespace iv
