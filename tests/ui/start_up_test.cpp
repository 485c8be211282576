#include "start_up_test.h"

#include <sys/stat.h>

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "function_list_model.h"
#include "session.h"
#include "source_pane.h"

using wrennet::MessageIcon;
using wrennet::testing::Session;

namespace {

constexpr const char* kAsmLibrary =
    "/**\nint PortRead(int port, int mode)\n * @brief int PortRead reads.\n */\n"
    "; C Function prototype: int PortRead(int port, int mode)\n";

void CreateLibraries(Session& session, const QStringList& names) {
    for (const QString& name : names) session.write(name.toStdString(), kAsmLibrary);
}

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << QString::fromStdString(text);
    return list;
}

QStringList WithFolder(const Session& session, QStringList texts) {
    for (QString& text : texts) text.replace("%F", QString::fromStdString(session.folder.path()));
    return texts;
}

}  // namespace

void StartUpTest::startUp_data() {
    QTest::addColumn<QString>("ini");  // "-": no settings file
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("introOpens");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("listedAfter");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("libraryAfter");

    QTest::newRow("first start without a settings file")
        << "-" << QStringList{} << true << QStringList{} << QStringList{} << ""
        << "";
    QTest::newRow("intro switched off")
        << "[Last]\nIntro=No\n"
        << QStringList{} << false << QStringList{} << QStringList{} << ""
        << "";
    QTest::newRow("intro in capitals")
        << "[Last]\nIntro=YES\n"
        << QStringList{} << true << QStringList{} << QStringList{} << ""
        << "";
    QTest::newRow("missing libraries reported in file order and dropped")
        << "[Last]\nIntro=no\n[Libraries]\n%Fb.s79=Yes\n%Fgone.h=Yes\n%Fdir.h=Yes\n%Fa.s79=Yes\n"
           "%Fpipe.s79=Yes\n"
        << QStringList{"a.s79", "b.s79"} << false
        << QStringList{"Library %Fgone.h not available.\nWill be removed from list.",
                       "Library %Fdir.h not available.\nWill be removed from list.",
                       "Library %Fpipe.s79 not available.\nWill be removed from list."}
        << QStringList{"%Fa.s79", "%Fb.s79"} << "%Fa.s79"
        << "%Fa.s79";
    QTest::newRow("remembered library in other letter case")
        << "[Last]\nIntro=no\nLibrary=%FB.S79\n[Libraries]\n%Fa.s79=Yes\n%Fb.s79=Yes\n"
        << QStringList{"a.s79", "b.s79"} << false << QStringList{}
        << QStringList{"%Fa.s79", "%Fb.s79"} << "%Fb.s79"
        << "%FB.S79";
    QTest::newRow("binary settings file")
        << QString::fromLatin1("\x01\x7f\xfe[Libr\xff\n=\n[[\n", 13) << QStringList{} << true
        << QStringList{} << QStringList{} << ""
        << "";
}

void StartUpTest::startUp() {
    QFETCH(QString, ini);
    QFETCH(QStringList, existing);
    QFETCH(bool, introOpens);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, listedAfter);
    QFETCH(QString, selected);
    QFETCH(QString, libraryAfter);

    Session session;
    if (ini != "-") session.write("Wrennet.ini", ini.toLatin1().toStdString());
    CreateLibraries(session, existing);
    std::filesystem::create_directory(session.path("dir.h"));
    ::mkfifo(session.path("pipe.s79").c_str(), 0600);

    wrennet::WrennetDlg& window = session.start();

    QCOMPARE(ToQt(session.platform.messageTexts()), WithFolder(session, messages));
    for (const auto& message : session.platform.messages) QCOMPARE(message.icon, MessageIcon::Stop);
    QCOMPARE(session.platform.openedDocuments.size(), introOpens ? 1u : 0u);
    if (introOpens) {
        QCOMPARE(session.platform.openedDocuments.front(), session.path("Wrennet.txt"));
    }
    QCOMPARE(session.settings().file().readValue("Last", "AppPath", "", 1000),
             session.folder.path());
    QCOMPARE(ToQt(session.settings().libraries()), WithFolder(session, listedAfter));
    QCOMPARE(QString::fromStdString(session.settings().library()),
             WithFolder(session, {libraryAfter}).front());
    const auto selectedPath = window.libraries().selected();
    QCOMPARE(QString::fromStdString(selectedPath.value_or("")),
             WithFolder(session, {selected}).front());
    QCOMPARE(QString::fromStdString(window.startUpLibraryPath()),
             WithFolder(session, {selected}).front());
    // The function list waits until it is opened; the pane shows the library.
    QCOMPARE(window.controls().functionCombo->count(), 0);
    QCOMPARE(window.controls().sourcePane->toPlainText().isEmpty(), selected.isEmpty());
}

