#include "platform/gfx/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/gfx/font_matcher.h"
#include "platform/text/gbk.h"

namespace iv {

namespace {

constexpr int kDefaultEmPixels = 12;     // height 0 asks for the default size
constexpr std::size_t kMaxCachedGlyphs = 20000;
constexpr std::size_t kMaxCachedSetups = 1000;
constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT;
constexpr FT_Fixed kObliqueShear = 0x0366A;  // about 12 degrees, as synthetic italics lean
constexpr char32_t kReplacement = 0xFFFD;

struct Face {
  FT_Face face = nullptr;
  std::string file;
  bool bold = false;    // the face itself is bold
  bool italic = false;  // the face itself slants
};

// The faces a family name is drawn with, and how its characters advance.
struct Family {
  Face *primary = nullptr;
  Face *fallback = nullptr;
  bool charCells = false;  // by half-width cells (FaceLocation::charCells)
};

struct Glyph;

// A font record made concrete: faces, scaled sizes, synthetic styles, rotation.
struct Setup {
  Face *primary = nullptr;
  Face *fallback = nullptr;
  int cellPixels = 0;  // > 0: an ASCII character advances one cell of this width, others two
  FT_F26Dot6 emX = 0;
  FT_F26Dot6 emY = 0;
  bool bold = false;
  bool italic = false;
  std::int32_t escapement = 0;
  FontMetrics metrics;
  // The upright glyphs found so far by character: a text's characters are looked up once
  // each, not in the faces' character maps and the glyph cache every time.
  std::unordered_map<char32_t, const Glyph *> upright;
};

struct GlyphKey {
  FT_Face face;
  FT_F26Dot6 emX;
  FT_F26Dot6 emY;
  FT_UInt index;
  std::uint8_t synthetic;  // bit 0 bold, bit 1 oblique
  std::uint8_t cells;      // 0: the advance is the design width
  std::int32_t escapement;
  friend bool operator==(const GlyphKey &, const GlyphKey &) = default;
};

struct GlyphKeyHash {
  std::size_t operator()(const GlyphKey &key) const {
    std::size_t hash = std::hash<const void *>()(key.face);
    for (std::int64_t part : {std::int64_t(key.emX), std::int64_t(key.emY),
                              std::int64_t(key.index), std::int64_t(key.synthetic),
                              std::int64_t(key.cells), std::int64_t(key.escapement)})
      hash = hash * 1000003u ^ std::hash<std::int64_t>()(part);
    return hash;
  }
};

// Font records are compared and hashed as the 60 bytes they are.
struct LogFontHash {
  std::size_t operator()(const TLogFont &font) const {
    return std::hash<std::string_view>()({reinterpret_cast<const char *>(&font), sizeof font});
  }
};

struct Glyph {
  int advance = 0;  // whole pixels along the text direction
  int left = 0;     // bitmap offset from the pen, y up for top
  int top = 0;
  int width = 0;
  int rows = 0;
  int pitch = 0;  // bytes a row: the width rounded up to whole vectors, zero beyond it
  std::vector<std::uint8_t> coverage;
};

struct DecorationLine {
  double offset;     // below the baseline, pixels
  double thickness;  // pixels
};

// A text read in a font: its characters and, once measured, its upright glyphs and width.
struct Layout {
  TLogFont font;
  std::string gbk;
  Setup *setup = nullptr;
  std::u32string codePoints;
  std::vector<const Glyph *> upright;  // empty until measured
  int width = 0;
};

int RoundToInt(double value) { return int(std::lround(value)); }

}  // namespace

struct FontEngine::Impl {
  FT_Library library = nullptr;
  FontMatcher matcher;
  std::map<std::tuple<std::string, int>, Face> faces;
  std::map<std::tuple<std::string, bool, bool>, Family> families;
  std::map<std::tuple<FT_Face, FT_F26Dot6, FT_F26Dot6>, FT_Size> sizes;
  std::unordered_map<GlyphKey, Glyph, GlyphKeyHash> glyphs;
  std::unordered_map<TLogFont, Setup, LogFontHash> setups;
  Layout last;  // a text is measured, then drawn: the second time it is not read again
  std::size_t rasterised = 0;

