#include "config/xml_node.h"

#include <string_view>

namespace iv {
namespace {

const char *Chars(const xmlChar *text) { return reinterpret_cast<const char *>(text); }

std::string QualifiedName(const xmlNs *ns, const xmlChar *name) {
  std::string out;
  if (ns != nullptr && ns->prefix != nullptr) out = std::string(Chars(ns->prefix)) + ':';
  out += Chars(name);
  return out;
}

}  // namespace

std::optional<std::string> ElementName(const xmlNode *node) {
  if (node == nullptr || node->type != XML_ELEMENT_NODE || node->name == nullptr) {
    return std::nullopt;
  }
  return QualifiedName(node->ns, node->name);
}

bool IsElementNamed(const xmlNode *node, const std::string &name) {
  // Compared in place: levels of a large document are walked element by element.
  if (node == nullptr || node->type != XML_ELEMENT_NODE || node->name == nullptr) return false;
  std::string_view rest = name;
  if (node->ns != nullptr && node->ns->prefix != nullptr) {
    const std::string_view prefix = Chars(node->ns->prefix);
    if (!rest.starts_with(prefix) || rest.substr(prefix.size(), 1) != ":") return false;
    rest.remove_prefix(prefix.size() + 1);
  }
  return rest == Chars(node->name);
}

std::optional<std::string> AttributeValue(const xmlNode *element, const std::string &name) {
  if (element == nullptr || element->type != XML_ELEMENT_NODE) return std::nullopt;
  for (const xmlAttr *attribute = element->properties; attribute != nullptr;
       attribute = attribute->next) {
    if (attribute->name == nullptr || QualifiedName(attribute->ns, attribute->name) != name) {
      continue;
    }
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
