// Text rasterising on GDI. A face is made from the logical font record itself; text is drawn
// white on black into a 32-bit DIB section (an 8-bit one would lose the anti-aliasing) and its
// coverage copied into the caller's 8-bit image. Characters a face lacks come from the kiosk's
// standard Chinese face, so Chinese text never shows empty boxes.
#include "platform/gfx/font_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/text/gbk.h"

// Last: windows.h makes macros of names the project's headers declare (DrawText, FW_BOLD, ...).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/gfx/dib_win32.h"
#undef DrawText  // DrawTextA to windows.h; here it is the engine's own

namespace iv {

namespace {

// Heights and widths from a template are bounded rather than handed to GDI as they come.
constexpr std::int32_t kLargestDimension = 4096;
constexpr std::size_t kMaxCachedFaces = 128;
// SimSun, which every Simplified Chinese Windows has.
constexpr wchar_t kChineseFace[] = L"宋体";
constexpr WORD kNoGlyph = 0xFFFF;

LOGFONTW Win32Record(const TLogFont &font) {
  LOGFONTW record{};
  record.lfHeight = font.lfHeight;
  record.lfWidth = font.lfWidth;
  record.lfEscapement = font.lfEscapement;
  record.lfOrientation = font.lfOrientation;
  record.lfWeight = font.lfWeight;
  record.lfItalic = font.lfItalic;
  record.lfUnderline = font.lfUnderline;
  record.lfStrikeOut = font.lfStrikeOut;
  record.lfCharSet = font.lfCharSet;
  record.lfOutPrecision = font.lfOutPrecision;
  record.lfClipPrecision = font.lfClipPrecision;
  // Gray coverage whatever the system's smoothing setting, as FreeType gives on Linux.
  record.lfQuality = ANTIALIASED_QUALITY;
  record.lfPitchAndFamily = font.lfPitchAndFamily;
  const std::wstring name = GbkToWide(font.FaceName());
  name.copy(record.lfFaceName, LF_FACESIZE - 1);
  return record;
}

// A stretch of text drawn in one font, and its advance.
struct Run {
  HFONT font;
  std::wstring text;
  int width = 0;
};

}  // namespace

struct FontEngine::Impl {
  struct Face {
    LOGFONTW record{};
    HFONT font = nullptr;
    HFONT chinese = nullptr;  // made when a text first needs it
    FontMetrics metrics;
    std::string name;   // UTF-8, the face GDI reports choosing (the name asked for when substituted)
    std::string drawn;  // UTF-8, the family whose glyphs are drawn
  };

  HDC dc = nullptr;
  HGDIOBJ initialFont = nullptr;
  HGDIOBJ initialBitmap = nullptr;
  HBITMAP dib = nullptr;
  std::uint8_t *dibBits = nullptr;  // top-down rows of blue, green, red, unused
  int dibWidth = 0;
  int dibHeight = 0;
  std::unordered_map<std::string, Face> faces;  // by the bytes of the bounded record

  Impl() : dc(CreateCompatibleDC(nullptr)) {
    if (dc == nullptr) throw std::runtime_error("GDI cannot create a drawing context");
    initialFont = GetCurrentObject(dc, OBJ_FONT);
    initialBitmap = GetCurrentObject(dc, OBJ_BITMAP);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    // Runs of different faces share one baseline.
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  }

  ~Impl() {
    ForgetFaces();
    SelectObject(dc, initialBitmap);
    if (dib != nullptr) DeleteObject(dib);
    DeleteDC(dc);
  }

  void ForgetFaces() {
    SelectObject(dc, initialFont);
    for (auto &[key, face] : faces) {
      DeleteObject(face.font);
      if (face.chinese != nullptr) DeleteObject(face.chinese);
    }
    faces.clear();
  }

