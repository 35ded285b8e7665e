// Kept apart from the rest of the back end: Xlib's macros (FocusIn, Expose, ...) would clash
// with the input event names.
#include "platform/display/sdl_owner_window.h"

#include <SDL_syswm.h>

#include <cstring>

namespace iv {
namespace {

bool x_error_seen = false;

int RecordXError(::Display *, XErrorEvent *) {
  x_error_seen = true;
  return 0;
}

}  // namespace

SDL_Window *WrapOwnerWindow(std::uintptr_t handle, SDL_Window *ours) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (handle == 0 || std::strcmp(SDL_GetCurrentVideoDriver(), "x11") != 0 ||
      !SDL_GetWindowWMInfo(ours, &info))
    return nullptr;
  // Xlib's default error handler ends the process; a stale or wrong handle must only cost
  // the modality. SDL links Xlib itself, so its functions are looked up rather than linked.
  void *xlib = SDL_LoadObject("libX11.so.6");
  if (xlib == nullptr) return nullptr;
  const auto setErrorHandler =
      reinterpret_cast<decltype(&XSetErrorHandler)>(SDL_LoadFunction(xlib, "XSetErrorHandler"));
  const auto sync = reinterpret_cast<decltype(&XSync)>(SDL_LoadFunction(xlib, "XSync"));
  SDL_Window *wrapper = nullptr;
  if (setErrorHandler != nullptr && sync != nullptr) {
    ::Display *connection = info.info.x11.display;
    sync(connection, False);  // errors of earlier requests are not this trap's
    x_error_seen = false;
    const auto previous = setErrorHandler(&RecordXError);
    wrapper = SDL_CreateWindowFrom(reinterpret_cast<const void *>(handle));
    sync(connection, False);
    if (x_error_seen && wrapper != nullptr) {
      SDL_DestroyWindow(wrapper);
      sync(connection, False);
      wrapper = nullptr;
    }
    setErrorHandler(previous);
  }
  SDL_UnloadObject(xlib);
  return wrapper;
}

}  // namespace iv
