#include "config/XML_R_W.h"

#include <new>
#include <optional>
#include <unordered_map>

#include "config/error_log.h"
#include "config/xml_node.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"

namespace iv {

TXMLControl::TXMLControl() : document_(NewXmlDocument()) {}

xmlNode *TXMLControl::DocumentLevel() const { return reinterpret_cast<xmlNode *>(document_.get()); }

xmlNode *TXMLControl::CurrentLevel() const {
  if (levels_.empty()) throw XmlLevelError("no document level: nothing has been loaded");
  return levels_.back();
}

void TXMLControl::LoadFile(const std::string &path) {
  try {
    // Nothing loaded yet counts as a different path, so a first call always reads the file.
    if (file_path_.empty() || UpperCaseGbk(path) != UpperCaseGbk(file_path_)) {
      XmlDocPtr loaded = ParseXmlFile(path);
      levels_.clear();
      document_ = std::move(loaded);
      file_path_ = path;
    } else if (const auto time = ModificationTime(ResolvePath(path))) {
      if (*time != file_time_) {
        XmlDocPtr loaded = ParseXmlFile(path);
        levels_.clear();
        document_ = std::move(loaded);
      }
      file_path_ = path;
      file_time_ = *time;
    }
    levels_.assign(1, DocumentLevel());
  } catch (const XmlLoadError &) {
    WriteErrorLog(Gbk(u8"配置文件 ") + path + Gbk(u8" ,格式有错,请检查"));
  }
}

bool TXMLControl::EnterChild(const std::string &name, bool create) {
  const std::string wanted = GbkToUtf8(name);
  for (xmlNode *node = CurrentLevel()->children; node != nullptr; node = node->next) {
    if (IsElementNamed(node, wanted) && node->children != nullptr) {
      levels_.push_back(node);
      return true;
    }
  }
  if (!create) return false;
  AppendChild(name);
  return true;
}

bool TXMLControl::EnterItem(const std::string &name, const std::string &attributeName,
                            const std::string &attributeValue, bool create) {
  const std::string wanted = GbkToUtf8(name);
  const std::string attribute = GbkToUtf8(attributeName);
  const std::string value = GbkToUtf8(attributeValue);
  for (xmlNode *node = CurrentLevel()->children; node != nullptr; node = node->next) {
    if (IsElementNamed(node, wanted) && AttributeValue(node, attribute) == value) {
      levels_.push_back(node);
      return true;
    }
  }
  if (!create) return false;
  AppendItem(name, attributeName, attributeValue);
  return EnterItem(name, attributeName, attributeValue, false);
}

void TXMLControl::ForEachNumberedItem(const std::string &name, const std::string &attributeName,
                                      const std::function<void()> &visit) {
  const std::string wanted = GbkToUtf8(name);
  const std::string attribute = GbkToUtf8(attributeName);
  std::unordered_map<std::string, xmlNode *> firstWithValue;
  std::int32_t count = 0;
  for (xmlNode *node = CurrentLevel()->children; node != nullptr; node = node->next) {
    if (!IsElementNamed(node, wanted)) continue;
    if (std::optional<std::string> value = AttributeValue(node, attribute)) {
      ++count;
      firstWithValue.try_emplace(std::move(*value), node);
    }
  }
  for (std::int32_t number = 1; number <= count; ++number) {
    const auto found = firstWithValue.find(std::to_string(number));
    if (found == firstWithValue.end()) continue;
    levels_.push_back(found->second);
    visit();
    Leave();
  }
}

int TXMLControl::CurrentLine() const {
  return levels_.size() <= 1 ? 0 : static_cast<int>(xmlGetLineNo(levels_.back()));
}

bool TXMLControl::Leave() {
  if (levels_.size() <= 1) throw XmlLevelError("cannot leave the document level");
  levels_.pop_back();
  return levels_.back()->children != nullptr;
}

std::string TXMLControl::ReadText(const std::string &name) {
  const std::string wanted = GbkToUtf8(name);
  for (const xmlNode *node = CurrentLevel()->children; node != nullptr; node = node->next) {
    if (!IsElementNamed(node, wanted)) continue;
    const auto text = TextElementValue(node);
    if (text && !text->empty()) return Utf8ToGbk(*text);
  }
  return "";
}

std::int32_t TXMLControl::CountItems(const std::string &name, const std::string &attributeName) {
  const std::string wanted = GbkToUtf8(name);
  const std::string attribute = GbkToUtf8(attributeName);
  std::int32_t count = 0;
  for (const xmlNode *node = CurrentLevel()->children; node != nullptr; node = node->next) {
    if (IsElementNamed(node, wanted) && AttributeValue(node, attribute)) ++count;
  }
  return count;
}

xmlNode *TXMLControl::AppendElement(const std::string &name) {
  xmlNode *level = CurrentLevel();
  xmlNode *element =
      xmlNewDocNode(document_.get(), nullptr, BAD_CAST GbkToUtf8(name).c_str(), nullptr);
  if (element == nullptr) throw std::bad_alloc();
  xmlAddChild(level, element);
  return element;
}

void TXMLControl::AppendItem(const std::string &name, const std::string &attributeName,
                             const std::string &attributeValue) {
  xmlNode *element = AppendElement(name);
  xmlSetProp(element, BAD_CAST GbkToUtf8(attributeName).c_str(),
             BAD_CAST GbkToUtf8(attributeValue).c_str());
}

void TXMLControl::AppendChild(const std::string &name) { levels_.push_back(AppendElement(name)); }

void TXMLControl::DeleteChild(const std::string &name) {
  const std::string wanted = GbkToUtf8(name);
  for (xmlNode *node = CurrentLevel()->children; node != nullptr; node = node->next) {
    if (IsElementNamed(node, wanted)) {
      xmlUnlinkNode(node);
      xmlFreeNode(node);
      return;
    }
  }
}

}  // namespace iv
