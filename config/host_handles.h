#pragma once
// The C handles the host is given for a form and for a picture control: the host posts input
// and snapshots to the form through IvForm, and fills the picture through IvControl. A handle
// is valid while the object it is made for lives; the handle's address is its record's.
// Each operation is an entry from the host's code: it runs with the library's floating-point
// settings and leaves the host's as they were.
#include <string>

#include "invoiceview/host_services.h"

namespace iv {

class Form;
class Image;

class HostFormHandle {
 public:
  explicit HostFormHandle(Form &form);
  HostFormHandle(const HostFormHandle &) = delete;
  HostFormHandle &operator=(const HostFormHandle &) = delete;

  IvForm *Get() { return &handle_; }

 private:
  static Form &OwnerOf(IvForm *handle);
  static int IV_CALL PostKeyOp(IvForm *handle, int vk);
  static int IV_CALL PostClickOp(IvForm *handle, int x, int y);
  static int IV_CALL PostSnapshotOp(IvForm *handle, const char *pngPath);

  IvForm handle_;  // first, so a handle's address is this object's
  Form *form_;
};

class HostImageHandle {
 public:
  explicit HostImageHandle(Image &image);
  HostImageHandle(const HostImageHandle &) = delete;
  HostImageHandle &operator=(const HostImageHandle &) = delete;

  IvControl *Get() { return &handle_; }
  // Whether the host gave the control a picture through this handle.
  bool Filled() const { return filled_; }
  // Why the host's last LoadPicture failed; empty when none did.
  const std::string &LoadFailure() const { return load_failure_; }

 private:
  static HostImageHandle &RecordOf(IvControl *handle);
  static int IV_CALL LoadPictureOp(IvControl *handle, const char *path);
  static int IV_CALL SetPixelsOp(IvControl *handle, int width, int height, int stride, const unsigned char *bgr);

  IvControl handle_;  // first, so a handle's address is this object's
  Image *image_;
  bool filled_ = false;
  std::string load_failure_;
};

}  // namespace iv
