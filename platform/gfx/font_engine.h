#pragma once
// Text rasterising on FreeType with fonts found through fontconfig. Faces are chosen from a
// logical font record; the kiosk's Windows family names are mapped to installed free fonts,
// and characters a face lacks come from the best Simplified Chinese face.
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace iv {

struct FontMetrics {
  int ascent = 0;   // pixels above the baseline
  int descent = 0;  // pixels below it
};

class FontEngine {
 public:
  // The one engine of the process; faces and rendered glyphs are cached in it.
  static FontEngine &Instance();

  FontEngine(const FontEngine &) = delete;
  FontEngine &operator=(const FontEngine &) = delete;
  ~FontEngine();

  // Extent of the unrotated text: cx = sum of the glyph advances, cy = ascent + descent.
  // Invalid or cut-off GBK sequences are measured as the replacement glyph.
  TSize TextExtent(const TLogFont &font, std::string_view gbk);
  FontMetrics Metrics(const TLogFont &font);

  // Draws the text white on black into an 8-bit image: coverage is combined with what is
  // there by maximum. (x, y) is the top left of the text cell; the text runs along the font's
  // escapement around that point. Pixels outside the image are skipped.
  void DrawText(Bitmap &gray, int x, int y, const TLogFont &font, std::string_view gbk);

  // File of the face chosen for the font's name, and whether it (or its Chinese fallback)
  // has a glyph for the code point.
  std::string FaceFile(const TLogFont &font);
  bool HasGlyph(const TLogFont &font, char32_t codePoint);

  // How many glyphs have been rasterised so far; a cached glyph is never rasterised again.
  std::size_t RasterisedGlyphs() const;

 private:
  FontEngine();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace iv
