#include "tools/invoice_preview/watch_editor.h"

#include <cstdlib>

namespace iv {
namespace {

#ifdef _WIN32
// cmd.exe: START returns at once; its first quoted argument is the window title.
std::string Quoted(const std::string &text) { return "\"" + text + "\""; }
std::string InBackground(const std::string &command) { return "start \"\" " + command; }
#else
std::string Quoted(const std::string &text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
std::string InBackground(const std::string &command) { return command + " &"; }
#endif

}  // namespace

void OpenInEditor(const std::string &command, const std::string &file, int line) {
  // The editor's own complaints reach the terminal; the preview goes on either way.
  [[maybe_unused]] const int status =
      std::system(InBackground(command + " +" + std::to_string(line) + " " + Quoted(file)).c_str());
}

}  // namespace iv
