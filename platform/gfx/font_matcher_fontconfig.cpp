#include "platform/gfx/font_matcher.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>

namespace iv {

namespace {

// The pattern property fonts.conf sets on the families measured in half-width cells.
constexpr char kCharCells[] = "charcells";

}  // namespace

FontMatcher::FontMatcher() {
  FcConfig *config = FcInitLoadConfigAndFonts();
  // The aliases add to the system's rules; an integrator's file comes last so its rules win.
  FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(kBuiltInFontsConf), FcTrue);
  if (const char *extra = std::getenv("INVOICEVIEW_FONTS_CONF"); extra != nullptr && *extra != '\0')
    FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8 *>(extra), FcTrue);
  config_ = config;
}

FontMatcher::~FontMatcher() { FcConfigDestroy(static_cast<FcConfig *>(config_)); }

FaceLocation FontMatcher::MatchPattern(void *opaque, bool bold, bool italic) {
  auto *config = static_cast<FcConfig *>(config_);
  auto *pattern = static_cast<FcPattern *>(opaque);
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern *match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  FaceLocation location;
  if (match == nullptr) return location;
  FcChar8 *file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch)
    location.file = reinterpret_cast<const char *>(file);
  FcPatternGetInteger(match, FC_INDEX, 0, &location.index);
  FcBool charCells = FcFalse;
  location.charCells = FcPatternGetBool(match, kCharCells, 0, &charCells) == FcResultMatch && charCells;
  FcPatternDestroy(match);
  return location;
}

FaceLocation FontMatcher::Match(const std::string &familyUtf8, bool bold, bool italic) {
  FcPattern *pattern = FcPatternCreate();
  if (!familyUtf8.empty())
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(familyUtf8.c_str()));
  return MatchPattern(pattern, bold, italic);
}

FaceLocation FontMatcher::MatchChinese(bool bold, bool italic) {
  FcPattern *pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8 *>("zh-cn"));
  return MatchPattern(pattern, bold, italic);
}

}  // namespace iv
