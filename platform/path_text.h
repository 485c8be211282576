// Paths as bytes and as the text Qt widgets hold.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace wrennet {

// Paths are bytes from end to end; Qt's widgets hold them as text. A file name
// whose bytes are no valid text reads with replacement characters, and those
// would go back to the file system as other bytes: a path that does not exist.

// The path as a widget shows it.
QString PathText(const std::string& path);

// True when the path's text goes back to exactly its bytes, so a widget may
// hold it.
bool PathSurvivesText(const std::string& path);

// The bytes of the path a widget gave back. A part that reads with replacement
// characters stands for the one name in its folder that reads the same; when
// no name or more than one does, there is no path.
std::optional<std::string> PathFromText(const QString& text);

}  // namespace wrennet
