#include "checks/template/installed_faces.h"

#include <map>

#include "platform/gfx/font.h"
#include "platform/gfx/font_engine.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

std::string FaceFor(const std::string &name) {
  TFont font;
  font.SetName(name);
  return FontEngine::Instance().FaceFile(font.LogFont());
}

}  // namespace

std::optional<std::string> FallbackFaceOnly(const std::string &name) {
  // No face is called this: the engine picks its fallback for it.
  static const std::string kFallback = FaceFor("iv-no-such-face");
  static std::map<std::string, std::string> faces;
  auto found = faces.find(name);
  if (found == faces.end()) found = faces.emplace(name, FaceFor(name)).first;
  if (found->second != kFallback) return std::nullopt;
  // The engine names faces in UTF-8 (a GDI face name may be Chinese); problems are GBK.
  return Utf8ToGbk(kFallback);
}

}  // namespace iv
