#include "checks/template/element_problems.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "checks/template/command_arguments.h"
#include "invoice/field_text.h"
#include "invoice/template_commands.h"
#include "platform/text/dbcs.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

using Severity = Problem::Severity;

// A section or the line lock from where it was opened until what closes it.
struct OpenSpan {
  TCommand opener;
  TemplatePosition at;
};

bool IsDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
std::string DigitsRead(std::string_view text) { return std::to_string(DigitsValue(text)); }

class ElementChecker {
 public:
  void Tag(const TemplateElement &element) {
    const std::optional<TagParts> tag = SplitTag(element);
    if (!tag) return;
    const std::optional<TCommand> command = FindCommand(UpperCaseGbk(tag->name));
    if (!command) return;
    Structure(*command, element.at);
    if (*command == TCommand::Fpmx) {
      const std::vector<std::string> values = CutCommandArguments(TCommand::Fpmx, tag->arguments).values;
      detail_columns_ = DigitsValue(NamedArguments<TCommand::Fpmx>(values).Get("columns"));
    }
    for (Problem &problem : CheckCommandArguments(*command, tag->arguments, element.at))
      problems_.push_back(std::move(problem));
  }

  // Fields the control reads without a log record, though they are not what the author meant.
  void Field(const TemplateElement &field) {
    if (!field.closed) return;  // logged
    const std::string &text = field.text;
    if (const std::size_t lineEnd = FindCharGbk(text, '\n'); lineEnd != std::string::npos) {
      const auto lines = std::count(text.begin(), text.end(), '\n');
      Error(field.at, "the field is not closed on its line: it runs on to the closer on line " +
                          std::to_string(field.at.line + lines) +
                          ", so everything between becomes its label and is never drawn: close it on its line");
      return;
    }
    const std::size_t labelEnd = FindCharGbk(text, '(');
    if (const std::size_t inner = text.find_first_of("<{^", 1); inner != std::string::npos && inner < labelEnd) {
      Error(field.at, "the field's label runs over " + std::string(text[inner] == '<' ? "markup" : "another field") +
                          ", which is then never run or drawn: close the field before it");
      return;
    }
    const bool braces = text.front() == '{';
    if (braces != (text.back() == '}')) {
      Error(field.at, braces ? "the field opens with '{' and closes with '^[': write {label(index,width)}, or "
                               "^[label(index,width)^[, without mixing the two"
                             : "the field opens with '^[' and closes with '}': write ^[label(index,width)^[, or "
                               "{label(index,width)}, without mixing the two");
      return;  // its width cannot be told from its closer
    }
    // The width is what stands between the comma and the closer, its ')' included.
    const std::size_t open = FindCharGbk(text, '(');
    const std::size_t comma = open == std::string::npos ? open : FindCharGbk(text, ',', open);
    if (comma == std::string::npos) return;  // no index or width: logged
    const std::string width = text.substr(comma + 1, text.size() - comma - 1 - (braces ? 1 : 2));
    if (!width.empty() && width.find_first_of("0123456789") == std::string::npos) {
      Error(field.at,
            "the field has no width after its comma, so it shows nothing: write the width in bytes, "
            "such as " +
                text.substr(0, comma + 1) + "10" + (braces ? ")}" : ")^["));
      return;
    }
    // The control keeps the digits of both and drops the rest (blanks mean nothing either way).
    const std::string index = Trim(text.substr(open + 1, comma - open - 1));
    const bool pageField = UpperCaseGbk(index).find("PAGE") != std::string::npos;
    if (!pageField && !IsDigits(index))
      Error(field.at, "the field's index \"" + index + "\" is not a number: only its digits count, so it reads as " +
                          DigitsRead(index) + ": write the cell's number");
    // With a column count, a row's cells are its first cell's index plus the field's.
    if (!pageField && InDetail() && detail_columns_ > 0 && DigitsValue(index) >= detail_columns_)
      Error(field.at, "the field's index " + DigitsRead(index) + " is at or beyond the detail block's " +
                          std::to_string(detail_columns_) + " columns (FPMX(" + std::to_string(detail_columns_) +
                          ")), so each row shows a cell of the row after it: number the columns 0 to " +
                          std::to_string(detail_columns_ - 1) + ", or raise FPMX's count");
    const std::string widthText = Trim(width.substr(0, width.find_last_not_of(')') + 1));
    if (!IsDigits(std::string_view(widthText).substr(widthText.starts_with('-') ? 1 : 0)))
      Error(field.at, "the field's width \"" + widthText +
                          "\" is not a number: only its digits count, so it reads as " + DigitsRead(widthText) +
                          ": write the width in bytes, with '-' before it to align left");
  }

