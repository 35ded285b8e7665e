#include "checks/template/logged_error_explanation.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <vector>

#include "invoice/template_commands.h"
#include "platform/text/dbcs.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

constexpr std::size_t kQuotedBytes = 40;

// The start of a long element, cut between characters.
std::string Shortened(const std::string &text) {
  std::size_t end = 0;
  while (end < text.size() && end < kQuotedBytes) end += GbkCharSize(text, end);
  return end < text.size() ? text.substr(0, end) + "..." : text;
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string UnknownCommand(const std::string &name) {
  const std::string upper = UpperCaseGbk(name);
  const std::string trimmed = Trim(upper);
  if (trimmed == "NAME")
    return "this is the marker of the next invoice: the invoice before it has no <END()>, so its paint runs on "
           "into this one; end that invoice with <END()>";
  if (trimmed != upper && FindCommand(trimmed))
    return "\"" + name + "\" is not " + trimmed +
           ": names are not trimmed, so the blanks make it an unknown command; "
           "write " +
           trimmed;
  std::string_view nearest;
  std::size_t best = std::max<std::size_t>(1, upper.size() / 3) + 1;
  for (const TNamedCommand &command : Commands()) {
    const std::size_t distance = EditDistance(upper, command.name);
    if (distance < best) {
      best = distance;
      nearest = command.name;
    }
  }
  if (!nearest.empty()) return "unknown command; did you mean " + std::string(nearest) + "?";
  return "unknown command: no command has a name like it (the template language reference lists them)";
}

std::string TagFormat(const TemplateElement &tag) {
  const std::string &text = tag.text;
  if (text == "^") return "the file ends after a '^', which always opens markup: ^]...^] is a tag, ^[...^[ a field";
  if (text[0] == '^' && text[1] != ']')
    return "'" + text.substr(0, 2) + "' opens neither a tag (^]) nor a field (^[): a '^' cannot stand in text";
  if (!tag.closed)
    return "the tag " + Shortened(text) + " is not closed: the file ends before its " +
           (text[0] == '<' ? "'>'" : "']' or '>'");
  if (text[0] == '<' && text.back() == ']')
    return "the tag " + Shortened(text) + " opens with '<' and closes with ']': close it with '>'";
  return "the tag " + Shortened(text) +
         " has no '(': every command needs its parentheses, even without arguments, as in <FPT()>; and a '<' "
         "cannot stand in text";
}

}  // namespace

std::string ExplainLoggedError(const TemplateElement &element) {
  switch (element.kind) {
    case TemplateElement::Kind::EndOfFile:
      return "the invoice has no <END()> and the file ends after text: the kiosk reads one more tag there and finds "
             "the end of the file; end the invoice with <END()>";
    case TemplateElement::Kind::Field:
      if (!element.closed)
        return "the field is not closed: one opened with '{' ends at '}', one opened with '^[' at '^[', so the rest of "
               "the file was read into it";
      return "the field has no index or no width: write {label(index,width)}, such as {amount(3,10)}";
    case TemplateElement::Kind::Tag:
      if (const std::optional<TagParts> tag = SplitTag(element)) return UnknownCommand(tag->name);
      return TagFormat(element);
  }
  return {};
}

}  // namespace iv
