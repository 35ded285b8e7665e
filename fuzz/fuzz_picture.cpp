// Picture decoders take hostile files: every failure must be a PictureError.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gfx/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 1) return 0;
  const std::span<const std::uint8_t> file(data + 1, size - 1);
  try {
    switch (data[0] % 3) {
      case 0: iv::DecodeJpeg(file); break;
      case 1: iv::DecodePng(file); break;
      default: iv::DecodeBmp(file); break;
    }
  } catch (const iv::PictureError &) {
  }
  return 0;
}
