#include "invoice/template_commands.h"

#include <array>
#include <utility>

namespace iv {

std::optional<TCommand> FindCommand(std::string_view upperName) {
  static constexpr std::array<std::pair<std::string_view, TCommand>, 22> kCommands{{
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
  for (const auto &[name, command] : kCommands)
    if (name == upperName) return command;
  return std::nullopt;
}

}  // namespace iv
