#pragma once
// The markup elements of an invoice in the order the invoice control reads them when it paints:
// from just after the invoice's marker up to its END (or the end of the file), each tag and data
// field where it starts, as written. The lint judges and explains them without painting.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "invoice/template_reader.h"

namespace iv {

struct TemplateElement {
  enum class Kind : std::uint8_t {
    Tag,    // opened by '<' or "^]", or by a '^' before anything else (a format error)
    Field,  // opened by '{' or "^["
    // Text runs to the end of the file: the control reads one more element there, and finds
    // none (a format error at the end of the file).
    EndOfFile,
  };
  Kind kind = Kind::Tag;
  TemplatePosition at;
  std::string text;  // GBK, from the opener to the closer, or to the end of the file
  bool closed = false;
};

// A well-formed tag split as the control splits it: the name as written and the arguments,
// everything after the '('.
struct TagParts {
  std::string name;
  std::string arguments;
};
// Nothing for a tag the control logs as a format error (not closed, the wrong closer, no '(').
std::optional<TagParts> SplitTag(const TemplateElement &tag);

// Reads on from where `reader` stands, just after an invoice's marker.
std::vector<TemplateElement> ReadInvoiceElements(TemplateReader &reader);

}  // namespace iv
