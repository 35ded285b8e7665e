#include "platform/display/virtual_keys.h"

#include <utility>

namespace iv {
namespace {

// Scan code set 1 of a US PC keyboard. Extended keys (arrows, Insert/Delete block) share
// their codes with the keypad, as the Windows mapping reports them.
constexpr std::pair<std::uint16_t, std::uint8_t> kScanCodes[] = {
    {VK_ESCAPE, 0x01}, {'1', 0x02}, {'2', 0x03}, {'3', 0x04}, {'4', 0x05}, {'5', 0x06},
    {'6', 0x07}, {'7', 0x08}, {'8', 0x09}, {'9', 0x0A}, {'0', 0x0B}, {VK_BACK, 0x0E},
    {VK_TAB, 0x0F}, {'Q', 0x10}, {'W', 0x11}, {'E', 0x12}, {'R', 0x13}, {'T', 0x14},
    {'Y', 0x15}, {'U', 0x16}, {'I', 0x17}, {'O', 0x18}, {'P', 0x19}, {VK_RETURN, 0x1C},
    {VK_CONTROL, 0x1D}, {'A', 0x1E}, {'S', 0x1F}, {'D', 0x20}, {'F', 0x21}, {'G', 0x22},
    {'H', 0x23}, {'J', 0x24}, {'K', 0x25}, {'L', 0x26}, {VK_SHIFT, 0x2A}, {'Z', 0x2C},
    {'X', 0x2D}, {'C', 0x2E}, {'V', 0x2F}, {'B', 0x30}, {'N', 0x31}, {'M', 0x32},
    {VK_MULTIPLY, 0x37}, {VK_MENU, 0x38}, {VK_SPACE, 0x39}, {VK_CAPITAL, 0x3A},
    {VK_F1, 0x3B}, {VK_F1 + 1, 0x3C}, {VK_F1 + 2, 0x3D}, {VK_F1 + 3, 0x3E}, {VK_F1 + 4, 0x3F},
    {VK_F1 + 5, 0x40}, {VK_F1 + 6, 0x41}, {VK_F1 + 7, 0x42}, {VK_F1 + 8, 0x43},
    {VK_F1 + 9, 0x44}, {VK_PAUSE, 0x45}, {VK_HOME, 0x47}, {VK_UP, 0x48}, {VK_PRIOR, 0x49},
    {VK_SUBTRACT, 0x4A}, {VK_LEFT, 0x4B}, {VK_RIGHT, 0x4D}, {VK_ADD, 0x4E}, {VK_END, 0x4F},
    {VK_DOWN, 0x50}, {VK_NEXT, 0x51}, {VK_INSERT, 0x52}, {VK_DELETE, 0x53},
    {VK_F1 + 10, 0x57}, {VK_F12, 0x58}, {VK_NUMPAD0 + 7, 0x47}, {VK_NUMPAD0 + 8, 0x48},
    {VK_NUMPAD0 + 9, 0x49}, {VK_NUMPAD0 + 4, 0x4B}, {VK_NUMPAD0 + 5, 0x4C},
    {VK_NUMPAD0 + 6, 0x4D}, {VK_NUMPAD0 + 1, 0x4F}, {VK_NUMPAD0 + 2, 0x50},
    {VK_NUMPAD0 + 3, 0x51}, {VK_NUMPAD0, 0x52}, {VK_DECIMAL, 0x53}, {VK_DIVIDE, 0x35},
};

// Shifted digits of a US layout, '0' to '9'.
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

std::uint32_t MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType) {
  for (const auto &[vk, scan] : kScanCodes) {
    if (mapType == MAPVK_VK_TO_VSC && vk == code) return scan;
    // Scan codes shared by two keys map back to the main block's key, listed first.
    if (mapType == MAPVK_VSC_TO_VK && scan == code) return vk;
  }
  return 0;
}

char KeyCharacter(std::uint16_t vk, TShiftState shift) {
  const bool shifted = (shift & ssShift) != 0;
  if (shift & (ssCtrl | ssAlt)) return 0;
  switch (vk) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_SPACE:
      return char(vk);
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    default: break;
  }
  if (vk >= 'A' && vk <= 'Z') return shifted ? char(vk) : char(vk - 'A' + 'a');
  if (vk >= '0' && vk <= '9') return shifted ? kShiftedDigits[vk - '0'] : char(vk);
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return char('0' + vk - VK_NUMPAD0);
  return 0;
}

}  // namespace iv
