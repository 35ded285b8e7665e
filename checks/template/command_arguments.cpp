#include "checks/template/command_arguments.h"

#include <algorithm>

#include "checks/template/installed_faces.h"
#include "invoice/field_text.h"
#include "invoice/kiosk_file.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

using Accepts = ArgumentForm;

std::string NameOf(TCommand command) { return std::string(CommandName(command)); }

// The form a tag of the command takes with all its arguments: SETFONT(name,red,green,blue,size).
std::string Signature(TCommand command) {
  std::string signature = NameOf(command) + "(";
  for (const CommandArgument &argument : CommandArguments(command))
    signature += (signature.ends_with("(") ? "" : ",") + std::string(argument.name);
  return signature + ")";
}

// "HIGH, NORMAL, LOW or NONE".
std::string QualityLevelNames() {
  std::string names;
  for (const QualityLevel &level : kQualityLevels)
    names += (names.empty() ? "" : &level == &kQualityLevels.back() ? " or " : ", ") + std::string(level.name);
  return names;
}

bool IsInteger(std::string_view text) { return StrToIntDef(text, 0) == StrToIntDef(text, 1); }

class ArgumentChecker {
 public:
  ArgumentChecker(TCommand command, TemplatePosition at) : command_(command), at_(at) {}

  void Check(const CommandArgument &argument, const std::string &value) {
    if (value.empty() || argument.form == Accepts::Text) return;
    const std::string what = NameOf(command_) + "'s " + std::string(argument.name) + " \"" + value + "\"";
    switch (argument.form) {
      case Accepts::Integer:
      case Accepts::Component:
        if (!IsInteger(value)) {
          Error(what + " is not a whole number, so the command takes its default instead: write a number such as " +
                (argument.form == Accepts::Component ? "0 to 255" : "12") + ", with no blank after it");
        } else if (const std::int32_t component = StrToIntDef(value, 0);
                   argument.form == Accepts::Component && (component < 0 || component > 255)) {
          Error(what + " is no colour component: only its low 8 bits count, so it reads as " +
                std::to_string(component & 0xFF) + "; write 0 to 255");
        }
        break;
      case Accepts::Digits:
        if (std::any_of(value.begin(), value.end(), [](char c) { return c != ' ' && (c < '0' || c > '9'); }))
          Error(what + " has more than digits: everything but the digits is dropped, so it reads as " +
                KeepDigits(value) + "; write digits only, without a sign");
        break;
      case Accepts::Quality:
        if (!FindQualityLevel(UpperCaseGbk(value)))
          Error(what + " is no quality, so the command changes nothing: write " + QualityLevelNames());
        break;
      case Accepts::Picture: {
        // IMAGE trims its file name, PICTURE does not; both resolve it in the kiosk folder.
        const std::string file = command_ == TCommand::Image ? Trim(value) : value;
        if (!FileExists(KioskFile(file)))
          Warning("picture " + file +
                  " is not in the kiosk folder (the current directory), so the kiosk draws "
                  "nothing for it: check the name, or run the lint in the kiosk folder");
        break;
      }
      case Accepts::Font:
        if (const std::optional<std::string> face = FallbackFaceOnly(value))
          Warning(value + ": no installed face has this name; drawn with " + *face +
                  ": check the name, or map it to an installed face (invoice-render --fonts shows the faces used)");
        break;
      case Accepts::Text: break;
    }
  }
  void Error(std::string message) { Add(Problem::Severity::Error, std::move(message)); }
  void Warning(std::string message) { Add(Problem::Severity::Warning, std::move(message)); }
  std::vector<Problem> Take() { return std::move(problems_); }

 private:
  void Add(Problem::Severity severity, std::string message) {
    problems_.push_back({severity, "", at_.line, at_.column, std::move(message)});
  }

  TCommand command_;
  TemplatePosition at_;
  std::vector<Problem> problems_;
};

}  // namespace

std::vector<Problem> CheckCommandArguments(TCommand command, std::string arguments, TemplatePosition at) {
  const std::span<const CommandArgument> expected = CommandArguments(command);
  ArgumentChecker checker(command, at);
  if (expected.empty()) return {};
  const CutArguments cut = CutCommandArguments(command, std::move(arguments));
  const std::vector<std::string> &values = cut.values;
  // Text left for a later argument: <FORCEPOSITION(60)> sets y, not x.
  const bool moved =
      cut.commaMissing && !std::all_of(values.begin(), values.end(), [](const std::string &v) { return v.empty(); });
  if (moved) {
    std::string read;
    for (std::size_t i = 0; i < expected.size(); ++i)
      if (!values[i].empty())
        read += (read.empty() ? "" : ", ") + std::string(expected[i].name) + " \"" + values[i] + "\"";
    checker.Error(NameOf(command) + " reads its arguments as " + Signature(command) +
                  ", and a missing comma leaves an argument empty and moves the text on: here it reads " + read +
                  "; write every comma");
  }
  for (std::size_t i = 0; i < expected.size(); ++i) checker.Check(expected[i], values[i]);
  return checker.Take();
}

}  // namespace iv
