// The Setup dialog: what it shows from the settings, what it writes back and
// when, and where its two Browse buttons open the file dialog.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "../settings/temp_folder.h"
#include "fake_platform.h"
#include "help_actions.h"
#include "setup_dlg.h"
#include "wrennet_settings.h"

using namespace wrennet::testing;
using wrennet::SetupDlg;
using wrennet::SetupFields;

namespace {

// What the user does in the open dialog.
using UserSteps = std::function<void(SetupDlg&)>;

struct SetupRow {
    std::string ini;      // "%F" for the program folder
    UserSteps steps;      // ends the dialog
    QStringList shown;    // browser edit, help path edit, checked radio
    QStringList written;  // [Last] Browser, Url, Intro afterwards; "-" for absent
};

struct BrowseRow {
    SetupFields fields;
    bool helpFolder;  // which Browse button
    std::optional<std::string> chosen;
    std::string title, startFolder, startFileName;
    std::string browserAfter, helpPathAfter;
};

void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QString Checked(const wrennet::SetupControls& c) {
    return c.introRadio->isChecked() ? "intro" : c.detailsRadio->isChecked() ? "details" : "none";
}

std::string Fill(std::string text, const std::string& folder) {
    for (auto at = text.find("%F"); at != std::string::npos; at = text.find("%F", at)) {
        text.replace(at, 2, folder);
    }
    return text;
}

}  // namespace

Q_DECLARE_METATYPE(SetupRow)
Q_DECLARE_METATYPE(BrowseRow)

class SetupTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void setup_data();
    void setup();
    void browse_data();
    void browse();
    void layout();
};

void SetupTest::setup_data() {
    QTest::addColumn<SetupRow>("row");
    const auto ok = [](SetupDlg& d) { QTest::mouseClick(d.controls().okButton, Qt::LeftButton); };
    const auto cancel = [](SetupDlg& d) {
        QTest::mouseClick(d.controls().cancelButton, Qt::LeftButton);
    };
    const auto escape = [](SetupDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    // clang-format off
    QTest::newRow("nothing set: Details preset, OK writes it as No") << SetupRow{
        "", ok, {"xdg-open", "%F", "details"}, {"xdg-open", "%F", "No"}};
    QTest::newRow("Intro in capitals presets Intro") << SetupRow{
        "[Last]\nIntro=YES\n", ok, {"xdg-open", "%F", "intro"}, {"xdg-open", "%F", "Yes"}};
    QTest::newRow("all three changed and confirmed with Enter") << SetupRow{
        "[Last]\nIntro=No\nUrl=/old/\nBrowser=/usr/bin/old\n",
        [](SetupDlg& d) {
            Type(d.controls().browserEdit, "/usr/bin/firefox");
            QTest::mouseClick(d.controls().introRadio, Qt::LeftButton);
            Type(d.controls().helpPathEdit, "/srv/help/");
            QTest::keyClick(d.controls().helpPathEdit, Qt::Key_Return);
        },
        {"/usr/bin/old", "/old/", "details"}, {"/usr/bin/firefox", "/srv/help/", "Yes"}};
    QTest::newRow("help path left, then cancelled: only the help path stays") << SetupRow{
        "",
        [=](SetupDlg& d) {
            Type(d.controls().browserEdit, "/usr/bin/firefox");
            Type(d.controls().helpPathEdit, "/d/help");
            QTest::keyClick(d.controls().helpPathEdit, Qt::Key_Tab);
            QTest::mouseClick(d.controls().introRadio, Qt::LeftButton);
            cancel(d);
        },
        {"xdg-open", "%F", "details"}, {"-", "/d/help/", "-"}};
    QTest::newRow("emptied help path left, then Escape") << SetupRow{
        "[Last]\nUrl=/d/help/\n",
        [=](SetupDlg& d) {
            Type(d.controls().helpPathEdit, "");
            QTest::keyClick(d.controls().helpPathEdit, Qt::Key_Tab);
            QCOMPARE(d.controls().helpPathEdit->text(), QString("/"));
            escape(d);
        },
        {"xdg-open", "/d/help/", "details"}, {"-", "/", "-"}};
    QTest::newRow("Escape from the browser edit writes nothing") << SetupRow{
        "[Last]\nIntro=yes\n",
        [=](SetupDlg& d) {
            Type(d.controls().browserEdit, "/usr/bin/firefox");
            QTest::mouseClick(d.controls().detailsRadio, Qt::LeftButton);
            d.controls().browserEdit->setFocus();
            escape(d);
        },
        {"xdg-open", "%F", "intro"}, {"-", "-", "yes"}};
    QTest::newRow("a help path typed and confirmed at once gets no closing slash") << SetupRow{
        "",
        [](SetupDlg& d) {
            d.controls().helpPathEdit->setText("/srv/help");
            d.controls().browserEdit->setFocus();
            d.controls().okButton->click();
        },
        {"xdg-open", "%F", "details"}, {"xdg-open", "/srv/help", "No"}};
    // clang-format on
}

void SetupTest::setup() {
    QFETCH(SetupRow, row);
    TempFolder folder;
    const std::string f = folder.path();
    if (!row.ini.empty()) TempFolder::write(f + "Wrennet.ini", Fill(row.ini, f));
    FakePlatform platform(f + "wrennet");
    wrennet::WrennetSettings settings(f);
    QWidget window;
    wrennet::HelpActions help(platform, settings, window);
    window.show();

    QStringList shown;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<SetupDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        if (!QTest::qWaitForWindowActive(dialog)) qFatal("the Setup dialog never became active");
        const wrennet::SetupControls& c = dialog->controls();
        shown = {c.browserEdit->text(), c.helpPathEdit->text(), Checked(c)};
        row.steps(*dialog);
        ran = true;
    });
    help.onSetup();

    QVERIFY(ran);
    const auto filled = [&](const QStringList& texts) {
        QStringList out;
        for (const QString& t : texts) out << QString::fromStdString(Fill(t.toStdString(), f));
        return out;
    };
    QCOMPARE(shown, filled(row.shown));
    QStringList written;
    for (const char* key : {"Browser", "Url", "Intro"}) {
        written << QString::fromStdString(settings.file().readValue("Last", key, "-", 1000));
    }
    QCOMPARE(written, filled(row.written));
    QVERIFY(platform.started.empty() && platform.openedDocuments.empty());
}

