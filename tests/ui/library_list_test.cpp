#include "library_list_test.h"

#include <QComboBox>
#include <QTest>

#include "session.h"
#include "source_pane.h"

using wrennet::MessageAnswer;
using wrennet::MessageIcon;
using wrennet::testing::CloseList;
using wrennet::testing::Session;

namespace {

std::string Library(const std::string& function) {
    return "; " + function + " library\n; C Function prototype: int " + function + "(int port)\n";
}

const std::string kTwoLibraries =
    "[Last]\nIntro=No\nLibrary=%Fb.s79\n[Libraries]\n%Fa.s79=Yes\n%Fb.s79=Yes\n";

}  // namespace

void LibraryListTest::addLibrary_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("chosen");  // "": the user cancels
    QTest::addColumn<QString>("startFileName");
    QTest::addColumn<QString>("startFolder");
    QTest::addColumn<QString>("tooLongMessage");
    QTest::addColumn<QString>("selectedAfter");

    QTest::newRow("nothing selected, nothing remembered") << "[Last]\nIntro=No\n"
                                                          << "%Fnew.s79"
                                                          << "%FLibZet4410.s79"
                                                          << "%F"
                                                          << ""
                                                          << "%Fnew.s79";
    QTest::newRow("from the current library") << kTwoLibraries.c_str() << "%Fnew.s79"
                                              << "%Fb.s79"
                                              << "%F"
                                              << ""
                                              << "%Fnew.s79";
    QTest::newRow("remembered bare name") << "[Last]\nIntro=No\nLibrary=lib.s79\n"
                                          << ""
                                          << "lib.s79"
                                          << "lib.s79"
                                          << ""
                                          << "";
    QTest::newRow("start path too long")
        << QString("[Last]\nIntro=No\nLibrary=/%1.s79\n").arg(QString(300, 'x')) << ""
        << "" << QString("/") << "Drive:\\Path\\File too long!"
        << "";
    QTest::newRow("cancel leaves everything") << kTwoLibraries.c_str() << ""
                                              << "%Fb.s79"
                                              << "%F"
                                              << ""
                                              << "%Fb.s79";
}

void LibraryListTest::addLibrary() {
    QFETCH(QString, ini);
    QFETCH(QString, chosen);
    QFETCH(QString, startFileName);
    QFETCH(QString, startFolder);
    QFETCH(QString, tooLongMessage);
    QFETCH(QString, selectedAfter);

    Session session;
    session.write("Wrennet.ini", ini.toStdString());
    session.write("a.s79", Library("Alpha"));
    session.write("b.s79", Library("Beta"));
    session.write("new.s79", Library("Fresh"));
    wrennet::WrennetDlg& window = session.start();
    const std::string iniBefore = session.ini();
    const auto with = [&](QString text) {
        return text.replace("%F", QString::fromStdString(session.folder.path())).toStdString();
    };
    if (!chosen.isEmpty()) session.platform.chosenFiles.push_back(with(chosen));

    window.onAddLibrary();

    QCOMPARE(session.platform.fileRequests.size(), 1u);
    const wrennet::FileDialogRequest& request = session.platform.fileRequests.front();
    QCOMPARE(request.title, std::string("Select Library Source"));
    QCOMPARE(request.filters.size(), 3u);
    QCOMPARE(request.filters[0].description, std::string(" Header(*.h)"));
    QCOMPARE(request.filters[2].pattern, std::string("*.*"));
    QCOMPARE(request.fileNameLabel, std::string("&Library"));
    QCOMPARE(request.acceptLabel, std::string("&Select"));
    QCOMPARE(request.startFileName, with(startFileName));
    if (tooLongMessage.isEmpty()) {
        QCOMPARE(request.startFolder, with(startFolder));
        QVERIFY(session.platform.messages.empty());
    } else {
        QCOMPARE(session.platform.messages.size(), 1u);
        QCOMPARE(session.platform.messages[0].text, tooLongMessage.toStdString());
        QCOMPARE(session.platform.messages[0].icon, MessageIcon::Warning);
    }
    QCOMPARE(window.libraries().selected().value_or(""), with(selectedAfter));
    if (chosen.isEmpty()) {
        QCOMPARE(session.ini(), iniBefore);
    } else {
        QCOMPARE(session.settings().library(), with(chosen));
        const auto listed = session.settings().libraries();
        QVERIFY(std::find(listed.begin(), listed.end(), with(chosen)) != listed.end());
        QVERIFY(window.paneText().find("Fresh library") != std::string::npos);
        QCOMPARE(window.controls().functionCombo->count(), 0);
    }
}

