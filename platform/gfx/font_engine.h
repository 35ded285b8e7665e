#pragma once
// Text rasterising from a logical font record: on FreeType with fonts found through fontconfig
// (font_engine_freetype.cpp), where the kiosk's Windows family names are mapped to installed free
// fonts, or on GDI (font_engine_gdi.cpp). Either way characters a face lacks come from a
// Simplified Chinese face.
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

  // The face chosen for the font's name (its file on FreeType, its name as GDI reports it),
  // and whether it (or its Chinese fallback) has a glyph for the code point.
  std::string FaceFile(const TLogFont &font);
  bool HasGlyph(const TLogFont &font, char32_t codePoint);
  // What draws the font's glyphs: its file on FreeType; on GDI the family of the face the system
  // substitutes for the name, where FaceFile repeats the name.
  std::string DrawingFace(const TLogFont &font);

  // How many glyphs the engine has rasterised so far; a cached glyph is never rasterised
  // again. Always 0 on GDI, which rasterises and caches glyphs itself.
  std::size_t RasterisedGlyphs() const;

 private:
  FontEngine();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace iv
