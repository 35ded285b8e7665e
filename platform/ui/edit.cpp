#include "platform/ui/edit.h"

#include "platform/gfx/canvas.h"
#include "platform/text/dbcs.h"

namespace iv {

namespace {

constexpr char kBackspace = 8;
constexpr int kTextMargin = 2;  // between the border and the text

// Where the last character starts: a double-byte character goes as a whole.
std::size_t LastCharacterStart(std::string_view text) {
  std::size_t pos = 0;
  while (pos + GbkCharSize(text, pos) < text.size()) pos += GbkCharSize(text, pos);
  return pos;
}

}  // namespace

void Edit::SetText(const std::string &text) {
  text_ = text;
  Invalidate();
}

void Edit::KeyPress(char &key) {
  GraphicControl::KeyPress(key);
  const auto byte = static_cast<unsigned char>(key);
  if (key == kBackspace) {
    if (!text_.empty()) SetText(text_.substr(0, LastCharacterStart(text_)));
  } else if (byte >= 0x20 && byte != 0x7F) {
    SetText(text_ + key);
  }
}

void Edit::Paint() { GetCanvas().Draw(Left(), Top(), EntryBoxImage(Width(), Height(), Font(), text_)); }

Bitmap EntryBoxImage(int width, int height, const TFont &font, std::string_view text) {
  // The text goes on the inside alone, so a long text is cut at the border.
  Bitmap inside(width - 2, height - 2);
  inside.Fill(clWhite);
  Canvas canvas(inside);
  canvas.Font() = font;
  canvas.Brush().Style = bsClear;
  canvas.TextOut(kTextMargin, (inside.Height() - canvas.TextHeight(text)) / 2, text);
  Bitmap box(width, height);
  box.Fill(clBlack);
  box.Draw(1, 1, inside);
  return box;
}

}  // namespace iv
