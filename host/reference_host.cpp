#include "host/reference_host.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "host/skin_file.h"
#include "platform/fs/command_line.h"
#include "platform/fs/open_file.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"

namespace iv::host {
namespace {

// One trace line: GBK text shown as UTF-8, line breaks written as \r and \n.
void Trace(const std::string &what, const char *gbk) {
  std::string text = GbkToUtf8(gbk != nullptr ? gbk : "");
  std::string escaped;
  for (char c : text) {
    if (c == '\r')
      escaped += "\\r";
    else if (c == '\n')
      escaped += "\\n";
    else
      escaped += c;
  }
  std::cout << what << (escaped.empty() ? "" : " ") << escaped << "\n" << std::flush;
}

// Virtual-key codes, and the centres of the invoice screen's return button (674, 448, 84 x 80)
// and print button (573, 448, 89 x 80).
constexpr int kVkTab = 9, kVkReturn = 13, kVkEscape = 27, kVkUp = 38, kVkDown = 40;
constexpr int kReturnButtonX = 716, kReturnButtonY = 488;
constexpr int kPrintButtonX = 617, kPrintButtonY = 488;

}  // namespace

ReferenceHost::ReferenceHost(Options options) : options_(std::move(options)) {
  vtbl_.ReportError = &ReferenceHost::ReportError;
  vtbl_.LoadSkinImage = &ReferenceHost::LoadSkinImage;
  vtbl_.FormActivated = &ReferenceHost::FormActivated;
  vtbl_.TextToValue = &ReferenceHost::TextToValue;
  vtbl_.PrintText = &ReferenceHost::PrintText;
  services_.vtbl = &vtbl_;
  services_.WindowHandle = 0;
  business_key_ = options_.businessKey;
  services_.BusinessKey = business_key_.c_str();
}

ReferenceHost &ReferenceHost::Of(THostServices *self) {
  return *reinterpret_cast<ReferenceHost *>(reinterpret_cast<char *>(self) - offsetof(ReferenceHost, services_));
}

void IV_CALL ReferenceHost::ReportError(THostServices *, const char *text) { Trace("ReportError", text); }

// The trace says when the skin could not be given: no file for it, or a file the control
// refused.
void IV_CALL ReferenceHost::LoadSkinImage(THostServices *self, IvControl *control, const char *name) {
  ReferenceHost &host = Of(self);
  const std::string skin = name != nullptr ? name : "";
  const std::string folder = host.options_.skins.empty() ? "skins" : host.options_.skins;
  const std::optional<std::string> path = FindSkinFile(folder, skin);
  if (!path) {
    Trace("LoadSkinImage", (skin + " (no file in " + JoinPath(folder, "") + ")").c_str());
    return;
  }
  const bool loaded =
      control != nullptr && control->ops != nullptr && control->ops->LoadPicture(control, path->c_str()) != 0;
  Trace("LoadSkinImage", (loaded ? skin : skin + " (cannot load " + *path + ")").c_str());
}

void IV_CALL ReferenceHost::FormActivated(THostServices *self, IvForm *form) {
  ReferenceHost &host = Of(self);
  Trace("FormActivated", nullptr);
  if (!host.keys_posted_ && form != nullptr && form->ops != nullptr) {
    host.keys_posted_ = true;
    host.PostKeys(form);
  }
}

void ReferenceHost::PostKeys(IvForm *form) {
  for (const std::string &key : options_.keys) {
    if (key == "Up")
      form->ops->PostKey(form, kVkUp);
    else if (key == "Down")
      form->ops->PostKey(form, kVkDown);
    else if (key == "Enter")
      form->ops->PostKey(form, kVkReturn);
    else if (key == "Escape")
      form->ops->PostKey(form, kVkEscape);
    else if (key == "Tab")
      form->ops->PostKey(form, kVkTab);
    else if (key == "ClickReturn")
      form->ops->PostClick(form, kReturnButtonX, kReturnButtonY);
    else if (key == "ClickPrint")
      form->ops->PostClick(form, kPrintButtonX, kPrintButtonY);
    else if (key == "Snap") {
      char name[16];
      std::snprintf(name, sizeof name, "%03d.png", ++snapshot_count_);
      std::string folder = options_.snapshotDir.empty() ? "." : options_.snapshotDir;
      form->ops->PostSnapshot(form, JoinPath(folder, name).c_str());
    }
  }
}

void IV_CALL ReferenceHost::TextToValue(THostServices *self, const char *text, int32_t kind, IvVariant *out) {
  ReferenceHost &host = Of(self);
  Trace("TextToValue " + std::to_string(kind), text);
  if (out == nullptr) return;
  host.last_value_text_ = text != nullptr ? text : "";
  *out = IvVariant{};
  if (kind == 1) {
    out->type = IV_VAR_DOUBLE;
    out->d = std::strtod(host.last_value_text_.c_str(), nullptr);
  } else if (kind == 2) {
    out->type = IV_VAR_INT;
    out->i = std::strtoll(host.last_value_text_.c_str(), nullptr, 10);
  } else {
    out->type = IV_VAR_STRING;
    out->s = host.last_value_text_.c_str();
  }
}

void IV_CALL ReferenceHost::PrintText(THostServices *self, const char *text) {
  ReferenceHost &host = Of(self);
  Trace("PrintText", text);
  if (host.options_.printOut.empty() || text == nullptr) return;
  const FilePtr file = OpenFile(host.options_.printOut, "ab");
  const std::size_t length = std::strlen(text);
  if (!file || std::fwrite(text, 1, length, file.get()) != length || std::fflush(file.get()) != 0) {
    std::cerr << "kiosk-host: cannot write " << NameInMessage(host.options_.printOut) << ": " << std::strerror(errno)
              << "\n";
    ++host.file_errors_;
  }
}

}  // namespace iv::host
