#pragma once

#include <QColor>
#include <array>

#include "library/source_colouring.h"

class QPalette;

namespace wrennet {

// The source pane's colour for each kind of text. The desktop's palette
// decides: plain text keeps the palette's own text colour, and the other
// kinds take a deep shade on a light base and a pale one on a dark base, so
// that either theme reads well.
class PaneColours {
  public:
    explicit PaneColours(const QPalette& palette);

    QColor of(SourceColour colour) const { return colours_[static_cast<std::size_t>(colour)]; }

  private:
    std::array<QColor, 8> colours_;
};

}  // namespace wrennet