  Impl() {
    if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType cannot start");
  }
  ~Impl() { FT_Done_FreeType(library); }

  Face *Open(const FaceLocation &location) {
    if (location.file.empty()) return nullptr;
    const auto key = std::make_tuple(location.file, location.index);
    auto found = faces.find(key);
    if (found == faces.end()) {
      Face face;
      face.file = location.file;
      if (FT_New_Face(library, location.file.c_str(), location.index, &face.face) != 0)
        return nullptr;
      face.bold = face.face->style_flags & FT_STYLE_FLAG_BOLD;
      face.italic = face.face->style_flags & FT_STYLE_FLAG_ITALIC;
      found = faces.emplace(key, face).first;
    }
    return &found->second;
  }

  const Family &FamilyNamed(const std::string &nameGbk, bool bold, bool italic) {
    const auto key = std::make_tuple(nameGbk, bold, italic);
    auto found = families.find(key);
    if (found == families.end()) {
      const FaceLocation location = matcher.Match(GbkToUtf8(nameGbk), bold, italic);
      Family family{Open(location), Open(matcher.MatchChinese(bold, italic)), location.charCells};
      if (family.primary == nullptr) std::swap(family.primary, family.fallback);
      if (family.primary == nullptr) throw std::runtime_error("no font is installed");
      found = families.emplace(key, family).first;
    }
    return found->second;
  }

  void Activate(FT_Face face, FT_F26Dot6 emX, FT_F26Dot6 emY) {
    const auto key = std::make_tuple(face, emX, emY);
    auto found = sizes.find(key);
    if (found == sizes.end()) {
      FT_Size size = nullptr;
      if (FT_New_Size(face, &size) != 0) throw std::runtime_error("font size unavailable");
      found = sizes.emplace(key, size).first;
      FT_Activate_Size(size);
      FT_Set_Char_Size(face, emX, emY, 72, 72);  // at 72 dpi a point is a pixel
    }
    FT_Activate_Size(found->second);
  }

  // Windows cell metrics of a face in design units: the OS/2 ascent and descent when present.
  static std::pair<int, int> CellUnits(FT_Face face) {
    const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0)
      return {os2->usWinAscent, os2->usWinDescent};
    return {face->ascender, -face->descender};
  }

  Setup &SetupFor(const TLogFont &font) {
    if (auto found = setups.find(font); found != setups.end()) return found->second;
    if (setups.size() >= kMaxCachedSetups) {
      setups.clear();
      last = {};
    }
    return setups.emplace(font, Prepare(font)).first->second;
  }

  Layout &LayOut(const TLogFont &font, std::string_view gbk) {
    if (last.setup != nullptr && last.font == font && last.gbk == gbk) return last;
    // Glyphs are let go between texts only, so those of the text at hand stay valid; the
    // set-ups go with them, as they hold glyphs.
    if (glyphs.size() >= kMaxCachedGlyphs) {
      glyphs.clear();
      setups.clear();
    }
    last.setup = &SetupFor(font);
    last.font = font;
    last.gbk.assign(gbk);
    last.codePoints = GbkToCodePoints(gbk);
    last.upright.clear();
    last.width = 0;
    return last;
  }

  // The upright glyphs of the text and its width.
  void Measure(Layout &layout) {
    if (layout.upright.size() == layout.codePoints.size()) return;
    layout.upright.clear();
    layout.width = 0;
    for (char32_t codePoint : layout.codePoints) {
      auto [found, added] = layout.setup->upright.try_emplace(codePoint, nullptr);
      if (added) found->second = &Render(*layout.setup, codePoint, 0);
      layout.upright.push_back(found->second);
      layout.width += found->second->advance;
    }
  }