  Face &FaceOf(const TLogFont &font) {
    TLogFont bounded = font;
    bounded.lfHeight = std::clamp(font.lfHeight, -kLargestDimension, kLargestDimension);
    bounded.lfWidth = std::clamp(font.lfWidth, -kLargestDimension, kLargestDimension);
    const std::string key(reinterpret_cast<const char *>(&bounded), sizeof bounded);
    if (auto found = faces.find(key); found != faces.end()) return found->second;
    if (faces.size() >= kMaxCachedFaces) ForgetFaces();

    Face face;
    face.record = Win32Record(bounded);
    face.font = CreateFontIndirectW(&face.record);
    if (face.font == nullptr) throw std::runtime_error("GDI cannot create the font");
    SelectObject(dc, face.font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    face.metrics = {int(metrics.tmAscent), int(metrics.tmDescent)};
    wchar_t name[LF_FACESIZE] = {};
    const int length = GetTextFaceW(dc, LF_FACESIZE, name);
    const std::wstring reported(name, std::size_t(std::max(length - 1, 0)));
    face.name = WideToUtf8(reported);
    face.drawn = WideToUtf8(DrawnFaceName(reported));
    return faces.emplace(key, face).first->second;
  }

  // The face whose glyphs GDI draws the selected font with. Where the system substitutes a face
  // for the name asked for, GetTextFace repeats the name, and so may the outline metrics' family
  // (wine's font replacements do); the font's own full name then tells the substitute.
  std::wstring DrawnFaceName(const std::wstring &reported) {
    const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size < sizeof(OUTLINETEXTMETRICW)) return reported;
    std::vector<char> buffer(size);
    auto *metrics = reinterpret_cast<OUTLINETEXTMETRICW *>(buffer.data());
    if (GetOutlineTextMetricsW(dc, size, metrics) == 0) return reported;
    // Each name's place is given as an offset from the start of the metrics.
    const auto name = [&](PSTR field) -> std::wstring {
      const auto offset = reinterpret_cast<std::uintptr_t>(field);
      if (offset < sizeof(OUTLINETEXTMETRICW) || offset >= size) return {};
      return reinterpret_cast<const wchar_t *>(buffer.data() + offset);
    };
    for (const std::wstring &candidate : {name(metrics->otmpFamilyName), name(metrics->otmpFullName)})
      if (!candidate.empty() && candidate != reported) return candidate;
    return reported;
  }

  HFONT ChineseFont(Face &face) {
    if (face.chinese == nullptr) {
      LOGFONTW record = face.record;
      std::wcscpy(record.lfFaceName, kChineseFace);
      record.lfCharSet = GB2312_CHARSET;  // a Chinese face even where SimSun is missing
      face.chinese = CreateFontIndirectW(&record);
      if (face.chinese == nullptr) throw std::runtime_error("GDI cannot create the font");
    }
    return face.chinese;
  }

