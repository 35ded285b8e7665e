#include "invoice/kiosk_file.h"

#include "platform/fs/paths.h"

namespace iv {

std::string KioskFile(const std::string &name) {
  return ResolvePath(JoinPath(CurrentDirectory(), ToNativeSeparators(name)));
}

}  // namespace iv
