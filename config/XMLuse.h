#pragma once
// A second holder of one XML document with its root element, kept for readers outside this
// library.
#include <libxml/tree.h>

#include <cstdint>
#include <string>

#include "config/xml_document.h"

namespace iv {

class TXMLuse {
 public:
  // `source` is a file path, or "!" followed by the document text itself. An empty source
  // with a root name starts a new document (declared encoding GB2312) with that root.
  // Failures are swallowed: the document then stays empty and there is no root.
  TXMLuse(const std::string &source, const std::string &rootName, const std::string &pathDelimiter,
          std::uint8_t flag, const std::string &extra);
  TXMLuse(const TXMLuse &) = delete;
  TXMLuse &operator=(const TXMLuse &) = delete;

  xmlDoc *Document() const { return document_.get(); }
  // The root element, or nullptr when nothing was loaded or created.
  xmlNode *Root() const { return root_; }

  // Settings given at creation, kept unchanged for the document's readers.
  const std::string PathDelimiter;
  const std::uint8_t Flag;
  const std::string Extra;

 private:
  XmlDocPtr document_;
  xmlNode *root_ = nullptr;
};

}  // namespace iv
