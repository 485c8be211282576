// MnemonicGroupBox: a frame drawn behind controls, whose mnemonic moves the focus.
#pragma once

#include <QGroupBox>

namespace wrennet {

// A frame drawn behind other controls, not around them as their parent. It
// lets clicks through to the controls inside its rectangle, and its mnemonic
// moves the focus to a buddy, or else to the next control in tab order that
// can take it, as a framed group's mnemonic does. Its title sits on the
// frame's top line rather than above it, so the layout's controls close below
// the title stay clear of the frame.
class MnemonicGroupBox final : public QGroupBox {
    Q_OBJECT
  public:
    MnemonicGroupBox(const QString& title, QWidget* parent);
    void setBuddy(QWidget* buddy) { buddy_ = buddy; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* buddy_ = nullptr;
};

}  // namespace wrennet
