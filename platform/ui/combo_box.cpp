#include "platform/ui/combo_box.h"

#include <algorithm>
#include <utility>

#include "platform/display/virtual_keys.h"
#include "platform/ui/edit.h"

namespace iv {

namespace {

constexpr int kArrowButtonWidth = 13;

// A button face at the right with a small downward triangle in its middle.
void DrawArrowButton(Bitmap &box) {
  const TRect button = {box.Width() - 1 - kArrowButtonWidth, 1, box.Width() - 1, box.Height() - 1};
  box.Fill(button, ColorToRGB(clBtnFace));
  const int centerX = (button.Left + button.Right) / 2;
  const int top = (button.Top + button.Bottom) / 2 - 1;
  for (int row = 0; row < 4; ++row)
    box.Fill({centerX - 3 + row, top + row, centerX + 4 - row, top + row + 1}, clBlack);
}

}  // namespace

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  item_index_ = IndexOf(text_);
  Invalidate();
}

void ComboBox::SetItemIndex(int index) {
  const bool valid = index >= 0 && index < int(items_.size());
  item_index_ = valid ? index : -1;
  text_ = valid ? items_[std::size_t(index)] : std::string();
  Invalidate();
}

void ComboBox::SetText(const std::string &text) {
  text_ = text;
  item_index_ = IndexOf(text_);
  Invalidate();
}

int ComboBox::IndexOf(const std::string &text) const {
  const auto found = std::find(items_.begin(), items_.end(), text);
  return found == items_.end() ? -1 : int(found - items_.begin());
}

void ComboBox::KeyDown(std::uint16_t &key, TShiftState shift) {
  GraphicControl::KeyDown(key, shift);
  if (items_.empty()) return;
  const int last = int(items_.size()) - 1;
  if (key == VK_UP) SetItemIndex(std::clamp(item_index_ - 1, 0, last));
  if (key == VK_DOWN) SetItemIndex(std::min(item_index_ + 1, last));
}

void ComboBox::Paint() {
  Bitmap box = EntryBoxImage(Width(), Height(), Font(), text_);
  DrawArrowButton(box);
  GetCanvas().Draw(Left(), Top(), box);
}

}  // namespace iv
