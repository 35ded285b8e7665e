#include "platform/fs/command_line.h"

namespace iv {

std::vector<std::string> CommandLineArguments(int argc, char **argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

std::string NameArgument(const std::string &argument) { return argument; }

std::string NameInMessage(const std::string &name) { return name; }

}  // namespace iv
