// Kept apart from the rest of the back end: Xlib's macros (FocusIn, Expose, ...) would clash
// with the input event names.
#include "platform/display/sdl_connection.h"

#include <SDL_syswm.h>
#include <poll.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>

namespace iv {
namespace {

bool lost = false;
::Display *x_display = nullptr;
decltype(&XFlush) x_flush = nullptr;
XIOErrorHandler host_io_error_handler = nullptr;
// The compositor's connection, asked at each look whether it broke.
int (*wayland_error)(wl_display *) = nullptr;
wl_display *wayland_display = nullptr;

// Xlib's handler of a broken connection ends the process; on SDL's connection the loss is noted
// and the handler returns. The host's own connections keep the handler they had.
int NoteXConnectionLoss(::Display *display) {
  if (display != x_display) return host_io_error_handler != nullptr ? host_io_error_handler(display) : 0;
  lost = true;
  return 0;
}

// Called by Xlib after that handler, in place of exit(); returning keeps the host's process
// alive, and Xlib ignores every later request on the connection.
void KeepProcessAlive(::Display *, void *) {}

// A function of a library SDL has loaded already; SDL links the window systems' libraries
// itself, so nothing here links them.
template <class Function>
Function LoadedFunction(const char *library, const char *name) {
  void *loaded = SDL_LoadObject(library);
  if (loaded == nullptr) return nullptr;
  // The library stays loaded after the handle is let go: SDL keeps its own.
  const auto function = reinterpret_cast<Function>(SDL_LoadFunction(loaded, name));
  SDL_UnloadObject(loaded);
  return function;
}

void WatchX11(::Display *display) {
  x_display = display;
  x_flush = LoadedFunction<decltype(&XFlush)>("libX11.so.6", "XFlush");
  if (const auto set = LoadedFunction<decltype(&XSetIOErrorHandler)>("libX11.so.6", "XSetIOErrorHandler"))
    host_io_error_handler = set(&NoteXConnectionLoss);
  // Xlib from 1.7 on; an older one ends the process after the handler, promptly now that the
  // windows are let go without a word to the dead server.
  using SetExitHandler = void (*)(::Display *, void (*)(::Display *, void *), void *);
  if (const auto set = LoadedFunction<SetExitHandler>("libX11.so.6", "XSetIOErrorExitHandler"))
    set(display, &KeepProcessAlive, nullptr);
}

}  // namespace

void WatchDisplayConnection(SDL_Window *window) {
  static bool watching = false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (watching || !SDL_GetWindowWMInfo(window, &info)) return;
  watching = true;
  if (info.subsystem == SDL_SYSWM_X11) {
    WatchX11(info.info.x11.display);
  } else if (info.subsystem == SDL_SYSWM_WAYLAND) {
    wayland_error = LoadedFunction<int (*)(wl_display *)>("libwayland-client.so.0", "wl_display_get_error");
    wayland_display = info.info.wl.display;
  }
}

bool DisplayConnectionLost() {
  if (!lost && wayland_error != nullptr && wayland_error(wayland_display) != 0) lost = true;
  return lost;
}

bool WaitForXServer(std::optional<std::chrono::milliseconds> timeout) {
  if (x_display == nullptr) return false;
  // What SDL asked of the server goes out before the sleep, as SDL's own wait does it.
  if (x_flush != nullptr) x_flush(x_display);
  pollfd connection[1] = {};
  connection[0].fd = ConnectionNumber(x_display);
  connection[0].events = POLLIN;
  poll(connection, std::size(connection), timeout ? int(std::clamp<std::int64_t>(timeout->count(), 0, INT_MAX)) : -1);
  return true;
}

}  // namespace iv
