#include <SDL.h>

#include <cstring>

#include "platform/gfx/picture.h"
#include "platform/gfx/picture_limits.h"

namespace iv {

namespace {

std::int64_t ReadLittle(std::span<const std::uint8_t> data, std::size_t at, int bytes, bool isSigned) {
  std::uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | data[at + std::size_t(i)];
  if (isSigned && (value >> (bytes * 8 - 1)) & 1) return std::int64_t(value) - (std::int64_t(1) << (bytes * 8));
  return std::int64_t(value);
}

// The dimensions from the header, checked before SDL allocates the surface.
void CheckBmpHeader(std::span<const std::uint8_t> data) {
  if (data.size() < 26 || data[0] != 'B' || data[1] != 'M') throw EInvalidGraphic("BMP error: not a bitmap file");
  const std::int64_t headerSize = ReadLittle(data, 14, 4, false);
  std::int64_t width = 0, height = 0;
  if (headerSize == 12) {
    width = ReadLittle(data, 18, 2, false);
    height = ReadLittle(data, 20, 2, false);
  } else {
    width = ReadLittle(data, 18, 4, true);
    height = ReadLittle(data, 22, 4, true);
  }
  CheckPictureSize(width < 0 ? -width : width, height < 0 ? -height : height, "BMP");
}

}  // namespace

Bitmap DecodeBmp(std::span<const std::uint8_t> data) {
  CheckBmpHeader(data);
  SDL_RWops *stream = SDL_RWFromConstMem(data.data(), int(data.size()));
  SDL_Surface *loaded = stream ? SDL_LoadBMP_RW(stream, 1) : nullptr;
  if (loaded == nullptr) throw EInvalidGraphic(std::string("BMP error: ") + SDL_GetError());
  SDL_Surface *converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_BGR24, 0);
  SDL_FreeSurface(loaded);
  if (converted == nullptr) throw EInvalidGraphic(std::string("BMP error: ") + SDL_GetError());

  Bitmap bitmap(converted->w, converted->h);
  const auto *pixels = static_cast<const std::uint8_t *>(converted->pixels);
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(bitmap.Row(y), pixels + std::ptrdiff_t(y) * converted->pitch, std::size_t(converted->w) * 3);
  SDL_FreeSurface(converted);
  return bitmap;
}

}  // namespace iv