void StartUpTest::controlsAsLaidOut() {
    Session session;
    wrennet::WrennetDlg& window = session.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("Wrennet"));
    for (const char* hidden : {"1060", "1180", "2", "4", "1033", "1036", "1037", "1041", "1054"}) {
        auto* control = window.findChild<QWidget*>(hidden);
        QVERIFY2(control != nullptr, hidden);
        QVERIFY2(!control->isVisible(), hidden);
    }
    for (const char* shown : {"1005", "1000", "1014", "1061", "1006", "1007", "3", "1", "1003",
                              "1004", "1045", "1050", "1051", "1056"}) {
        auto* control = window.findChild<QWidget*>(shown);
        QVERIFY2(control != nullptr && control->isVisible(), shown);
    }
    QCOMPARE(window.findChild<QPushButton*>("1061")->toolTip(),
             QString("Click to show header file in Source Code window."));
    QCOMPARE(window.findChild<QPushButton*>("1")->text(), QString("E&xit"));
    QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget*>("1006"));
    // The layout keeps its proportions: 472 by 290 dialog units.
    const double ratio = double(window.width()) / window.height();
    QVERIFY2(ratio > 1.2 && ratio < 2.4, qPrintable(QString::number(ratio)));
    // Tab goes through the shown controls in the layout's order.
    QStringList tabOrder;
    QWidget* start = window.findChild<QWidget*>("1006");
    QWidget* w = start;
    do {
        if (w->parentWidget() == &window && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            tabOrder << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != start);
    QCOMPARE(tabOrder, (QStringList{"1006", "1007", "1005", "1000", "1014", "3", "1", "1004",
                                    "1003", "1061"}));

    // The About box, as the window's context menu and Ctrl+? open it.
    QString aboutTitle, aboutText, aboutButton;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        QVERIFY(about != nullptr);
        aboutTitle = about->windowTitle();
        aboutText = about->findChild<QLabel*>("version")->text();
        auto* ok = about->findChild<QPushButton*>("1");
        aboutButton = ok->text();
        ok->click();
    });
    window.showAbout();
    QCOMPARE(aboutTitle, QString("About Wrennet"));
    QCOMPARE(aboutText, QString("Wrennet Version 2.0"));
    QCOMPARE(aboutButton, QString("OK"));
    const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QCOMPARE(window.controls().sourcePane->font().family(), fixed);
    QCOMPARE(window.controls().functionCombo->font().family(), fixed);
    QCOMPARE(window.controls().libraryCombo->font().family(), fixed);
}

void StartUpTest::controlsKeepClear() {
    Session session;
    wrennet::WrennetDlg& window = session.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<QWidget*> interactive;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool clickable = qobject_cast<QPushButton*>(control) != nullptr ||
                               qobject_cast<QComboBox*>(control) != nullptr ||
                               qobject_cast<QAbstractScrollArea*>(control) != nullptr;
        if (clickable && control->isVisible()) interactive << control;
    }
    QVERIFY(interactive.size() >= 10);

    for (QWidget* control : interactive) {
        const QString name = control->objectName();
        for (QWidget* other : interactive) {
            QVERIFY2(other == control || !control->geometry().intersects(other->geometry()),
                     qPrintable(name + " overlaps " + other->objectName()));
        }
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            const QString shown = button->text().remove(u'&');
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(shown) + margin,
                     qPrintable(name));
        }
    }

    // A frame's title sits on its top line: nothing inside reaches up to the
    // line, nor under the title to the title's foot.
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        if (!group->isVisible()) continue;
        const QFontMetrics metrics = group->fontMetrics();
        const int titleRight = group->x() + 3 * metrics.averageCharWidth() +
                               metrics.horizontalAdvance(group->title().remove(u'&'));
        for (QWidget* control : interactive) {
            const QRect rect = control->geometry();
            if (!group->geometry().intersects(rect)) continue;
            const bool underTitle = rect.left() <= titleRight;
            const int lowest = group->y() + (underTitle ? metrics.height() : metrics.height() / 2);
            QVERIFY2(rect.top() >= lowest,
                     qPrintable(control->objectName() + " reaches " + group->title()));
        }
    }
}

void StartUpTest::readOnlySettingsFile() {
    Session session;
    CreateLibraries(session, {"a.s79", "b.s79"});
    session.write("Wrennet.ini", "[Last]\nIntro=No\nLibrary=%Fa.s79\n[Libraries]\n%Fa.s79=Yes\n");
    std::filesystem::permissions(session.path("Wrennet.ini"), std::filesystem::perms::owner_read);

    wrennet::WrennetDlg& window = session.start();
    session.platform.chosenFiles.push_back(session.path("b.s79"));
    window.onAddLibrary();

    // The window goes on working, and whatever could be written lost nothing.
    QCOMPARE(window.libraries().selected().value_or(""), session.path("b.s79"));
    QVERIFY(window.paneText().find("PortRead") != std::string::npos);
    const auto listed = session.settings().libraries();
    QVERIFY(std::find(listed.begin(), listed.end(), session.path("a.s79")) != listed.end());
}
