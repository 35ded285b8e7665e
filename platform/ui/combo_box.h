#pragma once
// A drop-down list shown closed: a box with the current text and an arrow. Up and Down move
// the selection through the items; the list itself never opens.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/graphic_control.h"

namespace iv {

class ComboBox : public GraphicControl {
 public:
  explicit ComboBox(WinControl &parent) : GraphicControl(parent) {}

  const std::vector<std::string> &Items() const { return items_; }  // GBK
  // The selection follows the text: the first item equal to it, or none.
  void SetItems(std::vector<std::string> items);
  // -1: no item selected.
  int ItemIndex() const { return item_index_; }
  // Selects an item and shows its text; an index outside the items selects none and clears the text.
  void SetItemIndex(int index);
  const std::string &Text() const { return text_; }
  // Selects the first item equal to the text, or none.
  void SetText(const std::string &text);
  // Lines the opened list would show.
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int count) { drop_down_count_ = count; }

  bool CanFocus() const override { return true; }
  // OnKeyDown runs first and may swallow the key.
  void KeyDown(std::uint16_t &key, TShiftState shift) override;
  void Paint() override;

 private:
  int IndexOf(const std::string &text) const;

  std::vector<std::string> items_;
  int item_index_ = -1;
  std::string text_;
  int drop_down_count_ = 8;
};

}  // namespace iv