void LibraryListTest::unlistLibrary_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("listedAfter");
    QTest::addColumn<QString>("libraryAfter");
    QTest::addColumn<QString>("paneHolds");

    QTest::newRow("yes: the first remaining library takes over")
        << kTwoLibraries.c_str() << true << QStringList{"%Fa.s79"} << "%Fa.s79"
        << "Alpha library";
    QTest::newRow("no: nothing changes")
        << kTwoLibraries.c_str() << false << QStringList{"%Fa.s79", "%Fb.s79"} << "%Fb.s79"
        << "Beta library";
    QTest::newRow("yes on the last library: it stays remembered")
        << "[Last]\nIntro=No\n[Libraries]\n%Fb.s79=Yes\n"
        << true << QStringList{} << "%Fb.s79"
        << "Beta library";
}

void LibraryListTest::unlistLibrary() {
    QFETCH(QString, ini);
    QFETCH(bool, yes);
    QFETCH(QStringList, listedAfter);
    QFETCH(QString, libraryAfter);
    QFETCH(QString, paneHolds);

    Session session;
    session.write("Wrennet.ini", ini.toStdString());
    session.write("a.s79", Library("Alpha"));
    session.write("b.s79", Library("Beta"));
    wrennet::WrennetDlg& window = session.start();
    const auto with = [&](QString text) {
        return text.replace("%F", QString::fromStdString(session.folder.path())).toStdString();
    };
    session.platform.answers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No);

    window.onUnlistLibrary();

    QCOMPARE(session.platform.messages.size(), 1u);
    QCOMPARE(session.platform.messages[0].text,
             "Do you wish to remove access to\n" + with("%Fb.s79") + " ?");
    QCOMPARE(session.platform.messages[0].icon, MessageIcon::Question);
    QCOMPARE(session.platform.messages[0].buttons, wrennet::MessageButtons::YesNo);
    std::vector<std::string> expected;
    for (const QString& name : listedAfter) expected.push_back(with(name));
    QCOMPARE(session.settings().libraries(), expected);
    QCOMPARE(window.controls().libraryCombo->count(), static_cast<int>(expected.size()));
    QCOMPARE(session.settings().library(), with(libraryAfter));
    QVERIFY(window.paneText().find(paneHolds.toStdString()) != std::string::npos);
}

void LibraryListTest::closeUpSwitchesLibrary() {
    Session session;
    session.write("Wrennet.ini", kTwoLibraries);
    session.write("a.s79", Library("Alpha"));
    session.write("b.s79", Library("Beta"));
    wrennet::WrennetDlg& window = session.start();
    auto& combo = *window.controls().libraryCombo;

    combo.showPopup();
    CloseList(combo, 0);
    QCOMPARE(session.settings().library(), session.path("a.s79"));
    QVERIFY(window.paneText().find("Alpha library") != std::string::npos);
    QCOMPARE(session.settings().choice(), std::string("int Alpha(int port)"));

    // Closing without a change scans and shows the same library again.
    session.write("a.s79", Library("Again"));
    combo.showPopup();
    CloseList(combo);
    QVERIFY(window.paneText().find("Again library") != std::string::npos);
    QVERIFY(session.platform.messages.empty());
}

void LibraryListTest::oddLibraryPaths_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<int>("functions");

    QTest::newRow("blanks and a byte that is not UTF-8: all shown as Windows-1252")
        << QByteArray("my lib \xe9t\xc3\xa9.s79") << QByteArray(Library("Odd").c_str())
        << QString::fromUtf8("my lib \xc3\xa9t\xc3\x83\xc2\xa9.s79") << 1;
    QTest::newRow("binary file") << QByteArray("blob.s79")
                                 << QByteArray("\x00\x01\xff; C Function prototype: x()\n", 33)
                                 << QString("blob.s79") << 0;
}

void LibraryListTest::oddLibraryPaths() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, shownName);
    QFETCH(int, functions);

    Session session;
    session.write("Wrennet.ini", "[Last]\nIntro=No\n");
    session.write(name.toStdString(), content.toStdString());
    const std::string path = session.path(name.toStdString());
    {
        wrennet::WrennetDlg& window = session.start();
        session.platform.chosenFiles.push_back(path);
        window.onAddLibrary();
        QCOMPARE(window.controls().libraryCombo->currentText(),
                 QString::fromStdString(session.folder.path()) + shownName);
        QCOMPARE(window.libraries().selected().value_or(""), path);
        wrennet::testing::OpenList(*window.controls().functionCombo);
        QCOMPARE(window.controls().functionCombo->count(), functions);
        CloseList(*window.controls().functionCombo);
    }
    // The settings keep the path's own bytes: the next start finds the file.
    QCOMPARE(session.settings().libraries(), std::vector<std::string>{path});
    session.platform.messages.clear();
    wrennet::WrennetDlg& again = session.start();
    QCOMPARE(again.libraries().selected().value_or(""), path);
    QVERIFY(session.platform.messages.empty());
}
