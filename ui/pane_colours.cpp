#include "ui/pane_colours.h"

#include <QPalette>

namespace wrennet {
namespace {

struct Shades {
    QRgb onLight;
    QRgb onDark;
};

// In the order of SourceColour, Plain left out.
constexpr Shades kShades[] = {
    {0x3A7A3A, 0x8FCB8F},  // Comment: green
    {0x7B1FA2, 0xD7A0E8},  // DocTag: purple
    {0x00796B, 0x7FD3C8},  // ValueList: teal
    {0x1646A8, 0x8EB8F2},  // Keyword: blue
    {0xA52A2A, 0xF0A0A0},  // String: red
    {0x955000, 0xF2C27A},  // Number: amber
    {0xB0125B, 0xF48FB8},  // Marker: magenta
};

}  // namespace

PaneColours::PaneColours(const QPalette& palette) {
    const bool darkBase = palette.color(QPalette::Base).lightness() < 128;
    colours_[0] = palette.color(QPalette::Text);
    for (std::size_t k = 0; k < std::size(kShades); ++k) {
        colours_[k + 1] = QColor(darkBase ? kShades[k].onDark : kShades[k].onLight);
    }
}

}  // namespace wrennet
