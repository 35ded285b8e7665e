#pragma once
// The commands of the template language: the names tags give them and the arguments each takes,
// in the order a tag writes them. The painter cuts a tag's arguments with this table and reads each
// by its name, and the lint judges them by it, so the two read every tag alike.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "aatext/TextQuality.h"

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
  Quality,    // a name in kQualityLevels
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

// The table, in the open so that the painter's argument names are resolved while compiling: the
// argument lists the commands share, then one entry per command.
namespace command_table {

using Form = ArgumentForm;
inline constexpr CommandArgument kRed{"red", Form::Component}, kGreen{"green", Form::Component},
    kBlue{"blue", Form::Component};
inline constexpr std::array kSetFont{CommandArgument{"name", Form::Font}, kRed, kGreen, kBlue,
                                     CommandArgument{"size", Form::Integer}};
inline constexpr std::array kPicture{CommandArgument{"file", Form::Picture}};
inline constexpr std::array kForcePosition{CommandArgument{"x", Form::Integer}, CommandArgument{"y", Form::Integer}};
inline constexpr std::array kPosition{CommandArgument{"dx", Form::Integer}, CommandArgument{"dy", Form::Integer}};
inline constexpr std::array kColour{kRed, kGreen, kBlue};
inline constexpr std::array kLeft{CommandArgument{"left", Form::Digits}};
inline constexpr std::array kColumns{CommandArgument{"columns", Form::Digits}};
inline constexpr std::array kImage{CommandArgument{"x", Form::Integer}, CommandArgument{"y", Form::Integer},
                                   CommandArgument{"width", Form::Integer}, CommandArgument{"height", Form::Integer},
                                   CommandArgument{"file", Form::Picture}};
inline constexpr std::array kLines{CommandArgument{"lines", Form::Digits}};
inline constexpr std::array kNullDataInfo{CommandArgument{"text", Form::Text},
                                          CommandArgument{"x", Form::Integer},
                                          CommandArgument{"y", Form::Integer},
                                          CommandArgument{"font", Form::Font},
                                          CommandArgument{"size", Form::Integer},
                                          kRed,
                                          kGreen,
                                          kBlue};
inline constexpr std::array kQuality{CommandArgument{"level", Form::Quality}};

inline constexpr auto kCommands = std::to_array<TNamedCommand>({
    {"SETFONT", TCommand::SetFont, kSetFont},
    {"RESTOREOLDFONT", TCommand::RestoreOldFont, {}},
    {"PICTURE", TCommand::Picture, kPicture},
    {"FORCEPOSITION", TCommand::ForcePosition, kForcePosition},
    {"POSITION", TCommand::Position, kPosition},
    {"CHARCOLOR", TCommand::CharColor, kColour},
    {"DATACOLOR", TCommand::DataColor, kColour},
    {"LEFTDIST", TCommand::LeftDist, kLeft},
    {"FPT", TCommand::Fpt, {}},
    {"FPMX", TCommand::Fpmx, kColumns},
    {"FPW", TCommand::Fpw, {}},
    {"FPTEND", TCommand::FptEnd, {}},
    {"FPMXEND", TCommand::FpmxEnd, {}},
    {"FPWEND", TCommand::FpwEnd, {}},
    {"END", TCommand::End, {}},
    {"IMAGE", TCommand::Image, kImage},
    {"LINESPERPAGE", TCommand::LinesPerPage, kLines},
    {"NULLDATAINFO", TCommand::NullDataInfo, kNullDataInfo},
    {"PAGELEFT", TCommand::PageLeft, kLeft},
    {"LOCKEND", TCommand::LockEnd, {}},
    {"LOCK", TCommand::Lock, {}},
    {"QUALITY", TCommand::Quality, kQuality},
});

}  // namespace command_table

// Every command with its name and arguments.
constexpr std::span<const TNamedCommand> Commands() { return command_table::kCommands; }
std::string_view CommandName(TCommand command);
constexpr std::span<const CommandArgument> CommandArguments(TCommand command) {
  for (const TNamedCommand &named : Commands())
    if (named.command == command) return named.arguments;
  return {};
}

// The levels QUALITY's argument names, upper case, in the order the lint lists them.
struct QualityLevel {
  std::string_view name;
  TTextQuality quality;
};
inline constexpr std::array<QualityLevel, 4> kQualityLevels{
    {{"HIGH", tqHigh}, {"NORMAL", tqNormal}, {"LOW", tqLow}, {"NONE", tqNone}}};
std::optional<TTextQuality> FindQualityLevel(std::string_view upperName);

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

// Where the argument `name` stands among the command's arguments. Evaluated while compiling: a
// name the command does not have is no constant, so reading it does not compile.
consteval std::size_t ArgumentIndex(TCommand command, std::string_view name) {
  const std::span<const CommandArgument> arguments = CommandArguments(command);
  for (std::size_t i = 0; i < arguments.size(); ++i)
    if (arguments[i].name == name) return i;
  throw "the command has no argument of this name";
}

// An argument's name, turned into its place when compiling.
template <TCommand kCommand>
struct ArgumentName {
  // Implicit, so that a call reads Get("blue").
  consteval ArgumentName(const char *name) : index(ArgumentIndex(kCommand, name)) {}
  std::size_t index;
};

// A tag's cut arguments read by the names the table gives them, so that the painter follows the
// table when an entry's arguments are reordered.
template <TCommand kCommand>
class NamedArguments {
 public:
  // `values` as CutCommandArguments cuts them for kCommand, kept by the caller.
  explicit NamedArguments(std::span<const std::string> values) : values_(values) {}
  const std::string &Get(ArgumentName<kCommand> name) const { return values_[name.index]; }

 private:
  std::span<const std::string> values_;
};

}  // namespace iv
