#pragma once
// One markup element of a template as the painter reads it, and a tag split as the painter
// splits it. The lint reads templates with the same functions, so what it judges is what the
// kiosk paints.
#include <cstdint>
#include <optional>
#include <string>

#include "invoice/template_reader.h"

namespace iv {

struct TemplateElement {
  enum class Kind : std::uint8_t {
    Tag,    // opened by '<' or "^]", or by a '^' before anything else (a format error)
    Field,  // opened by '{' or "^["
    // Text runs to the end of the file: the painter reads one more element there, and finds
    // none (a format error at the end of the file).
    EndOfFile,
  };
  Kind kind = Kind::Tag;
  TemplatePosition at;
  std::string text;  // GBK, from the opener to the closer, or to the end of the file
  bool closed = false;
};

// Reads the rest of the element whose opener ('<', '^' or '{', at `at`) was read last: up to and
// with the first closer that is not the second byte of a double-byte character ('>' or ']' for
// a tag, '}' or '[' for a field). A '^' at the end of the file is an element of its own.
TemplateElement ReadElement(TemplateReader &reader, char opener, TemplatePosition at);

// A well-formed tag split as the painter splits it: the name as written and the arguments,
// everything after the '('.
struct TagParts {
  std::string name;
  std::string arguments;
};
// Nothing for a tag the painter logs as a format error (not closed, the wrong closer, no '(').
std::optional<TagParts> SplitTag(const TemplateElement &tag);

}  // namespace iv
