#pragma once

#include <QLabel>

namespace wrennet {

// A label that reports clicks: the parameter names and the function name take
// the user to their place in the source pane.
class ClickLabel final : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  Q_SIGNALS:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace wrennet
