// The library list: adding a library through the file dialog, unlisting one,
// switching by closing the list, and paths that are not plain text.

#include "session.h"

using namespace wrennet::testing;
using wrennet::MessageIcon;

namespace {

std::string Library(const std::string& function) {
    return "; " + function + " library\n; C Function prototype: int " + function + "(int port)\n";
}

const std::string kTwoLibraries =
    "[Last]\nIntro=No\nLibrary=%Fb.s79\n[Libraries]\n%Fa.s79=Yes\n%Fb.s79=Yes\n";

// A folder name in Latin-1: its bytes are no UTF-8 text.
const std::string kLatin1Folder = "caf\xe9";

// A session with the libraries a.s79 (Alpha), b.s79 (Beta), new.s79 and
// odd=name.s79 (Fresh), and café/x.s79 in a folder named in Latin-1.
wrennet::WrennetDlg& StartWithLibraries(Session& session, const std::string& ini) {
    session.write("a.s79", Library("Alpha"));
    session.write("b.s79", Library("Beta"));
    session.write("new.s79", Library("Fresh"));
    session.write("odd=name.s79", Library("Fresh"));
    session.write(kLatin1Folder + "/x.s79", Library("Latin"));
    return session.start(ini);
}

struct AddRow {
    std::string ini;
    std::string chosen = {};  // "": the user cancels
    std::string startFileName, startFolder;
    QStringList messages = {};  // all with the warning icon
    std::string selectedAfter = {};
    bool remembered = true;
};

struct UnlistRow {
    std::string ini;
    bool yes;
    QStringList listedAfter;
    std::string libraryAfter;
    std::string paneHolds;
};

struct OddPathRow {
    std::string name;
    std::string content;
    QString shownName;
    int functions;
};

}  // namespace

class LibraryListTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void addLibrary_data();
    void addLibrary();
    void unlistLibrary_data();
    void unlistLibrary();
    void closeUpSwitchesLibrary();
    void oddLibraryPaths_data();
    void oddLibraryPaths();
};

void LibraryListTest::addLibrary_data() {
    QTest::addColumn<AddRow>("row");
    const std::string latin1Library = "[Last]\nIntro=No\nLibrary=%F" + kLatin1Folder +
                                      "/x.s79\n[Libraries]\n%F" + kLatin1Folder + "/x.s79=Yes\n";
    QTest::newRow("nothing selected, nothing remembered")
        << AddRow{.ini = "[Last]\nIntro=No\n",
                  .chosen = "%Fnew.s79",
                  .startFileName = "%FLibZet4410.s79",
                  .startFolder = "%F",
                  .selectedAfter = "%Fnew.s79"};
    QTest::newRow("from the current library") << AddRow{.ini = kTwoLibraries,
                                                        .chosen = "%Fnew.s79",
                                                        .startFileName = "%Fb.s79",
                                                        .startFolder = "%F",
                                                        .selectedAfter = "%Fnew.s79"};
    QTest::newRow("remembered bare name") << AddRow{.ini = "[Last]\nIntro=No\nLibrary=lib.s79\n",
                                                    .startFileName = "lib.s79",
                                                    .startFolder = "lib.s79"};
    QTest::newRow("start path too long")
        << AddRow{.ini = "[Last]\nIntro=No\nLibrary=/" + std::string(300, 'x') + ".s79\n",
                  .startFileName = "",
                  .startFolder = "/",
                  .messages = {"Drive:\\Path\\File too long!"}};
    QTest::newRow("cancel leaves everything") << AddRow{.ini = kTwoLibraries,
                                                        .startFileName = "%Fb.s79",
                                                        .startFolder = "%F",
                                                        .selectedAfter = "%Fb.s79"};
    QTest::newRow("current library in a folder whose name is no text: the default start")
        << AddRow{.ini = latin1Library,
                  .startFileName = "%FLibZet4410.s79",
                  .startFolder = "%F",
                  .selectedAfter = "%F" + kLatin1Folder + "/x.s79"};
    QTest::newRow("a path holding \"=\" is listed, and the user told once it is not kept")
        << AddRow{.ini = "[Last]\nIntro=No\n",
                  .chosen = "%Fodd=name.s79",
                  .startFileName = "%FLibZet4410.s79",
                  .startFolder = "%F",
                  .messages = {"Library %Fodd=name.s79 cannot be remembered: the settings file "
                               "cannot hold its path.\nIt stays listed until Wrennet ends."},
                  .selectedAfter = "%Fodd=name.s79",
                  .remembered = false};
}

void LibraryListTest::addLibrary() {
    QFETCH(AddRow, row);
    Session session;
    wrennet::WrennetDlg& window = StartWithLibraries(session, row.ini);
    const std::string iniBefore = session.ini();
    if (!row.chosen.empty()) session.platform.chosenFiles.push_back(session.inFolder(row.chosen));

    window.onAddLibrary();

    QCOMPARE(session.platform.fileRequests.size(), 1u);
    const wrennet::FileDialogRequest& request = session.platform.fileRequests.front();
    QCOMPARE(request.title, "Select Library Source");
    QCOMPARE(request.filters.size(), 3u);
    QCOMPARE(request.filters[0].description, " Header(*.h)");
    QCOMPARE(request.filters[2].pattern, "*.*");
    QCOMPARE(request.fileNameLabel, "&Library");
    QCOMPARE(request.acceptLabel, "&Select");
    QCOMPARE(request.startFileName, session.inFolder(row.startFileName));
    QCOMPARE(request.startFolder, session.inFolder(row.startFolder));
    QCOMPARE(session.platform.messageTexts(), session.inFolder(row.messages));
    for (const auto& message : session.platform.messages) {
        QCOMPARE(message.icon, MessageIcon::Warning);
    }
    QCOMPARE(window.libraries().selected().value_or(""), session.inFolder(row.selectedAfter));
    if (row.chosen.empty()) {
        QCOMPARE(session.ini(), iniBefore);
    } else {
        const std::string chosen = session.inFolder(row.chosen);
        QCOMPARE(session.settings().library(), chosen);
        QCOMPARE(session.libraries().count(QString::fromStdString(chosen)), row.remembered ? 1 : 0);
        QVERIFY(Holds(window.paneText(), "Fresh library"));
        QCOMPARE(window.controls().functionCombo->count(), 0);
    }
    // Choosing the library again from the list tells nothing new.
    Pick(*window.controls().libraryCombo, -1);
    QCOMPARE(session.platform.messageTexts(), session.inFolder(row.messages));
}

