#include "platform/ui/application.h"

namespace iv {

Application &Application::Instance() {
  static Application application;
  return application;
}

}  // namespace iv