  // For each character, whether the font has a glyph for it.
  std::vector<bool> GlyphsPresent(HFONT font, const std::wstring &text) {
    std::vector<WORD> glyphs(text.size(), kNoGlyph);
    SelectObject(dc, font);
    if (!text.empty() &&
        GetGlyphIndicesW(dc, text.data(), int(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
      std::fill(glyphs.begin(), glyphs.end(), kNoGlyph);
    std::vector<bool> present(text.size());
    std::transform(glyphs.begin(), glyphs.end(), present.begin(), [](WORD glyph) { return glyph != kNoGlyph; });
    return present;
  }

  // The text split where it changes between the face and its Chinese fallback; a character
  // neither has stays with the face, which draws its missing-glyph box.
  std::vector<Run> Runs(Face &face, std::string_view gbk) {
    const std::wstring text = GbkToWide(gbk);
    std::vector<HFONT> fonts(text.size(), face.font);
    const std::vector<bool> inFace = GlyphsPresent(face.font, text);
    if (std::find(inFace.begin(), inFace.end(), false) != inFace.end()) {
      const std::vector<bool> inChinese = GlyphsPresent(ChineseFont(face), text);
      for (std::size_t i = 0; i < text.size(); ++i)
        if (!inFace[i] && inChinese[i]) fonts[i] = face.chinese;
    }
    std::vector<Run> runs;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (runs.empty() || runs.back().font != fonts[i]) runs.push_back({fonts[i], {}});
      runs.back().text.push_back(text[i]);
    }
    for (Run &run : runs) {
      SelectObject(dc, run.font);
      SIZE extent{};
      GetTextExtentPoint32W(dc, run.text.data(), int(run.text.size()), &extent);
      run.width = int(extent.cx);
    }
    return runs;
  }

  // The DIB is kept between texts and grows to hold each area drawn; an area of a very
  // different shape (a turned text) gets a DIB of its own size rather than a huge union.
  void EnsureDib(int width, int height) {
    if (width <= dibWidth && height <= dibHeight) return;
    int grownWidth = std::max(width, dibWidth), grownHeight = std::max(height, dibHeight);
    if (std::int64_t{grownWidth} * grownHeight > 4 * std::int64_t{width} * height)
      grownWidth = width, grownHeight = height;
    const BITMAPINFO info = TopDownDibInfo(grownWidth, grownHeight, 32);
    void *bits = nullptr;
    HBITMAP grown = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (grown == nullptr) throw std::runtime_error("GDI cannot create an image for the text");
    SelectObject(dc, grown);
    if (dib != nullptr) DeleteObject(dib);
    dib = grown;
    dibBits = static_cast<std::uint8_t *>(bits);
    dibWidth = grownWidth;
    dibHeight = grownHeight;
  }
};

FontEngine &FontEngine::Instance() {
  static FontEngine engine;
  return engine;
}

FontEngine::FontEngine() : impl_(std::make_unique<Impl>()) {}

FontEngine::~FontEngine() = default;

FontMetrics FontEngine::Metrics(const TLogFont &font) { return impl_->FaceOf(font).metrics; }

TSize FontEngine::TextExtent(const TLogFont &font, std::string_view gbk) {
  Impl::Face &face = impl_->FaceOf(font);
  int width = 0;
  for (const Run &run : impl_->Runs(face, gbk)) width += run.width;
  return {width, face.metrics.ascent + face.metrics.descent};
}

void FontEngine::DrawText(Bitmap &gray, int x, int y, const TLogFont &font, std::string_view gbk) {
  if (gray.Format() != PixelFormat::Indexed8) throw std::invalid_argument("text needs an 8-bit image");
  Impl::Face &face = impl_->FaceOf(font);
  const std::vector<Run> runs = impl_->Runs(face, gbk);
  if (runs.empty()) return;
  int length = 0;
  for (const Run &run : runs) length += run.width;
  const int height = face.metrics.ascent + face.metrics.descent;

  // The part of the image the turned text cell can reach, with a margin for glyphs that
  // overhang their cell (italics, negative bearings).
  const double angle = face.record.lfEscapement * std::numbers::pi / 1800.0;
  const double c = std::cos(angle), s = std::sin(angle);
  const double margin = height + 2;
  double minX = x, maxX = x, minY = y, maxY = y;
  const std::pair<int, int> corners[] = {{length, 0}, {0, height}, {length, height}};
  for (const auto &[along, across] : corners) {
    minX = std::min(minX, x + along * c + across * s), maxX = std::max(maxX, x + along * c + across * s);
    minY = std::min(minY, y - along * s + across * c), maxY = std::max(maxY, y - along * s + across * c);
  }
  const int left = int(std::max(0.0, std::floor(minX - margin)));
  const int top = int(std::max(0.0, std::floor(minY - margin)));
  const int right = int(std::min<double>(gray.Width(), std::ceil(maxX + margin)));
  const int bottom = int(std::min<double>(gray.Height(), std::ceil(maxY + margin)));
  if (right <= left || bottom <= top) return;

  const int width = right - left;
  impl_->EnsureDib(width, bottom - top);
  const std::size_t dibStride = std::size_t(impl_->dibWidth) * 4;
  for (int row = 0; row < bottom - top; ++row) std::memset(impl_->dibBits + row * dibStride, 0, std::size_t(width) * 4);

  // The baseline origin lies `ascent` below the cell's top left, across the text direction.
  const double bx = x - left + face.metrics.ascent * s;
  const double by = y - top + face.metrics.ascent * c;
  int pen = 0;
  for (const Run &run : runs) {
    SelectObject(impl_->dc, run.font);
    TextOutW(impl_->dc, int(std::lround(bx + pen * c)), int(std::lround(by - pen * s)), run.text.data(),
             int(run.text.size()));
    pen += run.width;
  }
  GdiFlush();  // GDI may batch the drawing; the bits are read directly

  for (int row = 0; row < bottom - top; ++row) {
    const std::uint8_t *source = impl_->dibBits + row * dibStride;
    std::uint8_t *target = gray.Row(top + row) + left;
    for (int col = 0; col < width; ++col, source += 4) {
      const std::uint8_t coverage = std::max({source[0], source[1], source[2]});
      target[col] = std::max(target[col], coverage);
    }
  }
}

std::string FontEngine::FaceFile(const TLogFont &font) { return impl_->FaceOf(font).name; }

std::string FontEngine::DrawingFace(const TLogFont &font) { return impl_->FaceOf(font).drawn; }

bool FontEngine::HasGlyph(const TLogFont &font, char32_t codePoint) {
  if (codePoint > 0xFFFF) return false;
  Impl::Face &face = impl_->FaceOf(font);
  const std::wstring character(1, wchar_t(codePoint));
  return impl_->GlyphsPresent(face.font, character)[0] || impl_->GlyphsPresent(impl_->ChineseFont(face), character)[0];
}

// GDI rasterises and caches glyphs itself; the engine rasterises none.
std::size_t FontEngine::RasterisedGlyphs() const { return 0; }

}  // namespace iv
