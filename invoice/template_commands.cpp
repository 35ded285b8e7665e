#include "invoice/template_commands.h"

#include <array>

namespace iv {

std::span<const TNamedCommand> Commands() {
  static constexpr std::array<TNamedCommand, 22> kCommands{{
      {"SETFONT", TCommand::SetFont},
      {"RESTOREOLDFONT", TCommand::RestoreOldFont},
      {"PICTURE", TCommand::Picture},
      {"FORCEPOSITION", TCommand::ForcePosition},
      {"POSITION", TCommand::Position},
      {"CHARCOLOR", TCommand::CharColor},
      {"DATACOLOR", TCommand::DataColor},
      {"LEFTDIST", TCommand::LeftDist},
      {"FPT", TCommand::Fpt},
      {"FPMX", TCommand::Fpmx},
      {"FPW", TCommand::Fpw},
      {"FPTEND", TCommand::FptEnd},
      {"FPMXEND", TCommand::FpmxEnd},
      {"FPWEND", TCommand::FpwEnd},
      {"END", TCommand::End},
      {"IMAGE", TCommand::Image},
      {"LINESPERPAGE", TCommand::LinesPerPage},
      {"NULLDATAINFO", TCommand::NullDataInfo},
      {"PAGELEFT", TCommand::PageLeft},
      {"LOCKEND", TCommand::LockEnd},
      {"LOCK", TCommand::Lock},
      {"QUALITY", TCommand::Quality},
  }};
  return kCommands;
}

std::string_view CommandName(TCommand command) {
  for (const auto &[name, named] : Commands())
    if (named == command) return name;
  return {};
}

std::optional<TCommand> FindCommand(std::string_view upperName) {
  for (const auto &[name, command] : Commands())
    if (name == upperName) return command;
  return std::nullopt;
}

}  // namespace iv
