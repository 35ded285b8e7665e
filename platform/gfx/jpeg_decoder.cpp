#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include "platform/gfx/picture.h"
#include "platform/gfx/picture_limits.h"

namespace iv {

namespace {

// libjpeg's default error handling ends the process; ours jumps back and raises instead.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  auto *errors = reinterpret_cast<ErrorManager *>(info->err);
  errors->base.format_message(info, errors->message);
  std::longjmp(errors->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Only plain C data lives in this frame, so the jump skips no destructor. Returns false with
// the message set when libjpeg fails; a picture of unusable size is left undecoded.
bool Decode(std::span<const std::uint8_t> data, Bitmap &bitmap, ErrorManager &errors,
            jpeg_decompress_struct &info) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  if (!AcceptablePictureSize(info.image_width, info.image_height)) return true;
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  bitmap.SetSize(int(info.output_width), int(info.output_height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = bitmap.Row(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

Bitmap DecodeJpeg(std::span<const std::uint8_t> data) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOnError;
  errors.base.output_message = IgnoreMessage;
  Bitmap bitmap;
  const bool decoded = Decode(data, bitmap, errors, info);
  const std::int64_t width = info.image_width, height = info.image_height;
  jpeg_destroy_decompress(&info);
  if (!decoded) throw PictureError(std::string("JPEG error: ") + errors.message);
  if (bitmap.Empty()) CheckPictureSize(width, height, "JPEG");

  // libjpeg gives red, green, blue; the bitmap keeps blue first.
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t *pixel = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, pixel += 3) std::swap(pixel[0], pixel[2]);
  }
  return bitmap;
}

}  // namespace iv