  // The end of what the paint reads: END, or the end of the file.
  void Finish() { CloseSection(std::nullopt); }

  std::vector<Problem> Take() { return std::move(problems_); }

 private:
  void Structure(TCommand command, TemplatePosition at) {
    switch (command) {
      case TCommand::Fpt:
      case TCommand::Fpmx:
      case TCommand::Fpw:
        CloseSection(command);
        section_ = OpenSpan{command, at};
        break;
      case TCommand::FptEnd:
      case TCommand::FpmxEnd:
      case TCommand::FpwEnd:
        if (section_ && EndOf(section_->opener) == command) section_.reset();
        break;
      case TCommand::End: CloseSection(command); break;
      case TCommand::Lock: lock_ = lock_.value_or(OpenSpan{command, at}); break;
      case TCommand::LockEnd: lock_.reset(); break;
      default: break;
    }
  }

  static TCommand EndOf(TCommand opener) {
    return opener == TCommand::Fpt ? TCommand::FptEnd : opener == TCommand::Fpmx ? TCommand::FpmxEnd : TCommand::FpwEnd;
  }
  static std::string TagOf(TCommand command) { return "<" + std::string(CommandName(command)) + "()>"; }

  // The section and the lock must be closed before `next` (a section, END, or the end of the file).
  void CloseSection(std::optional<TCommand> next) {
    const std::string before = next ? "before " + TagOf(*next) : "before the end of the file";
    if (section_) {
      const std::string end = TagOf(EndOf(section_->opener));
      if (section_->opener == TCommand::Fpmx)
        Error(section_->at, TagOf(TCommand::Fpmx) + " is not closed by " + end + " " + before +
                                ", so only the first detail row is drawn: end the detail line with " + end);
      else
        Warning(section_->at, TagOf(section_->opener) + " is not closed by " + end + " " + before + ": add " + end +
                                  " where the section ends");
    }
    if (lock_)
      Warning(lock_->at, "<LOCK()> is not closed by <LOCKEND()> " + before +
                             ", so line lock goes on: its lines are joined and drawn in one colour; add <LOCKEND()>");
    section_.reset();
    lock_.reset();
  }

  void Error(TemplatePosition at, std::string message) {
    problems_.push_back({Severity::Error, "", at.line, at.column, std::move(message)});
  }
  void Warning(TemplatePosition at, std::string message) {
    problems_.push_back({Severity::Warning, "", at.line, at.column, std::move(message)});
  }

  bool InDetail() const { return section_ && section_->opener == TCommand::Fpmx; }

  std::optional<OpenSpan> section_;
  std::int32_t detail_columns_ = 0;  // FPMX's count; 0: each field is a column
  std::optional<OpenSpan> lock_;
  std::vector<Problem> problems_;
};

}  // namespace

std::vector<Problem> CheckInvoiceElements(const std::vector<TemplateElement> &elements) {
  ElementChecker checker;
  for (const TemplateElement &element : elements) {
    if (element.kind == TemplateElement::Kind::Tag) checker.Tag(element);
    if (element.kind == TemplateElement::Kind::Field) checker.Field(element);
  }
  checker.Finish();
  return checker.Take();
}

}  // namespace iv
