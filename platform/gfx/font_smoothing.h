#pragma once
// The system's font smoothing, which the invoice control switches on when it is created.

namespace iv {

// Switches font smoothing on for this session without writing the setting to the user's
// profile. Nothing to do with FreeType, which always smooths.
void SwitchOnFontSmoothing();

}  // namespace iv
