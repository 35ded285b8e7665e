#include "invoice/template_commands.h"

#include <array>

#include "platform/text/dbcs.h"
#include "platform/text/separated_fields.h"

namespace iv {
namespace {

using Form = ArgumentForm;
constexpr CommandArgument kRed{"red", Form::Component}, kGreen{"green", Form::Component},
    kBlue{"blue", Form::Component};
constexpr std::array kSetFont{CommandArgument{"name", Form::Font}, kRed, kGreen, kBlue,
                              CommandArgument{"size", Form::Integer}};
constexpr std::array kPicture{CommandArgument{"file", Form::Picture}};
constexpr std::array kForcePosition{CommandArgument{"x", Form::Integer}, CommandArgument{"y", Form::Integer}};
constexpr std::array kPosition{CommandArgument{"dx", Form::Integer}, CommandArgument{"dy", Form::Integer}};
constexpr std::array kColour{kRed, kGreen, kBlue};
constexpr std::array kLeft{CommandArgument{"left", Form::Digits}};
constexpr std::array kColumns{CommandArgument{"columns", Form::Digits}};
constexpr std::array kImage{CommandArgument{"x", Form::Integer}, CommandArgument{"y", Form::Integer},
                            CommandArgument{"width", Form::Integer}, CommandArgument{"height", Form::Integer},
                            CommandArgument{"file", Form::Picture}};
constexpr std::array kLines{CommandArgument{"lines", Form::Digits}};
constexpr std::array kNullDataInfo{CommandArgument{"text", Form::Text},
                                   CommandArgument{"x", Form::Integer},
                                   CommandArgument{"y", Form::Integer},
                                   CommandArgument{"font", Form::Font},
                                   CommandArgument{"size", Form::Integer},
                                   kRed,
                                   kGreen,
                                   kBlue};
constexpr std::array kQuality{CommandArgument{"level", Form::Quality}};

}  // namespace

std::span<const TNamedCommand> Commands() {
  static constexpr std::array<TNamedCommand, 22> kCommands{{
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
  }};
  return kCommands;
}

std::string_view CommandName(TCommand command) {
  for (const TNamedCommand &named : Commands())
    if (named.command == command) return named.name;
  return {};
}

std::span<const CommandArgument> CommandArguments(TCommand command) {
  for (const TNamedCommand &named : Commands())
    if (named.command == command) return named.arguments;
  return {};
}

std::optional<TCommand> FindCommand(std::string_view upperName) {
  for (const TNamedCommand &named : Commands())
    if (named.name == upperName) return named.command;
  return std::nullopt;
}

CutArguments CutCommandArguments(TCommand command, std::string text) {
  const std::size_t count = CommandArguments(command).size();
  CutArguments cut;
  for (std::size_t i = 0; i < count; ++i) {
    const bool last = i + 1 == count;
    cut.commaMissing = cut.commaMissing || (!last && FindCharGbk(text, ',') == std::string::npos);
    cut.values.push_back(CutAtSeparator(last ? ')' : ',', text));
  }
  return cut;
}

}  // namespace iv