  Setup Prepare(const TLogFont &font) {
    Setup setup;
    setup.bold = font.lfWeight >= FW_SEMIBOLD;
    setup.italic = font.lfItalic != 0;
    const Family &family = FamilyNamed(font.FaceName(), setup.bold, setup.italic);
    setup.primary = family.primary;
    setup.fallback = family.fallback;
    FT_Face face = setup.primary->face;
    const int unitsPerEm = std::max<int>(face->units_per_EM, 1);
    const auto [ascentUnits, descentUnits] = CellUnits(face);

    // Negative height: the character height; positive: the whole cell.
    double em = kDefaultEmPixels;
    if (font.lfHeight < 0)
      em = -double(font.lfHeight);
    else if (font.lfHeight > 0)
      em = double(font.lfHeight) * unitsPerEm / std::max(ascentUnits + descentUnits, 1);
    em = std::min(em, 4096.0);
    setup.emY = std::max<FT_F26Dot6>(FT_F26Dot6(std::lround(em * 64)), 1);
    setup.emX = setup.emY;
    if (font.lfWidth != 0) {
      const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      const double average =
          os2 != nullptr && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : unitsPerEm / 2.0;
      const double widthEm = std::min(std::abs(double(font.lfWidth)) * unitsPerEm / average, 4096.0);
      setup.emX = std::max<FT_F26Dot6>(FT_F26Dot6(std::lround(widthEm * 64)), 1);
    }
    if (family.charCells) setup.cellPixels = std::max(1, RoundToInt(setup.emX / 128.0));
    setup.escapement = font.lfEscapement % 3600;
    const double emPixels = setup.emY / 64.0;
    setup.metrics.ascent = RoundToInt(ascentUnits * emPixels / unitsPerEm);
    setup.metrics.descent = RoundToInt(descentUnits * emPixels / unitsPerEm);
    return setup;
  }

  // The face that has the character, and its glyph; missing everywhere: the primary's.
  std::pair<Face *, FT_UInt> Lookup(const Setup &setup, char32_t codePoint) {
    if (FT_UInt index = FT_Get_Char_Index(setup.primary->face, codePoint))
      return {setup.primary, index};
    if (setup.fallback != nullptr)
      if (FT_UInt index = FT_Get_Char_Index(setup.fallback->face, codePoint))
        return {setup.fallback, index};
    if (codePoint != kReplacement) return Lookup(setup, kReplacement);
    return {setup.primary, 0};
  }

