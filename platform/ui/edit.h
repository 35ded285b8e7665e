#pragma once
// A one-line entry field: a bordered white box showing its text. Typed characters are added
// at the end and Backspace takes the last character off; there is no caret or selection.
#include <string>
#include <string_view>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "platform/ui/graphic_control.h"

namespace iv {

class Edit : public GraphicControl {
 public:
  explicit Edit(WinControl &parent) : GraphicControl(parent) {}

  const std::string &Text() const { return text_; }  // GBK
  void SetText(const std::string &text);

  bool CanFocus() const override { return true; }
  // OnKeyPress runs first and may swallow the character.
  void KeyPress(char &key) override;
  void Paint() override;

 private:
  std::string text_;
};

// The look of an entry box of the given size: a 1-pixel border, white inside, the text in the
// font at the left, cut at the border. Drop-down lists draw their text the same way.
Bitmap EntryBoxImage(int width, int height, const TFont &font, std::string_view text);

}  // namespace iv
