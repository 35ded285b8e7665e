#include "config/XMLuse.h"

#include <exception>

#include "platform/text/gbk.h"
#include "platform/text/trim.h"

namespace iv {

TXMLuse::TXMLuse(const std::string &source, const std::string &rootName,
                 const std::string &pathDelimiter, std::uint8_t flag, const std::string &extra)
    : PathDelimiter(pathDelimiter), Flag(flag), Extra(extra), document_(NewXmlDocument()) {
  try {
    if (source.empty() && !rootName.empty()) {
      document_->encoding = xmlStrdup(BAD_CAST "GB2312");
      root_ =
          xmlNewDocNode(document_.get(), nullptr, BAD_CAST GbkToUtf8(rootName).c_str(), nullptr);
      xmlDocSetRootElement(document_.get(), root_);
    } else if (!Trim(source).empty()) {
      // A text given in place of a path is the system's own GBK unless it declares otherwise.
      document_ = source.front() == '!' ? ParseXml(std::string_view(source).substr(1), "GBK")
                                        : ParseXmlFile(source);
      root_ = xmlDocGetRootElement(document_.get());
    }
  } catch (const std::exception &) {
    // The holder is optional configuration: whatever failed simply leaves it empty.
  }
}

}  // namespace iv
