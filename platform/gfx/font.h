#pragma once
// The canvas font: name, size in points or height in pixels (96 pixels per inch), colour,
// style and character set; and the logical font record the font engine works from.
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "platform/gfx/color.h"

namespace iv {

constexpr int kPixelsPerInch = 96;

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
    for (TFontStyle style : styles) Include(style);
  }
  constexpr bool Contains(TFontStyle style) const { return bits_ & Bit(style); }
  constexpr void Include(TFontStyle style) { bits_ = std::uint8_t(bits_ | Bit(style)); }
  constexpr void Exclude(TFontStyle style) { bits_ = std::uint8_t(bits_ & ~Bit(style)); }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  static constexpr std::uint8_t Bit(TFontStyle style) { return std::uint8_t(1u << style); }
  std::uint8_t bits_ = 0;
};

// Character sets
constexpr std::uint8_t ANSI_CHARSET = 0;
constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t SYMBOL_CHARSET = 2;
constexpr std::uint8_t GB2312_CHARSET = 134;
constexpr std::uint8_t CHINESEBIG5_CHARSET = 136;
constexpr std::uint8_t OEM_CHARSET = 255;

constexpr std::int32_t FW_NORMAL = 400;
constexpr std::int32_t FW_BOLD = 700;
// From this weight on the engine draws bold.
constexpr std::int32_t FW_SEMIBOLD = 600;

// The 60-byte logical font record. Height < 0: character height in pixels; > 0: cell height;
// 0: the default. Width 0: natural width. Escapement in tenths of a degree, counter-clockwise.
struct TLogFont {
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = FW_NORMAL;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = DEFAULT_CHARSET;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  std::array<char, 32> lfFaceName{};  // GBK, NUL-terminated

  std::string FaceName() const;
  // Longer names are cut to 31 bytes, never inside a double-byte character.
  void SetFaceName(const std::string &name);
  friend bool operator==(const TLogFont &, const TLogFont &) = default;
};
static_assert(sizeof(TLogFont) == 60);

// Windows MulDiv: a * b / c rounded half away from zero; -1 when c is 0 or on overflow.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

class TFont {
 public:
  TFont();
  TFont(const TFont &other);
  TFont &operator=(const TFont &other);  // same as Assign

  const std::string &Name() const { return name_; }  // GBK
  void SetName(const std::string &name);
  // Points: Size = -MulDiv(Height, 72, 96); setting it sets Height = -MulDiv(size, 96, 72).
  int Size() const;
  void SetSize(int points);
  int Height() const { return height_; }
  void SetHeight(int pixels);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  std::uint8_t Charset() const { return charset_; }
  void SetCharset(std::uint8_t charset);

  // The record a font handle of this font yields.
  TLogFont LogFont() const;
  // Takes name, height, style, charset and every other field (width, escapement, ...) from
  // the record; the colour stays.
  void SetLogFont(const TLogFont &record);

  // Copies everything but the change handler, then reports the change.
  void Assign(const TFont &other);
  void SetOnChange(std::function<void()> handler) { on_change_ = std::move(handler); }

 private:
  void Changed();

  std::string name_;
  int height_;
  TColor color_;
  TFontStyles style_;
  std::uint8_t charset_;
  TLogFont extra_;  // the record's fields that have no property of their own
  std::function<void()> on_change_;
};

}  // namespace iv
