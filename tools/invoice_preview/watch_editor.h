#pragma once
// Opens the template in the author's editor at a line, without waiting for the editor.
#include <string>

namespace iv {

// Runs `command +LINE FILE` through the system's shell in the background (the convention of vi,
// nano, emacs and most editors); `command` may hold arguments of its own.
void OpenInEditor(const std::string &command, const std::string &file, int line);

}  // namespace iv
