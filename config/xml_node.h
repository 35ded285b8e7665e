#pragma once
// What the configuration walk asks of a DOM node. Names and texts here are UTF-8, as libxml2
// holds them.
#include <libxml/tree.h>

#include <optional>
#include <string>

namespace iv {

// Whether the node is an element of that qualified name ("prefix:name" or "name").
bool IsElementNamed(const xmlNode *node, const std::string &name);

// The value of the element's attribute with that qualified name, or nullopt when absent.
// References to declared entities are never expanded, so they contribute nothing.
std::optional<std::string> AttributeValue(const xmlNode *element, const std::string &name);

// The text of a text element: an element whose only child is one text node. A character-data
// section, an entity reference or several children do not qualify.
std::optional<std::string> TextElementValue(const xmlNode *node);

}  // namespace iv
