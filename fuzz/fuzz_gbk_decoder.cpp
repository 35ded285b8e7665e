// Any byte string is decoded, measured and drawn without fault, consistently.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/gfx/font_engine.h"
#include "platform/text/gbk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  const std::u32string codePoints = iv::GbkToCodePoints(text);
  if (codePoints.size() > size) std::abort();  // one code point per character at most
  iv::Utf8ToGbk(iv::GbkToUtf8(text));

  // Drawing is costly; a short prefix exercises it fully.
  const std::string_view run = text.substr(0, 48);
  iv::TLogFont font;
  font.SetFaceName(iv::Gbk(u8"宋体"));
  font.lfHeight = -12;
  font.lfEscapement = size > 0 ? data[0] * 15 : 0;
  iv::FontEngine &engine = iv::FontEngine::Instance();
  const iv::TSize extent = engine.TextExtent(font, run);
  if (extent.cx < 0 || extent.cy <= 0) std::abort();
  iv::Bitmap gray(64, 32, iv::PixelFormat::Indexed8);
  engine.DrawText(gray, -8, 4, font, run);
  return 0;
}
