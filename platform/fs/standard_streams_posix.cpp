#include "platform/fs/standard_streams.h"

namespace iv {

void UseBinaryStandardStreams() {}

}  // namespace iv
