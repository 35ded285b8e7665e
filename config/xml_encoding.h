#pragma once
#include <string>
#include <string_view>

namespace iv {

// The encoding to hand the parser for a document of these bytes, or "" to let the parser
// follow the document's own declaration. GB2312 files from Windows kiosks routinely hold
// GBK-only characters, so that family is always decoded as GBK. A document that declares
// nothing is decoded as `undeclared` ("" = the XML default).
std::string ParserEncoding(std::string_view document, std::string_view undeclared);

}  // namespace iv