void LibraryListTest::unlistLibrary_data() {
    QTest::addColumn<UnlistRow>("row");
    QTest::newRow("yes: the first remaining library takes over")
        << UnlistRow{.ini = kTwoLibraries,
                     .yes = true,
                     .listedAfter = {"%Fa.s79"},
                     .libraryAfter = "%Fa.s79",
                     .paneHolds = "Alpha library"};
    QTest::newRow("no: nothing changes") << UnlistRow{.ini = kTwoLibraries,
                                                      .yes = false,
                                                      .listedAfter = {"%Fa.s79", "%Fb.s79"},
                                                      .libraryAfter = "%Fb.s79",
                                                      .paneHolds = "Beta library"};
    QTest::newRow("yes on the last library: it stays remembered")
        << UnlistRow{.ini = "[Last]\nIntro=No\n[Libraries]\n%Fb.s79=Yes\n",
                     .yes = true,
                     .listedAfter = {},
                     .libraryAfter = "%Fb.s79",
                     .paneHolds = "Beta library"};
}

void LibraryListTest::unlistLibrary() {
    QFETCH(UnlistRow, row);
    Session session;
    wrennet::WrennetDlg& window = StartWithLibraries(session, row.ini);
    session.platform.answers.push_back(row.yes ? wrennet::MessageAnswer::Yes
                                               : wrennet::MessageAnswer::No);

    window.onUnlistLibrary();

    QCOMPARE(session.platform.messageTexts(),
             session.inFolder(QStringList{"Do you wish to remove access to\n%Fb.s79 ?"}));
    QCOMPARE(session.platform.messages[0].icon, MessageIcon::Question);
    QCOMPARE(session.platform.messages[0].buttons, wrennet::MessageButtons::YesNo);
    QCOMPARE(session.libraries(), session.inFolder(row.listedAfter));
    QCOMPARE(window.controls().libraryCombo->count(), row.listedAfter.size());
    QCOMPARE(session.settings().library(), session.inFolder(row.libraryAfter));
    QVERIFY(Holds(window.paneText(), row.paneHolds));
}

void LibraryListTest::closeUpSwitchesLibrary() {
    Session session;
    wrennet::WrennetDlg& window = StartWithLibraries(session, kTwoLibraries);
    auto& combo = *window.controls().libraryCombo;

    Pick(combo, 0);
    QCOMPARE(session.settings().library(), session.path("a.s79"));
    QVERIFY(Holds(window.paneText(), "Alpha library"));
    QCOMPARE(session.settings().choice(), "int Alpha(int port)");

    // Closing without a change scans and shows the same library again.
    session.write("a.s79", Library("Again"));
    Pick(combo, -1);
    QVERIFY(Holds(window.paneText(), "Again library"));
    QVERIFY(session.platform.messages.empty());
}

void LibraryListTest::oddLibraryPaths_data() {
    QTest::addColumn<OddPathRow>("row");
    QTest::newRow("blanks and a byte that is not UTF-8: all shown as Windows-1252")
        << OddPathRow{.name = "my lib \xe9t\xc3\xa9.s79",
                      .content = Library("Odd"),
                      .shownName = QString::fromUtf8("my lib \xc3\xa9t\xc3\x83\xc2\xa9.s79"),
                      .functions = 1};
    QTest::newRow("binary file") << OddPathRow{
        .name = "blob.s79",
        .content = std::string("\x00\x01\xff; C Function prototype: x()\n", 33),
        .shownName = "blob.s79",
        .functions = 0};
}

void LibraryListTest::oddLibraryPaths() {
    QFETCH(OddPathRow, row);
    Session session;
    session.write(row.name, row.content);
    const std::string path = session.path(row.name);
    {
        wrennet::WrennetDlg& window = session.start("[Last]\nIntro=No\n");
        session.platform.chosenFiles.push_back(path);
        window.onAddLibrary();
        QCOMPARE(window.controls().libraryCombo->currentText(),
                 QString::fromStdString(session.folder.path()) + row.shownName);
        QCOMPARE(window.libraries().selected().value_or(""), path);
        window.controls().functionCombo->showPopup();
        QCOMPARE(window.controls().functionCombo->count(), row.functions);
    }
    // The settings keep the path's own bytes: the next start finds the file.
    QCOMPARE(session.libraries(), QStringList{QString::fromStdString(path)});
    session.platform.messages.clear();
    QCOMPARE(session.start().libraries().selected().value_or(""), path);
    QVERIFY(session.platform.messages.empty());
}

QTEST_MAIN(LibraryListTest)
#include "library_list_test.moc"
