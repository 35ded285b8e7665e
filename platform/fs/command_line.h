#pragma once
// The tools' command line. Their arguments are text in UTF-8 from here on, on every system;
// the ones that name a file, a folder or a business key become names as the system holds them.
#include <string>
#include <vector>

namespace iv {

// The arguments after the program's name. Windows gives a program its arguments in UTF-16 (the
// narrow argv is in the ANSI code page, which need not hold them, and is not UTF-8): there they
// are read from the wide command line. Elsewhere they are argv's bytes.
std::vector<std::string> CommandLineArguments(int argc, char **argv);

// An argument naming a file, a folder or a business key, as the system's names are: GBK on
// Windows (platform/fs opens it by its UTF-16 name), the bytes as given elsewhere.
std::string NameArgument(const std::string &argument);

// A name in a message: the messages are UTF-8, names GBK on Windows and bytes elsewhere.
std::string NameInMessage(const std::string &name);

}  // namespace iv
