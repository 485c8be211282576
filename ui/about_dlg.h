// AboutDlg: the About box.
#pragma once

#include <QDialog>

namespace wrennet {

// "About Wrennet": the program icon, the version line and OK.
class AboutDlg final : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDlg(QWidget* parent);
};

}  // namespace wrennet
