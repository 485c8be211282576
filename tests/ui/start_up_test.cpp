// The start of the program: the settings file read, missing libraries
// dropped, the intro, and the window as laid out.
#include <sys/stat.h>

#include <QAbstractScrollArea>
#include <QFontDatabase>
#include <QGroupBox>
#include <QTimer>

#include "session.h"

using namespace wrennet::testing;

namespace {

struct StartUpRow {
    std::string ini;  // "-": no settings file
    QStringList existing;
    bool introOpens;
    QStringList messages = {};
    QStringList listedAfter = {};
    std::string selected = {};
    std::string libraryAfter = {};
};

void CreateLibraries(Session& session, const QStringList& names) {
    for (const QString& name : names) {
        session.write(name.toStdString(),
                      "/**\nint PortRead(int port, int mode)\n * @brief int PortRead reads.\n */\n"
                      "; C Function prototype: int PortRead(int port, int mode)\n");
    }
}

// The visible controls the mouse can act on.
QList<QWidget*> Clickable(QWidget& window) {
    QList<QWidget*> clickable;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool takesClicks = qobject_cast<QPushButton*>(control) != nullptr ||
                                 qobject_cast<QComboBox*>(control) != nullptr ||
                                 qobject_cast<QAbstractScrollArea*>(control) != nullptr;
        if (takesClicks && control->isVisible()) clickable << control;
    }
    return clickable;
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void startUp_data();
    void startUp();
    void shownControls();
    void tabOrder();
    void aboutBox();
    void controlsApart();
    void frameTitlesClear();
    void readOnlySettingsFile();
    void settingsOutsideTheProgramFolder();
};

void StartUpTest::startUp_data() {
    QTest::addColumn<StartUpRow>("row");
    const auto gone = [](const QString& path) {
        return "Library %F" + path + " not available.\nWill be removed from list.";
    };
    QTest::newRow("first start without a settings file")
        << StartUpRow{.ini = "-", .existing = {}, .introOpens = true};
    QTest::newRow("intro switched off")
        << StartUpRow{.ini = "[Last]\nIntro=No\n", .existing = {}, .introOpens = false};
    QTest::newRow("intro in capitals")
        << StartUpRow{.ini = "[Last]\nIntro=YES\n", .existing = {}, .introOpens = true};
    QTest::newRow("missing libraries reported in file order and dropped")
        << StartUpRow{.ini =
                          "[Last]\nIntro=no\n[Libraries]\n%Fb.s79=Yes\n%Fgone.h=Yes\n%Fdir.h=Yes\n"
                          "%Fa.s79=Yes\n%Fpipe.s79=Yes\n",
                      .existing = {"a.s79", "b.s79"},
                      .introOpens = false,
                      .messages = {gone("gone.h"), gone("dir.h"), gone("pipe.s79")},
                      .listedAfter = {"%Fa.s79", "%Fb.s79"},
                      .selected = "%Fa.s79",
                      .libraryAfter = "%Fa.s79"};
    QTest::newRow("remembered library in other letter case") << StartUpRow{
        .ini = "[Last]\nIntro=no\nLibrary=%FB.S79\n[Libraries]\n%Fa.s79=Yes\n%Fb.s79=Yes\n",
        .existing = {"a.s79", "b.s79"},
        .introOpens = false,
        .listedAfter = {"%Fa.s79", "%Fb.s79"},
        .selected = "%Fb.s79",
        .libraryAfter = "%FB.S79"};
    QTest::newRow("binary settings file")
        << StartUpRow{.ini = std::string("\x01\x7f\xfe[Libr\xff\n=\n[[\n", 13),
                      .existing = {},
                      .introOpens = true};
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

void StartUpTest::shownControls() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start());
    const auto& c = window.controls();
    QCOMPARE(window.windowTitle(), QString("Wrennet"));
    const QWidget* hidden[] = {c.incButton,      c.wrennetButton, c.cancelButton,
                               c.helpersButton,  c.separators[0], c.closeParenthesis,
                               c.valueCombos[0], c.valueEdits[0], c.choiceLists[0]};
    for (const QWidget* control : hidden) {
        QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));
    }
    const QWidget* shown[] = {c.libraryCombo, c.functionCombo, c.sourcePane,    c.showButton,
                              c.unlistButton, c.addButton,     c.copyButton,    c.exitButton,
                              c.setupButton,  c.helpButton,    c.nameLabels[0], c.functionLabel,
                              c.typeLabel,    c.parameterGroup};
    for (const QWidget* control : shown) {
        QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    }
    QCOMPARE(QApplication::focusWidget(), c.unlistButton);
    // The layout keeps its proportions: 472 by 290 dialog units.
    const double ratio = double(window.width()) / window.height();
    QVERIFY2(ratio > 1.2 && ratio < 2.4, qPrintable(QString::number(ratio)));
    const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    for (const QWidget* control :
         {static_cast<QWidget*>(c.functionCombo), static_cast<QWidget*>(c.libraryCombo),
          static_cast<QWidget*>(c.sourcePane)}) {
        QCOMPARE(control->font().family(), fixed);
    }
}

