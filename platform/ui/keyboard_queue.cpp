#include "platform/ui/keyboard.h"

#include "platform/ui/application.h"

namespace iv {

bool keybd_event(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
  Application &application = Application::Instance();
  Form *form = application.ActiveForm();
  return form != nullptr && application.PostKeyEvent(*form, vk, scan, (flags & KEYEVENTF_KEYUP) != 0);
}

}  // namespace iv
