#pragma once

namespace iv {

// The tools' output is bytes on every system: no CR is added before a line feed on Windows,
// so traces and printed texts are the same as on Linux. Their messages are UTF-8; on Windows,
// std::cout and std::cerr write them to a console as characters (a console shows bytes in
// its own code page), and as the same bytes to a file or pipe.
void SetUpStandardStreams();

}  // namespace iv
