// Windows synthesises keys into the system's input stream, which delivers them to the active
// window as pressed keys. A headless display has no window to receive them: there the key goes
// through the application's queue.
#include "platform/ui/keyboard.h"

#include "platform/ui/application.h"

// Last: windows.h makes macros of names the project's headers declare (KEYEVENTF_KEYUP, ...).
#include <windows.h>

namespace iv {

bool keybd_event(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
  Application &application = Application::Instance();
  Form *form = application.ActiveForm();
  if (form == nullptr) return false;
  const bool keyUp = (flags & KEYEVENTF_KEYUP) != 0;
  if (application.GetDisplay().EndsWhenIdle()) return application.PostKeyEvent(*form, vk, scan, keyUp);
  ::keybd_event(vk, scan, keyUp ? KEYEVENTF_KEYUP : 0, 0);
  return true;
}

}  // namespace iv
