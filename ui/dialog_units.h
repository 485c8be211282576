// Dialog units: layout rectangles that scale with the dialog font.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace wrennet {

// A rectangle as the window's layout gives it: in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Dialog units scale with the dialog font: a horizontal unit is a quarter of
// the font's average character width, a vertical unit an eighth of its height,
// so the window keeps its proportions at any font size.
class DialogUnits {
  public:
    DialogUnits(int averageCharWidth, int fontHeight);
    static DialogUnits ForFont(const QFont& font);

    int x(int units) const { return units * averageCharWidth_ / 4; }
    int y(int units) const { return units * fontHeight_ / 8; }
    QRect toPixels(const DialogRect& rect) const;
    // Sizes that the window places in plain pixels were chosen for an 8-point
    // font of 6 by 13 pixels; they grow with the font like everything else.
    QSize scaledPixels(int width, int height) const;

  private:
    int averageCharWidth_;
    int fontHeight_;
};

}  // namespace wrennet
