#pragma once
// Whether a font name of a template finds a face on this machine, or is drawn in the face the
// font engine falls back to for names it does not know.
#include <optional>
#include <string>

namespace iv {

// The fallback face (its file, or its name on Windows; GBK) when no installed face has the GBK
// name `name`; nothing when one has.
std::optional<std::string> FallbackFaceOnly(const std::string &name);

}  // namespace iv
