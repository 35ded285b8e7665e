#pragma once
// Waiting for an observable state (a window on the screen, a file written, a program ended)
// instead of sleeping for a guessed time: a slow machine or window system only takes longer.
#include <chrono>
#include <functional>
#include <thread>

namespace iv::test {

// Checks `done` every 50 ms until it holds; false when it still does not after `limit`, a
// bound far above what any step needs, so that a broken program fails instead of hanging.
inline bool Eventually(const std::function<bool()> &done, std::chrono::seconds limit = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

}  // namespace iv::test
