#pragma once
// The host's window as SDL sees it, so forms can be made modal to it.
#include <SDL.h>

#include <cstdint>

namespace iv {

// An SDL wrapper of the host's X11 window `handle`; `ours` is any window of this process on the
// same connection. nullptr when SDL cannot wrap it (another video driver, a handle that names
// no window): the form is then simply not modal. Destroying the wrapper leaves the window.
SDL_Window *WrapOwnerWindow(std::uintptr_t handle, SDL_Window *ours);

}  // namespace iv
