#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <initializer_list>

#include "platform/fs/standard_streams.h"

namespace iv {

void UseBinaryStandardStreams() {
  for (std::FILE *stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace iv
