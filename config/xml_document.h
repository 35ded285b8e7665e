#pragma once
#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>

namespace iv {

struct XmlDocFree {
  void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocFree>;

// A new document with no content.
XmlDocPtr NewXmlDocument();

// Parses configuration XML safely: no network, no DTD loading, no entity substitution (a
// reference to a declared entity stays an unexpanded reference node), and whitespace-only
// text nodes removed. `undeclared` is the encoding of a document that declares none.
// Throws XmlLoadError when the bytes are not a well-formed document.
XmlDocPtr ParseXml(std::string_view bytes, std::string_view undeclared);

// Reads the whole file (its path resolved case-insensitively) and parses it.
// Throws XmlLoadError when the file is missing, unreadable or not well-formed.
XmlDocPtr ParseXmlFile(const std::string &path);

}  // namespace iv
