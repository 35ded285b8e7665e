#include "platform/fs/standard_streams.h"

namespace iv {

void SetUpStandardStreams() {}

}  // namespace iv