void StartUpTest::tabOrder() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start());
    QWidget* first = window.controls().unlistButton;
    QStringList order;
    QWidget* w = first;
    do {
        if (w->parentWidget() == &window && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            order << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != first);
    QCOMPARE(order, (QStringList{"unlistButton", "addButton", "libraryCombo", "functionCombo",
                                 "sourcePane", "copyButton", "exitButton", "helpButton",
                                 "setupButton", "showButton"}));
}

void StartUpTest::aboutBox() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start());
    // The About box, as the window's context menu and Ctrl+? open it.
    QStringList about;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box != nullptr);
        auto* ok = box->findChild<QPushButton*>("okButton");
        about << box->windowTitle() << box->findChild<QLabel*>("versionLabel")->text() << ok->text();
        ok->click();
    });
    window.showAbout();
    QCOMPARE(about, (QStringList{"About Wrennet", "Wrennet Version 2.0", "OK"}));
}

void StartUpTest::controlsApart() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start());
    const QList<QWidget*> clickable = Clickable(window);
    QVERIFY(clickable.size() >= 10);
    for (QWidget* control : clickable) {
        for (QWidget* other : clickable) {
            QVERIFY2(other == control || !control->geometry().intersects(other->geometry()),
                     qPrintable(control->objectName() + " overlaps " + other->objectName()));
        }
    }
}

// A frame's title sits on its top line: nothing inside reaches up to the line,
// nor under the title to the title's foot.
void StartUpTest::frameTitlesClear() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start());
    const QList<QWidget*> clickable = Clickable(window);
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        if (!group->isVisible()) continue;
        const QFontMetrics metrics = group->fontMetrics();
        const int titleRight = group->x() + 3 * metrics.averageCharWidth() +
                               metrics.horizontalAdvance(group->title().remove(u'&'));
        for (QWidget* control : clickable) {
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

// A program folder that cannot be written (here: one that is not there, since
// the tests may run as root) sends the settings to the user's configuration
// folder; when that cannot take them either, the user is told once.
void StartUpTest::settingsOutsideTheProgramFolder() {
    TempFolder user;
    const std::string u = user.path();
    TempFolder::write(u + "file", "");
    TempFolder::write(u + "Port.s79", "; C Function prototype: int PortRead(int port)\n");
    const std::string program = u + "installed/";
    struct Row {
        std::string xdgConfigHome;
        std::string settingsFile;  // "": none can be written
    };
    const Row rows[] = {
        {.xdgConfigHome = u + "config", .settingsFile = u + "config/wrennet/Wrennet.ini"},
        {.xdgConfigHome = "", .settingsFile = u + "home/.config/wrennet/Wrennet.ini"},
        {.xdgConfigHome = u + "file/config", .settingsFile = ""},
    };
    for (const Row& row : rows) {
        FakePlatform platform(program + "wrennet");
        platform.environment = {{"XDG_CONFIG_HOME", row.xdgConfigHome}, {"HOME", u + "home"}};
        platform.chosenFiles.push_back(u + "Port.s79");
        wrennet::PosixFileReader files;
        wrennet::WrennetApp app(platform, files);
        app.startUp().onAddLibrary();

        const QString unsaved = QString::fromStdString(
            "Wrennet cannot save its settings in " + u + "file/config/wrennet/Wrennet.ini" +
            ".\nIt works on, but what you change is not remembered.");
        QCOMPARE(platform.messageTexts(),
                 row.settingsFile.empty() ? QStringList{unsaved} : QStringList{});
        // Help and the introductory text stay with the program.
        QCOMPARE(platform.openedDocuments, std::vector<std::string>{program + "Wrennet.txt"});
        QCOMPARE(app.settings().url(), program);
        if (!row.settingsFile.empty()) {
            const std::string ini = TempFolder::read(row.settingsFile);
            QVERIFY2(Holds(ini, "AppPath=" + program + "\n"), ini.c_str());
            QVERIFY2(Holds(ini, "Library=" + u + "Port.s79\n"), ini.c_str());
        }
    }
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
