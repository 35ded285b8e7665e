#pragma once
// The display server behind SDL's windows may go away while a form is shown: the X server dies,
// the Wayland compositor ends. Xlib would then end the whole host process, and SDL's wait would
// spin on the dead X socket for ever. Watched, the loss is noted instead, the wait ends, and the
// back end lets its windows go without another word to the server.
#include <SDL.h>

#include <chrono>
#include <optional>

namespace iv {

// Starts watching the connection `window` is shown through (the first window is enough: SDL
// keeps one connection per process).
void WatchDisplayConnection(SDL_Window *window);
// True from the moment the connection is known to be gone; it never comes back.
bool DisplayConnectionLost();
// On X11, sleeps until the server sends something, `timeout` (none: no limit) passes or the
// connection breaks, and is true. False elsewhere: SDL's own wait serves there, and ends by
// itself when the compositor goes.
bool WaitForXServer(std::optional<std::chrono::milliseconds> timeout);

}  // namespace iv
