// Core bytes as the text the window shows, and typed text back as bytes.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace wrennet {

// Core text is bytes; the window shows them as UTF-8 when they are valid UTF-8,
// otherwise as Windows-1252. The core only ever gets its own bytes back, never
// this decoded form.
QString ToShownText(std::string_view bytes);

// The source pane decides once for its whole text how it reads, and then
// decodes only the lines it draws or copies, each the same way.
enum class PaneEncoding { Utf8, Windows1252 };
PaneEncoding PaneEncodingOf(std::string_view bytes);

// The pane shows lines as the core counts them: one line per "\n". A "\r" is
// dropped (Qt would start a line of its own at a lone one), and the Unicode
// line and paragraph separators show as U+FFFD for the same reason, so the
// pane's line n is always the text after the n-th "\n".
QString ToPaneText(std::string_view bytes, PaneEncoding encoding);

// The length ToPaneText() gives these bytes, counted without decoding them.
qsizetype PaneTextLength(std::string_view bytes, PaneEncoding encoding);

// What the user typed, as bytes for the core and the settings file.
std::string FromTypedText(const QString& text);

}  // namespace wrennet
