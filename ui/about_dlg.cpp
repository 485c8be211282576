#include "ui/about_dlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "ui/dialog_units.h"
#include "ui/resources.h"

namespace wrennet {

AboutDlg::AboutDlg(QWidget* parent) : QDialog(parent) {
    LoadResources();
    setObjectName(QStringLiteral("AboutDlg"));
    setWindowTitle(QStringLiteral("About Wrennet"));
    const DialogUnits units = DialogUnits::ForFont(font());
    setFixedSize(units.x(235), units.y(55));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/wrennet.png")).pixmap(32, 32));
    icon->setGeometry(units.x(11), units.y(17), 32, 32);

    auto* version = new QLabel(QStringLiteral("Wrennet Version " WRENNET_VERSION), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setGeometry(units.toPixels({40, 10, 119, 8}));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(units.toPixels({178, 7, 50, 14}));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace wrennet
