// Help requests: what each one starts, for every state of the settings and of
// the help folder; and the Setup dialog: what it shows from the settings, what
// it writes back and when, and where its two Browse buttons open the file dialog.
#include <QApplication>
#include <QKeySequence>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "help_actions.h"
#include "session.h"
#include "setup_dlg.h"

using namespace wrennet::testing;
using wrennet::SetupDlg;

namespace {

struct HelpRow {
    std::string intro;    // the [Last] Intro value; "-" for none
    bool page;            // the guide below the help folder
    bool launcher;        // the help launcher in the help folder
    QStringList started;  // by F1=&Help, Setup's F1, the F1 key; "%F" for the program folder
};

// Everything the desktop was asked to start since the last call, on one line.
QString TakeStarted(FakePlatform& platform) {
    std::string line;
    for (const std::string& document : platform.openedDocuments) line += "open " + document;
    for (const StartedProgram& program : platform.started) {
        line += (line.empty() ? "start " : "; start ") + program.program;
        for (const std::string& argument : program.arguments) line += " " + argument;
    }
    platform.openedDocuments.clear();
    platform.started.clear();
    return QString::fromStdString(line);
}

struct SetupRow {
    std::string ini = {};                    // "%F" for the program folder
    std::optional<std::string> chosen = {};  // the file a Browse button's dialog returns
    QStringList steps = {};                  // what the user does, ending the dialog
    QStringList shown = {};                  // browser edit, help path edit, checked radio
    QString opened = {};  // title|start folder|start name|first filter|last pattern of a Browse
    QStringList written = {};  // [Last] Browser, Url, Intro afterwards; "-" for absent
};

// One thing the user does: "role=text" types into that edit, a bare role
// clicks that control, anything else is a key pressed where the focus is.
void Do(SetupDlg& dialog, const QString& step) {
    const QString role = step.section('=', 0, 0);
    if (auto* edit = dialog.findChild<QLineEdit*>(role); edit && step.contains('=')) {
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, step.section('=', 1));
    } else if (auto* control = dialog.findChild<QWidget*>(role)) {
        QTest::mouseClick(control, Qt::LeftButton);
    } else {
        QTest::keyClick(QApplication::focusWidget(), QKeySequence(step)[0].key());
    }
}

}  // namespace

Q_DECLARE_METATYPE(HelpRow)
Q_DECLARE_METATYPE(SetupRow)

class HelpTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void help_data();
    void help();
    void setup_data();
    void setup();
};

void HelpTest::help_data() {
    QTest::addColumn<HelpRow>("row");
    const QString intro = "open %FWrennet.txt";
    const QString guide = "start /usr/bin/web %Fhelp/wrennet/QX_P.html";
    const QString launcher = "start %Fhelp/WrennetHelp.exe";
    // The Setup dialog's fields as the user left them, not the settings.
    const QString setupPage = "start /opt/typed-web /typed/QXS_B.html";
    // clang-format off
    const HelpRow rows[] = {
        {.intro = "YES", .page = true,  .launcher = true,  .started = {intro, intro, intro}},
        {.intro = "YES", .page = true,  .launcher = false, .started = {intro, intro, intro}},
        {.intro = "YES", .page = false, .launcher = true,  .started = {intro, intro, intro}},
        {.intro = "YES", .page = false, .launcher = false, .started = {intro, intro, intro}},
        {.intro = "No",  .page = true,  .launcher = true,  .started = {guide, setupPage, guide}},
        {.intro = "No",  .page = true,  .launcher = false, .started = {guide, setupPage, guide}},
        {.intro = "No",  .page = false, .launcher = true,  .started = {launcher, setupPage, guide}},
        {.intro = "No",  .page = false, .launcher = false, .started = {guide, setupPage, guide}},
        // No Intro at all counts as yes for help, whatever Setup would preset.
        {.intro = "-",   .page = false, .launcher = true,  .started = {intro, intro, intro}},
        // Only "yes" in any letter case is yes.
        {.intro = "true", .page = false, .launcher = true, .started = {launcher, setupPage, guide}},
    };
    // clang-format on
    for (const HelpRow& row : rows) {
        QTest::addRow("intro %s, page %d, launcher %d", row.intro.c_str(), row.page, row.launcher)
            << row;
    }
}

void HelpTest::help() {
    QFETCH(HelpRow, row);
    Session session;
    std::string ini = "[Last]\nUrl=%Fhelp/\nBrowser=/usr/bin/web\n";
    if (row.intro != "-") ini += "Intro=" + row.intro + "\n";
    session.write("Wrennet.ini", ini);
    if (row.page) session.write("help/wrennet/QX_P.html", "<p>guide</p>\n");
    if (row.launcher) session.write("help/WrennetHelp.exe", "#!/bin/sh\n");
    wrennet::WrennetSettings settings = session.settings();
    QWidget window;
    wrennet::HelpActions help(session.platform, settings, window);
    QStringList started;

    help.onHelpButton();
    started << TakeStarted(session.platform);
    window.show();
    wrennet::SetupDlg setup(session.platform, settings, help,
                            {.browserPath = "/opt/web", .helpPath = "/typed/"}, &window);
    setup.open();  // modal, as Setu&p shows it, and so the window the keys go to
    if (!QTest::qWaitForWindowActive(&setup)) qFatal("Setup never became active");
    for (const char* step : {"browserEdit=/opt/typed-web", "F1"}) Do(setup, step);
    setup.reject();
    started << TakeStarted(session.platform);
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("the window never became active");
    QTest::keyClick(&window, Qt::Key_F1);
    started << TakeStarted(session.platform);

    QCOMPARE(started, session.inFolder(row.started));
    QCOMPARE(session.ini(), session.inFolder(ini));
}

