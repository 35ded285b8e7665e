#pragma once
#include <cstdint>

namespace iv {

// The library's application object: its windows are owned by, and modal to, the host window
// whose handle it holds.
class Application {
 public:
  static Application &Instance();

  std::uintptr_t Handle() const { return handle_; }
  void SetHandle(std::uintptr_t handle) { handle_ = handle; }

 private:
  std::uintptr_t handle_ = 0;
};

}  // namespace iv
