#include "config/host_handles.h"

#include <cstddef>
#include <cstring>
#include <exception>
#include <type_traits>
#include <utility>

#include "platform/fpu/float_settings.h"
#include "platform/gfx/picture_limits.h"
#include "platform/ui/application.h"
#include "platform/ui/image.h"

namespace iv {

// The host's pointer is the first member's, so it converts back to its record.
static_assert(std::is_standard_layout_v<HostFormHandle> && std::is_standard_layout_v<HostImageHandle>);

HostFormHandle::HostFormHandle(Form &form) : form_(&form) {
  static const IvFormOps ops{&PostKeyOp, &PostClickOp, &PostSnapshotOp};
  handle_.ops = &ops;
}

Form &HostFormHandle::OwnerOf(IvForm *handle) { return *reinterpret_cast<HostFormHandle *>(handle)->form_; }

int IV_CALL HostFormHandle::PostKeyOp(IvForm *handle, int vk) {
  const LibraryFloatSettings floatSettings;
  if (handle == nullptr || vk <= 0 || vk > 0xFE) return 0;
  return Application::Instance().PostKeyStroke(OwnerOf(handle), std::uint16_t(vk)) ? 1 : 0;
}

int IV_CALL HostFormHandle::PostClickOp(IvForm *handle, int x, int y) {
  const LibraryFloatSettings floatSettings;
  if (handle == nullptr) return 0;
  return Application::Instance().PostClick(OwnerOf(handle), x, y) ? 1 : 0;
}

int IV_CALL HostFormHandle::PostSnapshotOp(IvForm *handle, const char *pngPath) {
  const LibraryFloatSettings floatSettings;
  if (handle == nullptr || pngPath == nullptr || *pngPath == '\0') return 0;
  return Application::Instance().PostSnapshot(OwnerOf(handle), pngPath) ? 1 : 0;
}

HostImageHandle::HostImageHandle(Image &image) : image_(&image) {
  static const IvControlOps ops{&LoadPictureOp, &SetPixelsOp};
  handle_.ops = &ops;
}

HostImageHandle &HostImageHandle::RecordOf(IvControl *handle) { return *reinterpret_cast<HostImageHandle *>(handle); }

int IV_CALL HostImageHandle::LoadPictureOp(IvControl *handle, const char *path) {
  const LibraryFloatSettings floatSettings;
  if (handle == nullptr || path == nullptr) return 0;
  HostImageHandle &record = RecordOf(handle);
  try {
    record.image_->LoadFromFile(path);
    record.filled_ = true;
    return 1;
  } catch (const std::exception &error) {
    record.load_failure_ = error.what();
    return 0;  // nothing may be thrown across the host's frames
  }
}

int IV_CALL HostImageHandle::SetPixelsOp(IvControl *handle, int width, int height, int stride,
                                         const unsigned char *bgr) {
  const LibraryFloatSettings floatSettings;
  if (handle == nullptr || bgr == nullptr || !AcceptablePictureSize(width, height) || stride < 3 * width) return 0;
  HostImageHandle &record = RecordOf(handle);
  try {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y)
      std::memcpy(picture.Row(y), bgr + std::size_t(y) * std::size_t(stride), std::size_t(3 * width));
    record.image_->SetPicture(std::move(picture));
    record.filled_ = true;
    return 1;
  } catch (const std::exception &) {
    return 0;
  }
}

}  // namespace iv