void HelpTest::setup_data() {
    const QString browser = "Select Browser|%1|Browser(*.exe)|*.*";
    const QString help = "Help Parent|%1|Help(*.html)|*.*";
    // clang-format off
    AddRows<SetupRow>({
        {"nothing set: Details preset, a bare browser name browsed whole, OK writes all three",
         {.steps = {"browserBrowseButton", "okButton"}, .shown = {"xdg-open", "%F", "detailsRadio"},
          .opened = browser.arg("xdg-open|xdg-open"), .written = {"xdg-open", "%F", "No"}}},
        {"all three changed and confirmed with Enter",
         {.ini = "[Last]\nIntro=No\nUrl=/old/\nBrowser=/usr/bin/old\n",
          .steps = {"browserEdit=/usr/bin/firefox", "introRadio", "helpPathEdit=/srv/help/", "Return"},
          .shown = {"/usr/bin/old", "/old/", "detailsRadio"}, .written = {"/usr/bin/firefox", "/srv/help/", "Yes"}}},
        {"browser browsed from its folder with its name proposed",
         {.ini = "[Last]\nBrowser=/usr/bin/firefox\n", .chosen = "/opt/web/web.sh",
          .steps = {"browserBrowseButton", "okButton"}, .shown = {"/usr/bin/firefox", "%F", "detailsRadio"},
          .opened = browser.arg("/usr/bin|/usr/bin/firefox"), .written = {"/opt/web/web.sh", "%F", "No"}}},
        {"Intro in capitals presets Intro; a browser folder proposes no name; Escape writes nothing",
         {.ini = "[Last]\nIntro=YES\nBrowser=/opt/web/\n",
          .steps = {"browserBrowseButton", "browserEdit=/usr/bin/firefox", "detailsRadio", "Escape"},
          .shown = {"/opt/web/", "%F", "introRadio"}, .opened = browser.arg("/opt/web|"), .written = {"/opt/web/", "-", "YES"}}},
        {"help path left, then cancelled: only it stays, with its slash",
         {.steps = {"browserEdit=/usr/bin/firefox", "helpPathEdit=/d/help", "Tab", "introRadio", "cancelButton"},
          .shown = {"xdg-open", "%F", "detailsRadio"}, .written = {"-", "/d/help/", "-"}}},
        {"emptied help path left becomes the root, then Escape",
         {.ini = "[Last]\nUrl=/d/help/\n", .steps = {"helpPathEdit=", "Tab", "Escape"},
          .shown = {"xdg-open", "/d/help/", "detailsRadio"}, .written = {"-", "/", "-"}}},
        {"help folder browsed with the guide proposed; the chosen file's folder kept",
         {.ini = "[Last]\nUrl=/d/help/\n", .chosen = "/docs/guide/index.html",
          .steps = {"helpPathBrowseButton", "okButton"}, .shown = {"xdg-open", "/d/help/", "detailsRadio"},
          .opened = help.arg("/d/help/|/d/help/QX_P.html"), .written = {"xdg-open", "/docs/guide/", "No"}}},
        {"relative help folder browsed from the root",
         {.ini = "[Last]\nUrl=help/\n", .steps = {"helpPathBrowseButton", "okButton"},
          .shown = {"xdg-open", "help/", "detailsRadio"}, .opened = help.arg("/|/QX_P.html"),
          .written = {"xdg-open", "help/", "No"}}},
        {"help folder without its slash proposes no name; a bare name chosen is kept as it is",
         {.ini = "[Last]\nUrl=/d/help\n", .chosen = "guide.html", .steps = {"helpPathBrowseButton", "okButton"},
          .shown = {"xdg-open", "/d/help", "detailsRadio"}, .opened = help.arg("/d/help|"),
          .written = {"xdg-open", "guide.html", "No"}}},
    });
    // clang-format on
}

void HelpTest::setup() {
    QFETCH(SetupRow, row);
    Session session;
    session.write("Wrennet.ini", row.ini);
    session.platform.chosenFiles.push_back(row.chosen);
    wrennet::WrennetSettings settings = session.settings();
    QWidget window;
    wrennet::HelpActions help(session.platform, settings, window);

    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<SetupDlg*>(QApplication::activeModalWidget());
        if (!dialog || !QTest::qWaitForWindowActive(dialog)) qFatal("Setup never became active");
        const wrennet::SetupControls& c = dialog->controls();
        shown = {c.browserEdit->text(), c.helpPathEdit->text(), "none"};
        for (QRadioButton* radio : {c.introRadio, c.detailsRadio})
            if (radio->isChecked()) shown.last() = radio->objectName();
        for (const QString& step : row.steps) Do(*dialog, step);
    });
    help.onSetup();

    QCOMPARE(shown, session.inFolder(row.shown));
    QString opened;  // at most one Browse per row
    for (const wrennet::FileDialogRequest& r : session.platform.fileRequests)
        opened +=
            QString::fromStdString(r.title + "|" + r.startFolder + "|" + r.startFileName + "|" +
                                   r.filters.front().description + "|" + r.filters.back().pattern);
    QCOMPARE(opened, row.opened);
    QStringList written;
    for (const char* key : {"Browser", "Url", "Intro"})
        written << QString::fromStdString(settings.file().readValue("Last", key, "-", 1000));
    QCOMPARE(written, session.inFolder(row.written));
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
