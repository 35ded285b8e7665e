// The skins the host loads into the kiosk screens, as kiosk-host finds them.
#include "checks/access/access_checks.h"
#include "forms/skin_table.h"
#include "host/skin_file.h"
#include "platform/fs/paths.h"
#include "platform/gfx/picture.h"

namespace iv::check {
namespace {

// The share of edge pixels that have the bottom-left pixel's colour, of a picture that is not empty.
double EdgeShareOfCornerColour(const Bitmap &picture) {
  const TColor corner = picture.Pixel(0, picture.Height() - 1);
  std::int64_t same = 0, all = 0;
  const auto count = [&](int x, int y) {
    ++all;
    same += picture.Pixel(x, y) == corner;
  };
  for (int x = 0; x < picture.Width(); ++x) count(x, 0), count(x, picture.Height() - 1);
  for (int y = 1; y + 1 < picture.Height(); ++y) count(0, y), count(picture.Width() - 1, y);
  return double(same) / double(all);
}

}  // namespace

std::string ScreenWithoutSkin(std::string_view name, bool menuBackLoads) {
  if (name == kFileDispSkin.name && !menuBackLoads)
    return "the invoice screen's background shows black, as MenuBack does not load either";
  for (const Skin *skin : kSkins)
    if (skin->name == name) return skin->without;
  return "";
}

void CheckSkins(ProblemList &problems, const std::string &folder) {
  if (!FolderExists(ResolvePath(folder))) {
    problems.Error(folder + "/", 0, "no such folder: the host loads no skin and the screens stay black");
    return;
  }
  bool menuBackLoads = false;
  for (const Skin *skin : kSkins) {
    const std::optional<std::string> skinFile = host::FindSkinFile(folder, skin->name);
    if (!skinFile) {
      problems.Error(JoinPath(folder, std::string(skin->name)) + ".png", 0,
                     "missing (no .png, .jpg or .bmp): " + ScreenWithoutSkin(skin->name, menuBackLoads));
      continue;
    }
    Bitmap picture;
    try {
      picture = LoadPicture(*skinFile);
    } catch (const PictureError &error) {
      problems.Error(
          *skinFile, 0,
          std::string("cannot be decoded (") + error.what() + "): " + ScreenWithoutSkin(skin->name, menuBackLoads));
      continue;
    }
    menuBackLoads = menuBackLoads || skin == &kMenuBackSkin;
    if (picture.Width() != skin->size.cx || picture.Height() != skin->size.cy)
      problems.Warning(*skinFile, 0,
                       std::to_string(picture.Width()) + "x" + std::to_string(picture.Height()) + ", but " +
                           skin->role + " is designed for " + std::to_string(skin->size.cx) + "x" +
                           std::to_string(skin->size.cy));
    if (skin->seeThrough && !picture.Empty() && EdgeShareOfCornerColour(picture) > 0.5)
      problems.Warning(*skinFile, 0,
                       std::string("its bottom-left colour also covers most of its edges: the picture is drawn "
                                   "transparent, that colour is see-through, and the edges show black; give the "
                                   "bottom-left pixel a colour of its own"));
  }
}

}  // namespace iv::check
