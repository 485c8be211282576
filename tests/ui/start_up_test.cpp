// The start of the program: the settings file read, missing libraries
// dropped, the intro, and the window as laid out.
#include <sys/stat.h>

#include <QAbstractScrollArea>
#include <QFontDatabase>
#include <QGroupBox>
#include <QStyle>
#include <QTimer>

#include "session.h"

using namespace wrennet::testing;

namespace {

struct StartUpRow {
    std::string ini;  // "-": no settings file
    QStringList existing;
    bool introOpens;
    QStringList messages = {}, listedAfter = {};
    std::string selected = {}, libraryAfter = {};
};

void CreateLibraries(Session& session, const QStringList& names) {
    for (const QString& name : names) {
        session.write(name.toStdString(),
                      "/**\nint PortRead(int port, int mode)\n * @brief int PortRead reads.\n */\n"
                      "; C Function prototype: int PortRead(int port, int mode)\n");
    }
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void startUp_data();
    void startUp();
    void layout();
    void readOnlySettingsFile();
};

void StartUpTest::startUp_data() {
    QTest::addColumn<StartUpRow>("row");
    const auto gone = [](const QString& path) {
        return "Library %F" + path + " not available.\nWill be removed from list.";
    };
    // clang-format off
    QTest::newRow("first start without a settings file") << StartUpRow{"-", {}, true};
    QTest::newRow("intro switched off") << StartUpRow{"[Last]\nIntro=No\n", {}, false};
    QTest::newRow("intro in capitals") << StartUpRow{"[Last]\nIntro=YES\n", {}, true};
    QTest::newRow("missing libraries reported in file order and dropped") << StartUpRow{
        "[Last]\nIntro=no\n[Libraries]\n%Fb.s79=Yes\n%Fgone.h=Yes\n%Fdir.h=Yes\n%Fa.s79=Yes\n"
        "%Fpipe.s79=Yes\n", {"a.s79", "b.s79"}, false,
        {gone("gone.h"), gone("dir.h"), gone("pipe.s79")}, {"%Fa.s79", "%Fb.s79"},
        "%Fa.s79", "%Fa.s79"};
    QTest::newRow("remembered library in other letter case") << StartUpRow{
        "[Last]\nIntro=no\nLibrary=%FB.S79\n[Libraries]\n%Fa.s79=Yes\n%Fb.s79=Yes\n",
        {"a.s79", "b.s79"}, false, {}, {"%Fa.s79", "%Fb.s79"}, "%Fb.s79", "%FB.S79"};
    QTest::newRow("binary settings file")
        << StartUpRow{std::string("\x01\x7f\xfe[Libr\xff\n=\n[[\n", 13), {}, true};
    // clang-format on
}

void StartUpTest::startUp() {
    QFETCH(StartUpRow, row);
    Session session;
    CreateLibraries(session, row.existing);
    std::filesystem::create_directory(session.path("dir.h"));
    ::mkfifo(session.path("pipe.s79").c_str(), 0600);

    wrennet::WrennetDlg& window = session.start(row.ini);

    QCOMPARE(session.platform.messageTexts(), session.inFolder(row.messages));
    for (const auto& message : session.platform.messages) {
        QCOMPARE(message.icon, wrennet::MessageIcon::Stop);
    }
    const std::vector<std::string> intro{session.path("Wrennet.txt")};
    QCOMPARE(session.platform.openedDocuments, row.introOpens ? intro : decltype(intro){});
    QCOMPARE(session.settings().file().readValue("Last", "AppPath", "", 1000),
             session.folder.path());
    QCOMPARE(session.libraries(), session.inFolder(row.listedAfter));
    QCOMPARE(session.settings().library(), session.inFolder(row.libraryAfter));
    QCOMPARE(window.libraries().selected().value_or(""), session.inFolder(row.selected));
    QCOMPARE(window.startUpLibraryPath(), session.inFolder(row.selected));
    // The function list waits until it is opened; the pane shows the library.
    QCOMPARE(window.controls().functionCombo->count(), 0);
    QCOMPARE(window.controls().sourcePane->toPlainText().isEmpty(), row.selected.empty());
}

void StartUpTest::layout() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start());
    QCOMPARE(window.windowTitle(), QString("Wrennet"));
    const auto control = [&](const char* id) { return window.findChild<QWidget*>(id); };
    for (const char* hidden : {"1060", "1180", "2", "4", "1033", "1036", "1037", "1041", "1054"}) {
        QVERIFY2(control(hidden) != nullptr && !control(hidden)->isVisible(), hidden);
    }
    for (const char* shown : {"1005", "1000", "1014", "1061", "1006", "1007", "3", "1", "1003",
                              "1004", "1045", "1050", "1051", "1056"}) {
        QVERIFY2(control(shown) != nullptr && control(shown)->isVisible(), shown);
    }
    QCOMPARE(control("1061")->toolTip(),
             QString("Click to show header file in Source Code window."));
    QCOMPARE(qobject_cast<QPushButton*>(control("1"))->text(), QString("E&xit"));
    QCOMPARE(QApplication::focusWidget(), control("1006"));
    // The layout keeps its proportions: 472 by 290 dialog units.
    const double ratio = double(window.width()) / window.height();
    QVERIFY2(ratio > 1.2 && ratio < 2.4, qPrintable(QString::number(ratio)));
    // Tab goes through the shown controls in the layout's order.
    QStringList tabOrder;
    QWidget* w = control("1006");
    do {
        if (w->parentWidget() == &window && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            tabOrder << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != control("1006"));
    QCOMPARE(tabOrder, (QStringList{"1006", "1007", "1005", "1000", "1014", "3", "1", "1004",
                                    "1003", "1061"}));

    // The About box, as the window's context menu and Ctrl+? open it.
    QStringList about;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box != nullptr);
        auto* ok = box->findChild<QPushButton*>("1");
        about << box->windowTitle() << box->findChild<QLabel*>("version")->text() << ok->text();
        ok->click();
    });
    window.showAbout();
    QCOMPARE(about, (QStringList{"About Wrennet", "Wrennet Version 2.0", "OK"}));
    const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    for (const char* id : {"1000", "1005", "1014"}) QCOMPARE(control(id)->font().family(), fixed);

    // No clickable control overlaps another, and every button is as wide as its text.
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
    QVERIFY(Holds(window.paneText(), "PortRead"));
    QVERIFY(session.libraries().contains(QString::fromStdString(session.path("a.s79"))));
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
