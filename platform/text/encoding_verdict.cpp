#include "platform/text/encoding_verdict.h"

namespace iv {
namespace {

std::string LinuxConversion(const FoundEncoding &found) {
  switch (found.encoding) {
    case TextEncoding::Utf16Le:
      return found.byteOrderMark ? "iconv -f UTF-16 -t GBK FILE > FILE.gbk"
                                 : "iconv -f UTF-16LE -t GBK FILE > FILE.gbk";
    case TextEncoding::Utf16Be:
      return found.byteOrderMark ? "iconv -f UTF-16 -t GBK FILE > FILE.gbk"
                                 : "iconv -f UTF-16BE -t GBK FILE > FILE.gbk";
    case TextEncoding::Utf8WithBom: return "tail -c +4 FILE | iconv -f UTF-8 -t GBK > FILE.gbk";
    case TextEncoding::Utf8WithoutBom:
    case TextEncoding::Gbk: break;
  }
  return "iconv -f UTF-8 -t GBK FILE > FILE.gbk";
}

}  // namespace

std::string SaveAsGbkAdvice(std::string_view linuxCommand) {
  return "save it as GBK: on Windows open it in Notepad, File > Save As, Encoding ANSI (GBK on a Chinese Windows); "
         "on Linux " +
         std::string(linuxCommand);
}

std::string NotGbkMessage(const FoundEncoding &found, std::string_view reader) {
  std::string saved = "saved as " + std::string(EncodingName(found.encoding));
  if (found.encoding == TextEncoding::Utf8WithoutBom)
    saved += " (\"" + found.character + "\" on line " + std::to_string(found.line) + " is UTF-8 text)";
  return saved + ", but " + std::string(reader) + "; " + SaveAsGbkAdvice(LinuxConversion(found));
}

}  // namespace iv
