#include "tools/invoice_render/command_arguments.h"

#include <algorithm>
#include <map>

#include "invoice/field_text.h"
#include "invoice/kiosk_file.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"
#include "platform/text/separated_fields.h"
#include "platform/text/trim.h"
#include "tools/invoice_render/installed_faces.h"

namespace iv {
namespace {

enum class Accepts : std::uint8_t {
  Text,       // anything
  Integer,    // a whole number
  Component,  // a whole number from 0 to 255
  Digits,     // digits only: everything else is dropped
  Quality,    // HIGH, NORMAL, LOW or NONE
  Picture,    // a file in the kiosk folder
  Font,       // a face name
};

struct Argument {
  const char *name;
  Accepts accepts;
};

using Arguments = std::vector<Argument>;

const Arguments &ArgumentsOf(TCommand command) {
  static const Arguments kNone;
  static const Arguments kColour{{"red", Accepts::Component}, {"green", Accepts::Component}, {"blue", Accepts::Component}};
  static const std::map<TCommand, Arguments> kArguments{
      {TCommand::SetFont,
       {{"name", Accepts::Font}, kColour[0], kColour[1], kColour[2], {"size", Accepts::Integer}}},
      {TCommand::Picture, {{"file", Accepts::Picture}}},
      {TCommand::ForcePosition, {{"x", Accepts::Integer}, {"y", Accepts::Integer}}},
      {TCommand::Position, {{"dx", Accepts::Integer}, {"dy", Accepts::Integer}}},
      {TCommand::CharColor, kColour},
      {TCommand::DataColor, kColour},
      {TCommand::LeftDist, {{"left", Accepts::Digits}}},
      {TCommand::Fpmx, {{"columns", Accepts::Digits}}},
      {TCommand::Image,
       {{"x", Accepts::Integer},
        {"y", Accepts::Integer},
        {"width", Accepts::Integer},
        {"height", Accepts::Integer},
        {"file", Accepts::Picture}}},
      {TCommand::LinesPerPage, {{"lines", Accepts::Digits}}},
      {TCommand::NullDataInfo,
       {{"text", Accepts::Text},
        {"x", Accepts::Integer},
        {"y", Accepts::Integer},
        {"font", Accepts::Font},
        {"size", Accepts::Integer},
        kColour[0],
        kColour[1],
        kColour[2]}},
      {TCommand::PageLeft, {{"left", Accepts::Digits}}},
      {TCommand::Quality, {{"level", Accepts::Quality}}},
  };
  const auto found = kArguments.find(command);
  return found == kArguments.end() ? kNone : found->second;
}

std::string NameOf(TCommand command) { return std::string(CommandName(command)); }

// The form a tag of the command takes with all its arguments: SETFONT(name,red,green,blue,size).
std::string Signature(TCommand command) {
  std::string signature = NameOf(command) + "(";
  for (const Argument &argument : ArgumentsOf(command))
    signature += (signature.ends_with("(") ? "" : ",") + std::string(argument.name);
  return signature + ")";
}

bool IsInteger(std::string_view text) { return StrToIntDef(text, 0) == StrToIntDef(text, 1); }

class ArgumentChecker {
 public:
  ArgumentChecker(TCommand command, TemplatePosition at) : command_(command), at_(at) {}

  void Check(const Argument &argument, const std::string &value) {
    if (value.empty() || argument.accepts == Accepts::Text) return;
    const std::string what = NameOf(command_) + "'s " + argument.name + " \"" + value + "\"";
    switch (argument.accepts) {
      case Accepts::Integer:
      case Accepts::Component:
        if (!IsInteger(value)) {
          Error(what + " is not a whole number, so the command takes its default instead: write a number such as " +
                (argument.accepts == Accepts::Component ? "0 to 255" : "12") + ", with no blank after it");
        } else if (const std::int32_t component = StrToIntDef(value, 0);
                   argument.accepts == Accepts::Component && (component < 0 || component > 255)) {
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
        if (const std::string level = UpperCaseGbk(value);
            level != "HIGH" && level != "NORMAL" && level != "LOW" && level != "NONE")
          Error(what + " is no quality, so the command changes nothing: write HIGH, NORMAL, LOW or NONE");
        break;
      case Accepts::Picture: {
        // IMAGE trims its file name, PICTURE does not; both resolve it in the kiosk folder.
        const std::string file = command_ == TCommand::Image ? Trim(value) : value;
        if (!FileExists(KioskFile(file)))
          Warning("picture " + file + " is not in the kiosk folder (the current directory), so the kiosk draws "
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
  void Error(std::string message) { Add(TemplateProblem::Severity::Error, std::move(message)); }
  void Warning(std::string message) { Add(TemplateProblem::Severity::Warning, std::move(message)); }
  std::vector<TemplateProblem> Take() { return std::move(problems_); }

 private:
  void Add(TemplateProblem::Severity severity, std::string message) {
    problems_.push_back({severity, at_, std::move(message), {}});
  }

  TCommand command_;
  TemplatePosition at_;
  std::vector<TemplateProblem> problems_;
};

}  // namespace

std::vector<TemplateProblem> CheckCommandArguments(TCommand command, std::string arguments, TemplatePosition at) {
  const Arguments &expected = ArgumentsOf(command);
  ArgumentChecker checker(command, at);
  if (expected.empty()) return {};
  // Cut as the control cuts them: all but the last at the next ',', the last at the next ')'.
  std::vector<std::string> values;
  bool commaMissing = false;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const bool last = i + 1 == expected.size();
    commaMissing = commaMissing || (!last && FindCharGbk(arguments, ',') == std::string::npos);
    values.push_back(CutAtSeparator(last ? ')' : ',', arguments));
  }
  // Text left for a later argument: <FORCEPOSITION(60)> sets y, not x.
  const bool moved = commaMissing && !std::all_of(values.begin(), values.end(), [](const std::string &v) { return v.empty(); });
  if (moved) {
    std::string read;
    for (std::size_t i = 0; i < expected.size(); ++i)
      if (!values[i].empty()) read += (read.empty() ? "" : ", ") + std::string(expected[i].name) + " \"" + values[i] + "\"";
    checker.Error(NameOf(command) + " reads its arguments as " + Signature(command) +
                  ", and a missing comma leaves an argument empty and moves the text on: here it reads " + read +
                  "; write every comma");
  }
  for (std::size_t i = 0; i < expected.size(); ++i) checker.Check(expected[i], values[i]);
  return checker.Take();
}

}  // namespace iv
