#pragma once

namespace iv {

// The tools' output is bytes on every system: no CR is added before a line feed on Windows,
// so traces and printed texts are the same as on Linux.
void UseBinaryStandardStreams();

}  // namespace iv