  const Glyph &Render(const Setup &setup, char32_t codePoint, std::int32_t escapement) {
    const auto [face, index] = Lookup(setup, codePoint);
    const bool emboldened = setup.bold && !face->bold;
    const bool oblique = setup.italic && !face->italic;
    const std::uint8_t cells = setup.cellPixels == 0 ? 0 : codePoint < 0x80 ? 1 : 2;
    const GlyphKey key{face->face,  setup.emX,                               setup.emY,
                       index,       std::uint8_t(emboldened | oblique << 1), cells,
                       escapement};
    if (auto found = glyphs.find(key); found != glyphs.end()) return found->second;

    Glyph glyph;
    ++rasterised;
    Activate(face->face, setup.emX, setup.emY);
    FT_GlyphSlot slot = face->face->glyph;
    if (FT_Load_Glyph(face->face, index, kLoadFlags) == 0) {
      FT_Pos advance =
          cells != 0 ? FT_Pos(cells) * setup.cellPixels * 64 : DesignAdvance(face->face, index);
      if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (oblique) {
          FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
          FT_Outline_Transform(&slot->outline, &shear);
        }
        if (emboldened) {
          const FT_Pos strength = std::max<FT_Pos>(setup.emY / 24, 32);
          FT_Outline_EmboldenXY(&slot->outline, strength, 0);
          advance += strength;
        }
        if (escapement != 0) {
          const double angle = escapement * std::numbers::pi / 1800.0;
          const auto c = FT_Fixed(std::lround(std::cos(angle) * 0x10000));
          const auto s = FT_Fixed(std::lround(std::sin(angle) * 0x10000));
          FT_Matrix rotation{c, -s, s, c};
          FT_Outline_Transform(&slot->outline, &rotation);
        }
      }
      glyph.advance = int((advance + 32) >> 6);
      if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0) CopyBitmap(slot, glyph);
    }
    return glyphs.emplace(key, std::move(glyph)).first->second;
  }

  // The glyph's design width at the active size, in 26.6 pixels: advances follow the face's
  // design rather than the hinter, whose rounding could change with its version or mode.
  static FT_Pos DesignAdvance(FT_Face face, FT_UInt index) {
    FT_Fixed units = 0;
    if (FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &units) != 0) return face->glyph->advance.x;
    return FT_MulFix(units, face->size->metrics.x_scale);
  }

  static void CopyBitmap(FT_GlyphSlot slot, Glyph &glyph) {
    const FT_Bitmap &bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = int(bitmap.width);
    glyph.rows = int(bitmap.rows);
    glyph.pitch = (glyph.width + 15) & ~15;
    glyph.coverage.resize(std::size_t(glyph.pitch) * std::size_t(glyph.rows));
    for (int y = 0; y < glyph.rows; ++y) {
      const unsigned char *row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
      for (int x = 0; x < glyph.width; ++x) {
        std::uint8_t value = 0;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY)
          value = bitmap.num_grays == 256 ? row[x] : std::uint8_t(row[x] * 255 / (bitmap.num_grays - 1));
        else if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
          value = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        glyph.coverage[std::size_t(y) * glyph.pitch + x] = value;
      }
    }
  }

  std::vector<DecorationLine> Decorations(const TLogFont &font, const Setup &setup) {
    std::vector<DecorationLine> lines;
    FT_Face face = setup.primary->face;
    const double scale = setup.emY / 64.0 / std::max<int>(face->units_per_EM, 1);
    const double fallbackThickness = std::max(1.0, setup.emY / 64.0 / 14);
    if (font.lfUnderline) {
      const double thickness = face->underline_thickness > 0 ? face->underline_thickness * scale : 0;
      lines.push_back({std::max(1.0, -face->underline_position * scale),
                       std::max(thickness, fallbackThickness)});
    }
    if (font.lfStrikeOut) {
      const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      const bool known = os2 != nullptr && os2->yStrikeoutSize > 0;
      lines.push_back({known ? -os2->yStrikeoutPosition * scale : -setup.metrics.ascent / 3.0,
                       std::max(known ? os2->yStrikeoutSize * scale : 0, fallbackThickness)});
    }
    return lines;
  }
};

