#include "config/xml_node.h"

#include <string_view>

namespace iv {
namespace {

const char *Chars(const xmlChar *text) { return reinterpret_cast<const char *>(text); }

// Whether `ns` and `name` make the qualified name `qualified`. Compared in place: a large
// document's levels are walked element by element and attribute by attribute.
bool IsQualifiedName(const xmlNs *ns, const xmlChar *name, std::string_view qualified) {
  if (name == nullptr) return false;
  if (ns != nullptr && ns->prefix != nullptr) {
    const std::string_view prefix = Chars(ns->prefix);
    if (!qualified.starts_with(prefix) || qualified.substr(prefix.size(), 1) != ":") return false;
    qualified.remove_prefix(prefix.size() + 1);
  }
  return qualified == Chars(name);
}

}  // namespace

bool IsElementNamed(const xmlNode *node, const std::string &name) {
  return node != nullptr && node->type == XML_ELEMENT_NODE && IsQualifiedName(node->ns, node->name, name);
}

std::optional<std::string> AttributeValue(const xmlNode *element, const std::string &name) {
  if (element == nullptr || element->type != XML_ELEMENT_NODE) return std::nullopt;
  for (const xmlAttr *attribute = element->properties; attribute != nullptr; attribute = attribute->next) {
    if (!IsQualifiedName(attribute->ns, attribute->name, name)) continue;
    std::string value;
    for (const xmlNode *part = attribute->children; part != nullptr; part = part->next) {
      if (part->type == XML_TEXT_NODE && part->content != nullptr) value += Chars(part->content);
    }
    return value;
  }
  return std::nullopt;
}

std::optional<std::string> TextElementValue(const xmlNode *node) {
  if (node == nullptr || node->type != XML_ELEMENT_NODE) return std::nullopt;
  const xmlNode *child = node->children;
  if (child == nullptr || child->next != nullptr || child->type != XML_TEXT_NODE) {
    return std::nullopt;
  }
  return std::string(child->content != nullptr ? Chars(child->content) : "");
}

}  // namespace iv
