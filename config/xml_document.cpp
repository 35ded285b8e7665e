#include "config/xml_document.h"

#include <libxml/globals.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <climits>

#include "config/settings_file.h"
#include "config/xml_encoding.h"
#include "config/xml_error.h"
#include "platform/diagnostics/diagnostic_stream.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

bool IsWhitespaceOnly(const xmlChar *text) {
  if (text == nullptr) return true;
  for (; *text != 0; ++text) {
    if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n') return false;
  }
  return true;
}

// The parser keeps blank text inside an element that holds nothing else; such text must not
// count as a node either. Only elements are descended into: entity reference nodes share the
// entity's content and the document type node holds declarations.
void RemoveBlankText(xmlNode *parent) {
  xmlNode *node = parent->children;
  while (node != nullptr) {
    xmlNode *next = node->next;
    if (node->type == XML_TEXT_NODE && IsWhitespaceOnly(node->content)) {
      xmlUnlinkNode(node);
      xmlFreeNode(node);
    } else if (node->type == XML_ELEMENT_NODE) {
      RemoveBlankText(node);
    }
    node = next;
  }
}

// libxml2 prints its parser, encoding and I/O errors on stderr, which belongs to the host;
// a failed parse is reported by XmlLoadError alone, with the first message kept for it.
// Encoding and I/O errors bypass the parser context, so for the length of a parse this
// thread's global handlers take every message; the host's own handlers are put back afterwards.
class LibxmlMessagesCaught {
 public:
  struct Error {
    std::string message;
    int line = 0;
  };

  LibxmlMessagesCaught()
      : structured_(xmlStructuredError),
        structured_context_(xmlStructuredErrorContext),
        generic_(xmlGenericError),
        generic_context_(xmlGenericErrorContext) {
    FirstError() = {};
    xmlSetStructuredErrorFunc(nullptr, &KeepFirst);
    xmlSetGenericErrorFunc(nullptr, &Drop);
  }
  ~LibxmlMessagesCaught() {
    xmlSetStructuredErrorFunc(structured_context_, structured_);
    xmlSetGenericErrorFunc(generic_context_, generic_);
  }
  LibxmlMessagesCaught(const LibxmlMessagesCaught &) = delete;
  LibxmlMessagesCaught &operator=(const LibxmlMessagesCaught &) = delete;

  // The first message of the last parse on this thread.
  static const Error &First() { return FirstError(); }

 private:
  static Error &FirstError() {
    thread_local Error first;
    return first;
  }
  static void KeepFirst(void *, xmlErrorPtr error) {
    if (error == nullptr || !FirstError().message.empty() || error->message == nullptr) return;
    std::string message = error->message;
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    FirstError() = {message, error->line};
  }
  static void Drop(void *, const char *, ...) {}

  xmlStructuredErrorFunc structured_;
  void *structured_context_;
  xmlGenericErrorFunc generic_;
  void *generic_context_;
};

// GBK documents are decoded by the platform's converter, so a parser built without converters
// of its own (the Windows build) reads them as well. GBK holds no U+FFFD: finding one means
// the bytes were not GBK, which the parser would have rejected.
std::string DecodedGbk(std::string_view bytes) {
  std::string utf8 = GbkToUtf8(bytes);
  if (utf8.find("\xEF\xBF\xBD") != std::string::npos) throw XmlLoadError("not a well-formed XML document");
  return utf8;
}

}  // namespace

XmlDocPtr NewXmlDocument() { return XmlDocPtr(xmlNewDoc(BAD_CAST "1.0")); }

XmlDocPtr ParseXml(std::string_view bytes, std::string_view undeclared) {
  if (bytes.size() > static_cast<size_t>(INT_MAX)) throw XmlLoadError("document too large");
  std::string encoding = ParserEncoding(bytes, undeclared);
  std::string decoded;
  if (encoding == "GBK") {
    decoded = DecodedGbk(bytes);
    bytes = decoded;
    encoding = "UTF-8";
  }
  int options = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
  if (!encoding.empty()) options |= XML_PARSE_IGNORE_ENC;
  XmlDocPtr doc;
  {
    const LibxmlMessagesCaught caught;
    doc.reset(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr,
                            encoding.empty() ? nullptr : encoding.c_str(), options));
  }
  if (!doc) {
    const LibxmlMessagesCaught::Error &error = LibxmlMessagesCaught::First();
    throw XmlLoadError(error.message.empty() ? "not a well-formed XML document" : error.message, error.line);
  }
  RemoveBlankText(reinterpret_cast<xmlNode *>(doc.get()));
  return doc;
}

XmlDocPtr ParseXmlFile(const std::string &path) {
  const std::optional<std::string> bytes = ReadSettingsFile(path);
  if (!bytes) throw XmlLoadError("cannot read " + path);
  // The stream names the encoding of a file an editor saved as UTF-16 or UTF-8 under the
  // kiosk's GB2312 declaration, which the log only calls a format error.
  const auto diagnoseEncoding = [&](const std::optional<std::string> &parseError) {
    if (!DiagnosticsWanted()) return;
    if (const auto problem = XmlEncodingProblem(*bytes, parseError))
      Diagnose({Problem::Severity::Error, path, 0, 0, *problem});
  };
  try {
    XmlDocPtr doc = ParseXml(*bytes, "");
    diagnoseEncoding(std::nullopt);
    return doc;
  } catch (const XmlLoadError &error) {
    diagnoseEncoding(error.what());
    throw;
  }
}

}  // namespace iv
