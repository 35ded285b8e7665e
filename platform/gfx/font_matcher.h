#pragma once
// Finds font files through fontconfig, with the kiosk's Windows family aliases loaded.
#include <string>

namespace iv {

// The aliases of platform/gfx/fonts.conf, compiled in so a copied library keeps them.
extern const char kBuiltInFontsConf[];

struct FaceLocation {
  std::string file;
  int index = 0;
  // The family stands for a Windows face whose Latin is half-width (fonts.conf marks it with
  // `charcells`): characters advance by whole cells, one for ASCII and two for the others.
  bool charCells = false;
  friend bool operator==(const FaceLocation &, const FaceLocation &) = default;
};

class FontMatcher {
 public:
  FontMatcher();
  ~FontMatcher();
  FontMatcher(const FontMatcher &) = delete;
  FontMatcher &operator=(const FontMatcher &) = delete;

  // Best face for a family name in UTF-8 (empty: the default face); empty file when none.
  FaceLocation Match(const std::string &familyUtf8, bool bold, bool italic);
  // Best face for Simplified Chinese, for characters the chosen face lacks.
  FaceLocation MatchChinese(bool bold, bool italic);

 private:
  FaceLocation MatchPattern(void *pattern, bool bold, bool italic);
  void *config_;
};

}  // namespace iv
