// The settings operations as pure functions over the bytes of the file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wrennet::ini {

// The five settings operations as pure functions over the bytes of the file.
// Names compare without regard to ASCII letter case; the first section and the
// first key of a name win. An absent file is an empty text.

std::string ReadValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view defaultValue, std::size_t capacity);

std::vector<std::string> ReadKeyNames(std::string_view content, std::string_view section,
                                      std::size_t capacity);

// The new content, or nullopt when the key or value cannot be stored faithfully
// (empty key, key beginning with "[" or ";" or holding "=", CR/LF/NUL anywhere).
std::optional<std::string> WriteValue(std::string_view content, std::string_view section,
                                      std::string_view key, std::string_view value);

// What DeleteSection(section) and then one WriteValue(section, key, value)
// per key, in order, give, made in one pass over the keys (the writes one by
// one take time in the square of their number). `allStored` turns false when
// a key is refused.
std::string RewriteSection(std::string_view content, std::string_view section,
                           const std::vector<std::string>& keys, std::string_view value,
                           bool& allStored);

// The new content (unchanged when the section or key is absent).
std::string DeleteKey(std::string_view content, std::string_view section, std::string_view key);
std::string DeleteSection(std::string_view content, std::string_view section);

}  // namespace wrennet::ini
