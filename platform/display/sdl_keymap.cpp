#include "platform/display/sdl_keymap.h"

#include <utility>

#include "platform/display/virtual_keys.h"

namespace iv {
namespace {

constexpr std::uint16_t VK_CLEAR = 0x0C, VK_SNAPSHOT = 0x2C, VK_LWIN = 0x5B, VK_RWIN = 0x5C,
                        VK_APPS = 0x5D, VK_F13 = 0x7C, VK_NUMLOCK = 0x90, VK_SCROLL = 0x91,
                        VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC,
                        VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF,
                        VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD,
                        VK_OEM_7 = 0xDE;

constexpr std::pair<SDL_Keycode, std::uint16_t> kKeys[] = {
    {SDLK_BACKSPACE, VK_BACK}, {SDLK_TAB, VK_TAB}, {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE}, {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR}, {SDLK_PAGEDOWN, VK_NEXT}, {SDLK_END, VK_END}, {SDLK_HOME, VK_HOME},
    {SDLK_LEFT, VK_LEFT}, {SDLK_UP, VK_UP}, {SDLK_RIGHT, VK_RIGHT}, {SDLK_DOWN, VK_DOWN},
    {SDLK_INSERT, VK_INSERT}, {SDLK_DELETE, VK_DELETE}, {SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, VK_SHIFT}, {SDLK_LCTRL, VK_CONTROL}, {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU}, {SDLK_RALT, VK_MENU}, {SDLK_LGUI, VK_LWIN}, {SDLK_RGUI, VK_RWIN},
    {SDLK_APPLICATION, VK_APPS}, {SDLK_PAUSE, VK_PAUSE}, {SDLK_CAPSLOCK, VK_CAPITAL},
    {SDLK_NUMLOCKCLEAR, VK_NUMLOCK}, {SDLK_SCROLLLOCK, VK_SCROLL},
    {SDLK_PRINTSCREEN, VK_SNAPSHOT}, {SDLK_KP_MULTIPLY, VK_MULTIPLY}, {SDLK_KP_PLUS, VK_ADD},
    {SDLK_KP_MINUS, VK_SUBTRACT}, {SDLK_KP_DIVIDE, VK_DIVIDE}, {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS}, {SDLK_COMMA, VK_OEM_COMMA}, {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD}, {SDLK_SLASH, VK_OEM_2}, {SDLK_BACKQUOTE, VK_OEM_3},
    {SDLK_LEFTBRACKET, VK_OEM_4}, {SDLK_BACKSLASH, VK_OEM_5}, {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},
};

// Keypad 1..9 and 0 without Num Lock: the navigation keys printed on them.
constexpr std::uint16_t kKeypadNavigation[] = {VK_END,  VK_DOWN,  VK_NEXT,  VK_LEFT, VK_CLEAR,
                                               VK_RIGHT, VK_HOME, VK_UP,   VK_PRIOR, VK_INSERT};

std::uint16_t KeypadKey(SDL_Scancode code, bool numLock) {
  if (code == SDL_SCANCODE_KP_PERIOD) return numLock ? VK_DECIMAL : VK_DELETE;
  // SDL numbers the keypad 1..9, then 0.
  const int index = code - SDL_SCANCODE_KP_1;
  const int digit = (index + 1) % 10;
  return numLock ? std::uint16_t(VK_NUMPAD0 + digit) : kKeypadNavigation[index];
}

}  // namespace

std::uint16_t VirtualKeyOf(const SDL_Keysym &key) {
  const SDL_Scancode code = key.scancode;
  if ((code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_0) || code == SDL_SCANCODE_KP_PERIOD)
    return KeypadKey(code, (key.mod & KMOD_NUM) != 0);
  if (key.sym >= 'a' && key.sym <= 'z') return std::uint16_t(key.sym - 'a' + 'A');
  // The digit row gives digits on Windows whatever the layout types there.
  if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_0) return std::uint16_t('0' + (code - SDL_SCANCODE_1 + 1) % 10);
  if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) return VK_F1 + (code - SDL_SCANCODE_F1);
  if (code >= SDL_SCANCODE_F13 && code <= SDL_SCANCODE_F24) return VK_F13 + (code - SDL_SCANCODE_F13);
  for (const auto &[sym, vk] : kKeys)
    if (sym == key.sym) return vk;
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return std::uint16_t('A' + (code - SDL_SCANCODE_A));
  return 0;
}

}  // namespace iv
