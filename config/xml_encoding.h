#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace iv {

// The encoding to hand the parser for a document of these bytes, or "" to let the parser
// follow the document's own declaration. GB2312 files from Windows kiosks routinely hold
// GBK-only characters, so that family is always decoded as GBK. A document that declares
// nothing is decoded as `undeclared` ("" = the XML default).
std::string ParserEncoding(std::string_view document, std::string_view undeclared);

// A document saved in another encoding than the GB2312 or GBK it declares (an editor's UTF-16
// or UTF-8 under the kiosk's declaration): the encoding found, what the library makes of it and
// how to save it as GBK. `parseError` is the parser's message when the document did not parse.
// Nothing when the bytes are GBK or the declaration is not of that family.
std::optional<std::string> XmlEncodingProblem(std::string_view document, const std::optional<std::string> &parseError);

}  // namespace iv
