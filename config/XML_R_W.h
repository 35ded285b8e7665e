#pragma once
// The cursor through which the system reads its XML configuration files.
#include <libxml/tree.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "config/xml_document.h"
#include "config/xml_error.h"

namespace iv {

// Owns one document and a stack of levels: the bottom level is the document's top-level node
// list, each entered element pushes its child list. Names, attribute values and texts are GBK
// and compared exactly. Elements may be appended in memory; nothing is ever written to disk.
// Navigation and reading before a successful LoadFile throw XmlLevelError.
class TXMLControl {
 public:
  TXMLControl();
  TXMLControl(const TXMLControl &) = delete;
  TXMLControl &operator=(const TXMLControl &) = delete;

  // Loads `path` (or keeps the document when the file is unchanged) and returns to the
  // document level. A missing or malformed file is logged and leaves everything as it was.
  void LoadFile(const std::string &path);

  // Enters the first element of that name that has child nodes; with `create`, an absent one
  // is appended and entered.
  bool EnterChild(const std::string &name, bool create);
  // Enters the first element of that name whose attribute equals `attributeValue`.
  bool EnterItem(const std::string &name, const std::string &attributeName,
                 const std::string &attributeValue, bool create);
  // Enters, one after the other, the elements of that name whose attribute reads 1, 2, ... n,
  // n being CountItems(name, attributeName), calls `visit` inside each and leaves it again. Each
  // number enters the first element that carries it; a number no element carries is skipped.
  // One walk of the level serves every number.
  void ForEachNumberedItem(const std::string &name, const std::string &attributeName,
                           const std::function<void()> &visit);
  // Goes back one level; true when the level now current holds any node.
  bool Leave();

  // The text of the first text element of that name with non-empty text, or "".
  std::string ReadText(const std::string &name);
  // Elements of that name that carry the attribute, whatever its value.
  std::int32_t CountItems(const std::string &name, const std::string &attributeName);

  void AppendItem(const std::string &name, const std::string &attributeName,
                  const std::string &attributeValue);
  // Appends an element and enters it.
  void AppendChild(const std::string &name);
  // Removes the first element of that name from the current level, if any.
  void DeleteChild(const std::string &name);

  // The line of the file where the element entered last starts; 0 on the document level.
  int CurrentLine() const;

  // Number of levels: 0 before the first successful LoadFile, then at least 1.
  std::int32_t Depth() const { return static_cast<std::int32_t>(levels_.size()); }

 private:
  xmlNode *DocumentLevel() const;
  xmlNode *CurrentLevel() const;
  xmlNode *AppendElement(const std::string &name);

  XmlDocPtr document_;
  // Each entry is the node whose children form that level (the document for entry 0).
  std::vector<xmlNode *> levels_;
  std::string file_path_;
  std::int64_t file_time_ = -1;
};

}  // namespace iv
