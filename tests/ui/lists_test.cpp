// The two drop-down lists. Libraries: added through the file dialog, unlisted,
// switched by closing the list, paths that are no text. Functions: rescanned
// on opening, the last choice, lookups that fail, labels that scroll the pane.
// Both: the scroll bar of a long list.
#include <QAbstractItemView>
#include <QScrollBar>

#include "session.h"

using namespace wrennet::testing;
using wrennet::WrennetDlg;

namespace {

std::string Library(const std::string& function) {
    return "; " + function + " library\n; C Function prototype: int " + function + "(int port)\n";
}

const std::string kTwo =
    "[Last]\nIntro=No\nLibrary=%FBeta.s79\n[Libraries]\n%FAlpha.s79=Yes\n%FBeta.s79=Yes\n";
// A library in a folder named in Latin-1: the path's bytes are no UTF-8 text.
const std::string kLatin1 = "caf\xe9/x.s79";

// Alpha.s79, Beta.s79, New.s79 and odd=name.s79, each declaring the function
// it is named after, and x.s79 in the Latin-1 folder.
WrennetDlg& StartWithLibraries(Session& session, const std::string& ini) {
    for (const std::string name : {"Alpha", "Beta", "New", "odd=name"})
        session.write(name + ".s79", Library(name));
    session.write(kLatin1, Library("Latin"));
    return session.start(ini);
}

// Sorted: PortClose, PortRead, PortReset.
const char* const kAsmLibrary =
    "/**\nint PortRead(int port, int mode)\n * @brief int PortRead reads.\n"
    " * @param port :{0,1,2}\n * @param mode :{RD|WR}\n */\n"
    "; C Function prototype: int PortRead(int port, int mode)\n"
    "/**\nvoid PortReset(void)\n * @brief void PortReset resets.\n */\n"
    "; C Function prototype: void PortReset(void)\n"
    "/**\nint PortClose(int port)\n * @brief int PortClose closes.\n */\n"
    "; C Function prototype: int PortClose(int port)\n";
const char* const kHeader =
    "int PortOpen(int port);\r\nextern int  PortRead (int port , int mode );\r\n";
const char* const kSource =
    "/**\n * @brief int PortOpen opens.\n */\nint PortOpen(int port)\n{\n}\n"
    "/**\n * @brief int PortRead reads.\n * @param port :{0,1}\n"
    " * @note Ask probe.exe for the port\n */\nint PortRead(int port, int mode)\n{\n}\n";

// `library`, listed and current, with `choice` as the last choice.
WrennetDlg& StartOn(Session& session, const std::string& library, const std::string& choice = "") {
    return session.start("[Last]\nIntro=No\nChoice=" + choice + "\nLibrary=%F" + library +
                         "\n[Libraries]\n%F" + library + "=Yes\n");
}

struct AddRow {
    std::string ini = "[Last]\nIntro=No\n";
    std::string chosen = "";  // "": the user cancels
    std::string startFile = "%FLibZet4410.s79", startFolder = "%F";
    QStringList messages = {};
    std::string selected = "";
    bool remembered = true;
};

struct UnlistRow {
    std::string ini = kTwo;
    bool yes;
    QStringList listed;
    std::string current;  // the library remembered and shown afterwards
};

struct OpenCloseRow {
    std::string last;
    int selected;  // while the list is open
    std::string choiceOpen;
    int closeOn = -1;  // -1: closed on the entry it opened on
    std::string choice, pane;
};

}  // namespace

class ListsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void addLibrary_data() {
        AddRows<AddRow>({
            {"nothing current", {.chosen = "%FNew.s79", .selected = "%FNew.s79"}},
            {"remembered bare name",
             {.ini = "[Last]\nIntro=No\nLibrary=lib.s79\n",
              .startFile = "lib.s79",
              .startFolder = "lib.s79"}},
            {"start path too long",
             {.ini = "[Last]\nIntro=No\nLibrary=/" + std::string(300, 'x') + ".s79\n",
              .startFile = "",
              .startFolder = "/",
              .messages = {"Drive:\\Path\\File too long!"}}},
            {"cancel: nothing changes, the dialog started from the current library",
             {.ini = kTwo, .startFile = "%FBeta.s79", .selected = "%FBeta.s79"}},
            {"current library's path no text: the default start",
             {.ini = "[Last]\nIntro=No\nLibrary=%F" + kLatin1 + "\n[Libraries]\n%F" + kLatin1 +
                     "=Yes\n",
              .selected = "%F" + kLatin1}},
            {"a path holding \"=\" is listed, and the user told once it is not kept",
             {.chosen = "%Fodd=name.s79",
              .messages = {"Library %Fodd=name.s79 cannot be remembered: the settings file "
                           "cannot hold its path.\nIt stays listed until Wrennet ends."},
              .selected = "%Fodd=name.s79",
              .remembered = false}},
        });
    }
    void addLibrary() {
        QFETCH(AddRow, row);
        Session session;
        WrennetDlg& window = StartWithLibraries(session, row.ini);
        const std::string iniBefore = session.ini();
        if (!row.chosen.empty())
            session.platform.chosenFiles.push_back(session.inFolder(row.chosen));
        window.onAddLibrary();

        QCOMPARE(session.platform.fileRequests.size(), 1u);
        QCOMPARE(session.platform.fileRequests[0].startFileName, session.inFolder(row.startFile));
        QCOMPARE(session.platform.fileRequests[0].startFolder, session.inFolder(row.startFolder));
        QCOMPARE(session.platform.messageTexts(), session.inFolder(row.messages));
        QCOMPARE(window.libraries().selected().value_or(""), session.inFolder(row.selected));
        if (row.chosen.empty()) {
            QCOMPARE(session.ini(), iniBefore);
        } else {
            const std::string chosen = session.inFolder(row.chosen);
            QCOMPARE(session.settings().library(), chosen);
            QCOMPARE(session.libraries().count(QString::fromStdString(chosen)),
                     row.remembered ? 1 : 0);
            QVERIFY(Holds(window.paneText(),
                          std::filesystem::path(chosen).stem().string() + " library"));
            QCOMPARE(window.controls().functionCombo->count(), 0);
        }
        // Choosing the library again from the list tells nothing new.
        Pick(*window.controls().libraryCombo, -1);
        QCOMPARE(session.platform.messageTexts(), session.inFolder(row.messages));
    }

    void unlistLibrary_data() {
        AddRows<UnlistRow>({
            {"yes: the first remaining takes over",
             {.yes = true, .listed = {"%FAlpha.s79"}, .current = "Alpha"}},
            {"no: nothing changes",
             {.yes = false, .listed = {"%FAlpha.s79", "%FBeta.s79"}, .current = "Beta"}},
            {"yes on the last library: it stays remembered",
             {.ini = "[Last]\nIntro=No\n[Libraries]\n%FBeta.s79=Yes\n",
              .yes = true,
              .listed = {},
              .current = "Beta"}},
        });
    }
    void unlistLibrary() {
        QFETCH(UnlistRow, row);
        Session session;
        WrennetDlg& window = StartWithLibraries(session, row.ini);
        session.platform.answers.push_back(row.yes ? wrennet::MessageAnswer::Yes
                                                   : wrennet::MessageAnswer::No);
        window.onUnlistLibrary();

        QCOMPARE(session.platform.messageTexts(),
                 session.inFolder(QStringList{"Do you wish to remove access to\n%FBeta.s79 ?"}));
        QCOMPARE(session.libraries(), session.inFolder(row.listed));
        QCOMPARE(window.controls().libraryCombo->count(), row.listed.size());
        QCOMPARE(session.settings().library(), session.path(row.current + ".s79"));
        QVERIFY(Holds(window.paneText(), row.current + " library"));
    }

    void closeUpSwitchesLibrary() {
        Session session;
        WrennetDlg& window = StartWithLibraries(session, kTwo);
        Pick(*window.controls().libraryCombo, 0);
        QCOMPARE(session.settings().library(), session.path("Alpha.s79"));
        QCOMPARE(session.settings().choice(), "int Alpha(int port)");
        QVERIFY(Holds(window.paneText(), "Alpha library"));
        // Closing without a change scans and shows the same library again.
        session.write("Alpha.s79", Library("Again"));
        Pick(*window.controls().libraryCombo, -1);
        QVERIFY(Holds(window.paneText(), "Again library"));
        QVERIFY(session.platform.messages.empty());
    }

    // A name with blanks and a byte that is no UTF-8, all shown as Windows-1252.
    void oddLibraryPath() {
        Session session;
        const std::string path = session.path("my lib \xe9t\xc3\xa9.s79");
        session.write("my lib \xe9t\xc3\xa9.s79", Library("Odd"));
        {
            WrennetDlg& window = session.start("[Last]\nIntro=No\n");
            session.platform.chosenFiles.push_back(path);
            window.onAddLibrary();
            QCOMPARE(window.controls().libraryCombo->currentText(),
                     QString::fromStdString(session.folder.path()) +
                         QString::fromUtf8("my lib \xc3\xa9t\xc3\x83\xc2\xa9.s79"));
            QCOMPARE(window.libraries().selected().value_or(""), path);
            window.controls().functionCombo->showPopup();
            QCOMPARE(window.controls().functionCombo->count(), 1);
        }
        // The settings keep the path's own bytes: the next start finds the file.
        QCOMPARE(session.libraries(), QStringList{QString::fromStdString(path)});
        session.platform.messages.clear();
        QCOMPARE(session.start().libraries().selected().value_or(""), path);
        QVERIFY(session.platform.messages.empty());
    }

    void openAndCloseFunctions_data() {
        AddRows<OpenCloseRow>({
            {"last choice third, closed on the second",
             {.last = "void PortReset(void)",
              .selected = 2,
              .choiceOpen = "void PortReset(void)",
              .closeOn = 1,
              .choice = "int PortRead(int port, int mode)",
              .pane = "@param mode :{RD|WR}"}},
            {"last choice in other letter case: selected, not rewritten",
             {.last = "INT PORTREAD(INT PORT, INT MODE)",
              .selected = 1,
              .choiceOpen = "INT PORTREAD(INT PORT, INT MODE)",
              .choice = "int PortRead(int port, int mode)",
              .pane = "@brief int PortRead reads."}},
            {"unknown last choice: the first entry, written at once",
             {.last = "int Gone(void)",
              .selected = 0,
              .choiceOpen = "int PortClose(int port)",
              .choice = "int PortClose(int port)",
              .pane = "int PortClose closes"}},
        });
    }
    void openAndCloseFunctions() {
        QFETCH(OpenCloseRow, row);
        Session session;
        session.write("lib/Port.s79", kAsmLibrary);
        WrennetDlg& window = StartOn(session, "lib/Port.s79", row.last);
        auto& functions = *window.controls().functionCombo;
        QCOMPARE(functions.count(), 0);

        functions.showPopup();
        QCOMPARE(functions.currentIndex(), row.selected);
        QCOMPARE(session.settings().choice(), row.choiceOpen);
        // The rescan shows the list's first function until the list closes.
        QVERIFY(Holds(window.paneText(), "int PortClose closes"));
        CloseList(functions, row.closeOn);
        QCOMPARE(session.settings().choice(), row.choice);
        QVERIFY2(Holds(window.paneText(), row.pane), window.paneText().c_str());
        QVERIFY(session.platform.messages.empty());
    }

    // With no source at all, the last path tried is the one read for choices.
    void sourceNotFound() {
        Session session;
        session.write("Include/Port.h", kHeader);
        WrennetDlg& window = StartOn(session, "Include/Port.h");
        window.controls().functionCombo->showPopup();
        session.platform.messages.clear();
        CloseList(*window.controls().functionCombo, 0);

        QCOMPARE(session.platform.messageTexts(),
                 session.inFolder(QStringList{
                     "Could not find source %FInclude/Port.c or .c",
                     "Could not find \nint PortOpen(int port)\nin %FInclude/Port.c\nMust match "
                     "exactly.",
                     "Could not find %Fsrc/Port.c"}));
        QCOMPARE(window.controls().sourcePane->toPlainText(), QString("-"));
        QCOMPARE(session.settings().choice(), "int PortOpen(int port)");
    }

    // A header with its source in a src folder, and the helper its
    // documentation names beside the source.
    void showWholeLibrary() {
        Session session;
        session.write("Include/Port.h", kHeader);
        session.write("src/Port.c", kSource);
        session.write("src/probe.exe", "#!/bin/sh\n");
        WrennetDlg& window = StartOn(session, "Include/Port.h");
        auto& functions = *window.controls().functionCombo;
        QVERIFY(window.controls().helpersButton->isHidden());
        Pick(functions, 1);
        QVERIFY(Holds(window.paneText(), "@note Ask probe.exe"));
        QCOMPARE(window.helperPath(), session.path("src/probe.exe"));
        QVERIFY(!window.controls().helpersButton->isHidden());
        QTest::mouseClick(window.controls().showButton, Qt::LeftButton);
        QCOMPARE(window.paneText(), kHeader);
        // What the user selects is copied as the pane shows it, without carriage returns.
        QTest::keyClick(window.controls().sourcePane, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window.controls().sourcePane, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(session.platform.clipboard,
                 "int PortOpen(int port);\nextern int  PortRead (int port , int mode );");

        // The file vanishes between listing and use: each step says so, nothing breaks.
        std::filesystem::remove(session.path("Include/Port.h"));
        session.platform.messages.clear();
        functions.showPopup();
        QCOMPARE(functions.count(), 0);
        QCOMPARE(session.platform.messageTexts(),
                 session.inFolder(QStringList{"Library %FInclude/Port.h source file not "
                                              "available.\nFix using Library Combobox."}));
        QCoreApplication::processEvents();
        QCOMPARE(window.paneText(), "");
        QTest::mouseClick(window.controls().showButton, Qt::LeftButton);
        QCOMPARE(session.platform.messages.back().text,
                 "Could not find source " + session.path("Include/Port.h"));
    }

    void labelClickScrollsPane() {
        std::string filler;
        for (int i = 0; i < 80; ++i) filler += " * filler line\n";
        Session session;
        // An assembler library is its own source: the documentation follows the marker.
        session.write("lib/Big.s79",
                      "; C Function prototype: int Big(int alpha, int beta, int gamma)\n"
                      "/**\n @brief int Big does much.\n" +
                          filler + " @param alpha :{1,2}\n" + filler + " @param beta :{3,4}\n" +
                          filler + " */\nint Big(int alpha, int beta, int gamma)\n{\n" + filler +
                          "}\n");
        WrennetDlg& window = Shown(StartOn(session, "lib/Big.s79"));
        Pick(*window.controls().functionCombo, 0);
        auto& pane = *window.controls().sourcePane;
        // Label, and the start of the line it scrolls to the top ("": the first).
        const auto& c = window.controls();
        const std::pair<QLabel*, QString> clicks[] = {{c.nameLabels[0], " @param alpha"},
                                                      {c.nameLabels[1], " @param beta"},
                                                      {c.nameLabels[2], ""},  // undocumented
                                                      {c.functionLabel, "int Big(int alpha"}};
        for (const auto& [label, lineStart] : clicks) {
            pane.scrollToLine(pane.lineCount());
            QTest::mouseClick(label, Qt::LeftButton);
            const int top = window.firstVisiblePaneLine();
            QVERIFY2(lineStart.isEmpty() ? top == 0 : pane.lineText(top).startsWith(lineStart),
                     qPrintable(label->objectName()));
        }
    }

    // 55 libraries of 3000 functions each: both lists need their scroll bar,
    // the library list's on the left.
    void dropDownScrollBars() {
        Session session;
        std::string functions, ini = "[Last]\nIntro=No\nLibrary=%Flib0.s79\n[Libraries]\n";
        for (int f = 0; f < 3000; ++f)
            functions += "; C Function prototype: int Fn" + std::to_string(f) + "(int port)\n";
        for (int n = 0; n < 55; ++n) {
            session.write("lib" + std::to_string(n) + ".s79", functions);
            ini += "%Flib" + std::to_string(n) + ".s79=Yes\n";
        }
        const auto& c = Shown(session.start(ini)).controls();
        for (const auto& [combo, barOnLeft] :
             {std::pair{c.functionCombo, false}, {c.libraryCombo, true}}) {
            combo->showPopup();
            QAbstractItemView& list = *combo->view();
            QVERIFY(QTest::qWaitForWindowExposed(list.window()));
            QVERIFY(combo->count() > list.height() / list.sizeHintForRow(0));
            const QScrollBar& bar = *list.verticalScrollBar();
            QVERIFY2(bar.isVisible(), qPrintable(combo->objectName()));
            const int barLeft = bar.mapToGlobal(QPoint()).x() - list.mapToGlobal(QPoint()).x();
            QCOMPARE(barLeft < list.width() / 2, barOnLeft);
            CloseList(*combo);
        }
    }
};

QTEST_MAIN(ListsTest)
#include "lists_test.moc"
