// ClickLabel: a label that reports clicks.
#pragma once

#include <QLabel>

namespace wrennet {

// A label that reports clicks: the parameter names and the function name take
// the user to their place in the source pane.
class ClickLabel final : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    // Parameter names change with the function: the label grows to its text
    // from its left edge, never narrower than its place in the layout (its
    // minimum width) nor past its parent's right edge.
    void fitWidthToText();

  Q_SIGNALS:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace wrennet
