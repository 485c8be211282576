// Help requests: what each one starts, for every state of the settings and of
// the help folder.
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "help_actions.h"
#include "session.h"
#include "setup_dlg.h"

using namespace wrennet::testing;
using wrennet::SetupFields;

namespace {

enum class Request { HelpButton, HelpKey, SetupHelpKey };

struct HelpRow {
    std::string intro;  // the [Last] Intro value; "-" for none
    bool page;          // the guide below the help folder
    bool launcher;      // the help launcher in the help folder
    Request request;
    QString started;  // what the request started, "%F" for the program folder
};

// Everything the desktop was asked to start, in a form a row can spell.
QStringList Started(const FakePlatform& platform) {
    QStringList started;
    for (const std::string& document : platform.openedDocuments) {
        started << QString::fromStdString("open " + document);
    }
    for (const StartedProgram& program : platform.started) {
        QString line = "start " + QString::fromStdString(program.program);
        for (const std::string& argument : program.arguments) {
            line += " " + QString::fromStdString(argument);
        }
        started << line;
    }
    return started;
}

void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("the window never became active");
}

}  // namespace

Q_DECLARE_METATYPE(HelpRow)

class HelpTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void help_data();
    void help();
    void windowButtons();
};

void HelpTest::help_data() {
    QTest::addColumn<HelpRow>("row");
    const QString intro = "open %FWrennet.txt";
    const QString guide = "start /usr/bin/web %Fhelp/wrennet/QX_P.html";
    const QString launcher = "start %Fhelp/WrennetHelp.exe";
    // The Setup dialog's fields as the user left them, not the settings.
    const QString setupPage = "start /opt/typed-web /typed/QXS_B.html";
    using R = Request;
    // clang-format off
    const HelpRow rows[] = {
        {"YES", true,  true,  R::HelpButton,   intro},
        {"YES", true,  false, R::HelpButton,   intro},
        {"YES", false, true,  R::HelpButton,   intro},
        {"YES", false, false, R::HelpButton,   intro},
        {"YES", true,  true,  R::HelpKey,      intro},
        {"YES", true,  false, R::HelpKey,      intro},
        {"YES", false, true,  R::HelpKey,      intro},
        {"YES", false, false, R::HelpKey,      intro},
        {"YES", true,  true,  R::SetupHelpKey, intro},
        {"YES", true,  false, R::SetupHelpKey, intro},
        {"YES", false, true,  R::SetupHelpKey, intro},
        {"YES", false, false, R::SetupHelpKey, intro},
        {"No",  true,  true,  R::HelpButton,   guide},
        {"No",  true,  false, R::HelpButton,   guide},
        {"No",  false, true,  R::HelpButton,   launcher},
        {"No",  false, false, R::HelpButton,   guide},
        {"No",  true,  true,  R::HelpKey,      guide},
        {"No",  true,  false, R::HelpKey,      guide},
        {"No",  false, true,  R::HelpKey,      guide},
        {"No",  false, false, R::HelpKey,      guide},
        {"No",  true,  true,  R::SetupHelpKey, setupPage},
        {"No",  true,  false, R::SetupHelpKey, setupPage},
        {"No",  false, true,  R::SetupHelpKey, setupPage},
        {"No",  false, false, R::SetupHelpKey, setupPage},
        // No Intro at all counts as yes for help, whatever Setup would preset.
        {"-",   true,  true,  R::HelpButton,   intro},
        {"-",   true,  true,  R::HelpKey,      intro},
        {"-",   true,  true,  R::SetupHelpKey, intro},
        // Only "yes" in any letter case is yes.
        {"true", false, true, R::HelpButton,   launcher},
        {"",     false, true, R::HelpKey,      guide},
    };
    // clang-format on
    const char* names[] = {"button", "key", "setup key"};
    for (const HelpRow& row : rows) {
        QTest::addRow("intro %s, page %d, launcher %d, %s", row.intro.c_str(), row.page,
                      row.launcher, names[static_cast<int>(row.request)])
            << row;
    }
}

void HelpTest::help() {
    QFETCH(HelpRow, row);
    TempFolder folder;
    const std::string f = folder.path();
    std::string ini = "[Last]\nUrl=" + f + "help/\nBrowser=/usr/bin/web\n";
    if (row.intro != "-") ini += "Intro=" + row.intro + "\n";
    TempFolder::write(f + "Wrennet.ini", ini);
    std::filesystem::create_directories(f + "help/wrennet");
    if (row.page) TempFolder::write(f + "help/wrennet/QX_P.html", "<p>guide</p>\n");
    if (row.launcher) TempFolder::write(f + "help/WrennetHelp.exe", "#!/bin/sh\n");
    FakePlatform platform(f + "wrennet");
    wrennet::WrennetSettings settings(f);
    QWidget window;
    wrennet::HelpActions help(platform, settings, window);
    window.show();

    switch (row.request) {
        case Request::HelpButton:
            help.onHelpButton();
            break;
        case Request::HelpKey:
            Activate(window);
            QTest::keyClick(&window, Qt::Key_F1);
            break;
        case Request::SetupHelpKey: {
            wrennet::SetupDlg setup(platform, settings, help,
                                    {.browserPath = "/opt/web", .helpPath = "/typed/"}, &window);
            // As Setu&p runs it: modal, and so the window the keys go to.
            QTimer::singleShot(0, &setup, [&setup] {
                setup.activateWindow();
                if (!QTest::qWaitForWindowActive(&setup)) qFatal("Setup never became active");
                setup.controls().browserEdit->clear();
                QTest::keyClicks(setup.controls().browserEdit, "/opt/typed-web");
                QTest::keyClick(&setup, Qt::Key_F1);
                setup.reject();
            });
            setup.exec();
            break;
        }
    }

    QCOMPARE(Started(platform), QStringList{row.started.replace("%F", QString::fromStdString(f))});
    QCOMPARE(TempFolder::read(f + "Wrennet.ini"), ini);
}

// The window's own buttons reach the same actions: &Helpers with the chosen
// function's helper, F1=&Help, and Setu&p.
void HelpTest::windowButtons() {
    Session session;
    session.write("include/Port.h", "extern int PortRead(int port, int mode);\n");
    session.write("src/Port.c",
                  "/**\n * @param port :{0,1}\n * @note Ask probe.exe for the port\n */\n"
                  "int PortRead(int port, int mode)\n{\n}\n");
    session.write("src/probe.exe", "#!/bin/sh\n");
    wrennet::WrennetDlg& window = Shown(session.start(
        "[Last]\nIntro=No\nLibrary=%Finclude/Port.h\n[Libraries]\n%Finclude/Port.h=Yes\n"));
    const wrennet::MainWindowControls& c = window.controls();
    Pick(*c.functionCombo, 0);
    QVERIFY(c.helpersButton->isVisible());

    QTest::mouseClick(c.helpersButton, Qt::LeftButton);
    QTest::mouseClick(c.helpButton, Qt::LeftButton);
    QString setupTitle;
    QTimer::singleShot(0, [&] {
        QWidget* setup = QApplication::activeModalWidget();
        QVERIFY(setup != nullptr);
        setupTitle = setup->windowTitle();
        QTest::keyClick(setup, Qt::Key_Escape);
    });
    QTest::mouseClick(c.setupButton, Qt::LeftButton);

    QCOMPARE(Started(session.platform),
             session.inFolder(
                 QStringList{"start %Fsrc/probe.exe", "start xdg-open %Fwrennet/QX_P.html"}));
    QCOMPARE(setupTitle, QString("Setup"));
    QCOMPARE(session.settings().file().readValue("Last", "Url", "-", 1000), "-");
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