void SetupTest::browse_data() {
    QTest::addColumn<BrowseRow>("row");
    // clang-format off
    QTest::newRow("browser: its folder, its own name proposed") << BrowseRow{
        {.browserPath = "/usr/bin/firefox"}, false, "/opt/web/web.sh",
        "Select Browser", "/usr/bin", "/usr/bin/firefox", "/opt/web/web.sh", ""};
    QTest::newRow("browser named without a folder is handed over whole") << BrowseRow{
        {.browserPath = "xdg-open"}, false, std::nullopt,
        "Select Browser", "xdg-open", "xdg-open", "xdg-open", ""};
    QTest::newRow("browser path ending in a slash proposes no name") << BrowseRow{
        {.browserPath = "/opt/web/"}, false, std::nullopt,
        "Select Browser", "/opt/web", "", "/opt/web/", ""};
    QTest::newRow("help folder: the guide proposed, the chosen file's folder kept") << BrowseRow{
        {.helpPath = "/d/help/"}, true, "/docs/guide/index.html",
        "Help Parent", "/d/help/", "/d/help/QX_P.html", "", "/docs/guide/"};
    QTest::newRow("relative help folder opens at the root") << BrowseRow{
        {.helpPath = "help/"}, true, std::nullopt,
        "Help Parent", "/", "/QX_P.html", "", "help/"};
    QTest::newRow("help folder without its slash proposes no name") << BrowseRow{
        {.helpPath = "/d/help"}, true, "guide.html",
        "Help Parent", "/d/help", "", "", "guide.html"};
    // clang-format on
}

void SetupTest::browse() {
    QFETCH(BrowseRow, row);
    TempFolder folder;
    FakePlatform platform(folder.path() + "wrennet");
    platform.chosenFiles.push_back(row.chosen);
    wrennet::WrennetSettings settings(folder.path());
    QWidget window;
    wrennet::HelpActions help(platform, settings, window);
    SetupDlg dialog(platform, settings, help, row.fields, &window);

    const wrennet::SetupControls& c = dialog.controls();
    (row.helpFolder ? c.helpPathBrowseButton : c.browserBrowseButton)->click();

    QCOMPARE(platform.fileRequests.size(), 1u);
    const wrennet::FileDialogRequest& request = platform.fileRequests.front();
    QCOMPARE(request.title, row.title);
    QCOMPARE(request.startFolder, row.startFolder);
    QCOMPARE(request.startFileName, row.startFileName);
    QCOMPARE(request.filters.front().description,
             std::string(row.helpFolder ? "Help(*.html)" : "Browser(*.exe)"));
    QCOMPARE(request.filters.back().pattern, std::string("*.*"));
    QCOMPARE(c.browserEdit->text().toStdString(), row.browserAfter);
    QCOMPARE(c.helpPathEdit->text().toStdString(), row.helpPathAfter);
    // Browsing alone writes nothing; OK or leaving the help path does.
    QVERIFY(!std::filesystem::exists(folder.path() + "Wrennet.ini"));
}

void SetupTest::layout() {
    TempFolder folder;
    FakePlatform platform(folder.path() + "wrennet");
    wrennet::WrennetSettings settings(folder.path());
    QWidget window;
    wrennet::HelpActions help(platform, settings, window);
    SetupDlg dialog(platform, settings, help, {}, &window);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("Setup"));
    QStringList tabOrder;
    QWidget* w = dialog.controls().browserEdit;
    do {
        if (w->focusPolicy() & Qt::TabFocus) tabOrder << w->objectName();
        w = w->nextInFocusChain();
    } while (w != dialog.controls().browserEdit);
    QCOMPARE(tabOrder, (QStringList{"browserEdit", "helpPathEdit", "introRadio", "detailsRadio",
                                    "cancelButton", "okButton", "helpPathBrowseButton",
                                    "browserBrowseButton"}));
    // Labels lead to their edits; no control lies outside the dialog.
    QCOMPARE(dialog.findChild<QLabel*>("helpPathLabel")->buddy(), dialog.controls().helpPathEdit);
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(dialog.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

QTEST_MAIN(SetupTest)
#include "setup_test.moc"
