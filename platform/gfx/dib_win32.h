#pragma once
// The header GDI takes for an image laid out as a Bitmap's rows: top-down, uncompressed.
// Include after the project's other headers: windows.h makes macros of names they declare.
#include <windows.h>

namespace iv {

inline BITMAPINFO TopDownDibInfo(int width, int height, WORD bitsPerPixel) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: the first row is the top one
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace iv
