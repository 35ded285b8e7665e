#include "invoice/template_commands.h"

#include "platform/text/dbcs.h"
#include "platform/text/separated_fields.h"

namespace iv {

std::string_view CommandName(TCommand command) {
  for (const TNamedCommand &named : Commands())
    if (named.command == command) return named.name;
  return {};
}

std::optional<TCommand> FindCommand(std::string_view upperName) {
  for (const TNamedCommand &named : Commands())
    if (named.name == upperName) return named.command;
  return std::nullopt;
}

std::optional<TTextQuality> FindQualityLevel(std::string_view upperName) {
  for (const QualityLevel &level : kQualityLevels)
    if (level.name == upperName) return level.quality;
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