namespace {

// The glyph's coverage combined by maximum with the image, its top left at (x0, y0): the part
// inside the image, found once, row by row in whole vectors (the padding adds nothing).
void Stamp(Bitmap &gray, int x0, int y0, const Glyph &glyph) {
  // How far into the glyph the image starts and ends along one axis.
  const auto inside = [](int origin, int size, int limit) {
    return std::pair{int(std::clamp<std::int64_t>(-std::int64_t{origin}, 0, size)),
                     int(std::clamp<std::int64_t>(std::int64_t{limit} - origin, 0, size))};
  };
  const auto [top, bottom] = inside(y0, glyph.rows, gray.Height());
  const auto [left, right] = inside(x0, glyph.pitch, gray.Width());
  for (int y = top; y < bottom; ++y) {
    std::uint8_t *row = gray.Row(y0 + y) + (x0 + left);
    const std::uint8_t *source = glyph.coverage.data() + std::size_t(y) * std::size_t(glyph.pitch) + left;
    for (int x = 0; x < right - left; ++x) row[x] = std::max(row[x], source[x]);
  }
}

// A line along the text: from the baseline origin, `length` pixels in direction (c, -s),
// covering `offset` .. `offset + thickness` pixels below the baseline. Pixel centres inside
// are inked fully.
void StampLine(Bitmap &gray, double bx, double by, double c, double s, double length,
               const DecorationLine &line) {
  const double corners[4][2] = {{0, line.offset}, {length, line.offset},
                                {0, line.offset + line.thickness},
                                {length, line.offset + line.thickness}};
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (const auto &corner : corners) {
    const double x = bx + corner[0] * c + corner[1] * s;
    const double y = by - corner[0] * s + corner[1] * c;
    minX = std::min(minX, x), maxX = std::max(maxX, x);
    minY = std::min(minY, y), maxY = std::max(maxY, y);
  }
  const int left = std::max(0, int(std::floor(minX))), right = std::min(gray.Width(), int(std::ceil(maxX)));
  const int top = std::max(0, int(std::floor(minY))), bottom = std::min(gray.Height(), int(std::ceil(maxY)));
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const double dx = x + 0.5 - bx, dy = y + 0.5 - by;
      const double along = dx * c - dy * s;  // back into text space
      const double below = dx * s + dy * c;
      if (along >= 0 && along < length && below >= line.offset &&
          below < line.offset + line.thickness)
        gray.Row(y)[x] = 255;
    }
}

}  // namespace

FontEngine &FontEngine::Instance() {
  static FontEngine engine;
  return engine;
}

FontEngine::FontEngine() : impl_(std::make_unique<Impl>()) {}

FontEngine::~FontEngine() = default;

FontMetrics FontEngine::Metrics(const TLogFont &font) { return impl_->SetupFor(font).metrics; }

TSize FontEngine::TextExtent(const TLogFont &font, std::string_view gbk) {
  Layout &layout = impl_->LayOut(font, gbk);
  impl_->Measure(layout);
  return {layout.width, layout.setup->metrics.ascent + layout.setup->metrics.descent};
}

void FontEngine::DrawText(Bitmap &gray, int x, int y, const TLogFont &font, std::string_view gbk) {
  if (gray.Format() != PixelFormat::Indexed8) throw std::invalid_argument("text needs an 8-bit image");
  Layout &layout = impl_->LayOut(font, gbk);
  const Setup &setup = *layout.setup;
  if (setup.escapement == 0) impl_->Measure(layout);  // the measured glyphs are the ones drawn
  const double angle = setup.escapement * std::numbers::pi / 1800.0;
  const double c = std::cos(angle), s = std::sin(angle);
  // The baseline origin lies `ascent` below the cell's top left, across the text direction.
  const double bx = x + setup.metrics.ascent * s;
  const double by = y + setup.metrics.ascent * c;
  int pen = 0;
  for (std::size_t i = 0; i < layout.codePoints.size(); ++i) {
    const Glyph &glyph =
        setup.escapement == 0 ? *layout.upright[i] : impl_->Render(setup, layout.codePoints[i], setup.escapement);
    const int ox = RoundToInt(bx + pen * c);
    const int oy = RoundToInt(by - pen * s);
    Stamp(gray, ox + glyph.left, oy - glyph.top, glyph);
    pen += glyph.advance;
  }
  for (const DecorationLine &line : impl_->Decorations(font, setup))
    StampLine(gray, bx, by, c, s, pen, line);
}

std::string FontEngine::FaceFile(const TLogFont &font) { return impl_->SetupFor(font).primary->file; }

std::string FontEngine::DrawingFace(const TLogFont &font) { return FaceFile(font); }

bool FontEngine::HasGlyph(const TLogFont &font, char32_t codePoint) {
  const Setup &setup = impl_->SetupFor(font);
  if (FT_Get_Char_Index(setup.primary->face, codePoint) != 0) return true;
  return setup.fallback != nullptr && FT_Get_Char_Index(setup.fallback->face, codePoint) != 0;
}

std::size_t FontEngine::RasterisedGlyphs() const { return impl_->rasterised; }

}  // namespace iv
