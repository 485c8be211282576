// Bytes as the window shows them: UTF-8 when valid, else Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace wrennet {

// Bytes as the window shows them, as UTF-8: valid UTF-8 as it is, otherwise every
// byte as Windows-1252 (its five unassigned bytes as Latin-1).
std::string DecodeForDisplay(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);

}  // namespace wrennet
