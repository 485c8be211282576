// The function list: what opening and closing it does to the pane, the
// parameter labels, the helper button and the remembered choice.
#include <filesystem>

#include "session.h"

using namespace wrennet::testing;

namespace {

// Three functions; sorted: PortClose, PortRead, PortReset.
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

// A start on `library`, listed and selected, with `choice` as the last choice.
wrennet::WrennetDlg& StartOn(Session& session, const std::string& library,
                             const std::string& choice = "") {
    return session.start("[Last]\nIntro=No\nChoice=" + choice + "\nLibrary=%F" + library +
                         "\n[Libraries]\n%F" + library + "=Yes\n");
}

struct OpenCloseRow {
    std::string library;
    std::string lastChoice;
    int selectedWhileOpen;
    std::string choiceWhileOpen;
    std::string paneWhileOpen;
    int closeOn;  // -1: closed on the entry it opened on
    std::string choiceAfter;
    std::string paneAfter;
    QString functionAfter;    // the name shown in the parameter panel
    std::string helperAfter;  // relative to the folder; "-" for none
};

}  // namespace

class FunctionListTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void openAndClose_data();
    void openAndClose();
    void lookupFailures_data();
    void lookupFailures();
    void showWholeLibrary();
    void labelClickScrollsPane();
};

void FunctionListTest::openAndClose_data() {
    QTest::addColumn<OpenCloseRow>("row");
    QTest::newRow("last choice third, pane on the first, close on the second")
        << OpenCloseRow{.library = "lib/Port.s79",
                        .lastChoice = "void PortReset(void)",
                        .selectedWhileOpen = 2,
                        .choiceWhileOpen = "void PortReset(void)",
                        .paneWhileOpen = "int PortClose closes",
                        .closeOn = 1,
                        .choiceAfter = "int PortRead(int port, int mode)",
                        .paneAfter = "@param mode :{RD|WR}",
                        .functionAfter = "PortRead",
                        .helperAfter = "-"};
    QTest::newRow("last choice in other letter case: selected, not rewritten")
        << OpenCloseRow{.library = "lib/Port.s79",
                        .lastChoice = "INT PORTREAD(INT PORT, INT MODE)",
                        .selectedWhileOpen = 1,
                        .choiceWhileOpen = "INT PORTREAD(INT PORT, INT MODE)",
                        .paneWhileOpen = "int PortClose closes",
                        .closeOn = -1,
                        .choiceAfter = "int PortRead(int port, int mode)",
                        .paneAfter = "@brief int PortRead reads.",
                        .functionAfter = "PortRead",
                        .helperAfter = "-"};
    QTest::newRow("unknown last choice: the first entry, written at once")
        << OpenCloseRow{.library = "lib/Port.s79",
                        .lastChoice = "int Gone(void)",
                        .selectedWhileOpen = 0,
                        .choiceWhileOpen = "int PortClose(int port)",
                        .paneWhileOpen = "int PortClose closes",
                        .closeOn = -1,
                        .choiceAfter = "int PortClose(int port)",
                        .paneAfter = "int PortClose closes",
                        .functionAfter = "PortClose",
                        .helperAfter = "-"};
    QTest::newRow("header with its source in a src folder and a helper beside it")
        << OpenCloseRow{.library = "Include/Port.h",
                        .lastChoice = "",
                        .selectedWhileOpen = 0,
                        .choiceWhileOpen = "int PortOpen(int port)",
                        .paneWhileOpen = "int PortOpen opens",
                        .closeOn = 1,
                        .choiceAfter = "int PortRead(int port, int mode)",
                        .paneAfter = "@note Ask probe.exe",
                        .functionAfter = "PortRead",
                        .helperAfter = "src/probe.exe"};
}

void FunctionListTest::openAndClose() {
    QFETCH(OpenCloseRow, row);
    Session session;
    session.write("lib/Port.s79", kAsmLibrary);
    session.write("Include/Port.h", kHeader);
    session.write("src/Port.c", kSource);
    session.write("src/probe.exe", "#!/bin/sh\n");
    wrennet::WrennetDlg& window = StartOn(session, row.library, row.lastChoice);
    auto& functions = *window.controls().functionCombo;
    QCOMPARE(functions.count(), 0);

    functions.showPopup();
    QCOMPARE(functions.currentIndex(), row.selectedWhileOpen);
    QCOMPARE(session.settings().choice(), row.choiceWhileOpen);
    QVERIFY2(Holds(window.paneText(), row.paneWhileOpen), window.paneText().c_str());

    CloseList(functions, row.closeOn);
    QCOMPARE(session.settings().choice(), row.choiceAfter);
    QVERIFY2(Holds(window.paneText(), row.paneAfter), window.paneText().c_str());
    QVERIFY(session.platform.messages.empty());
    QCOMPARE(window.controls().functionLabel->text(), row.functionAfter);
    const bool helper = row.helperAfter != "-";
    QCOMPARE(window.helperPath(), helper ? session.path(row.helperAfter) : "-");
    QCOMPARE(window.controls().helpersButton->isHidden(), !helper);
    if (helper) QCOMPARE(window.controls().helpersButton->text(), QString("probe.exe"));
}

void FunctionListTest::lookupFailures_data() {
    QTest::addColumn<QString>("source");  // "": no source file at all
    QTest::addColumn<QStringList>("messages");
    const QString notFound =
        "Could not find \nint PortOpen(int port)\nin %FInclude/Port.c\n"
        "Must match exactly.";
    QTest::newRow("prototype not in the source") << "/**\n * @brief other\n */\nint Other(void)\n"
                                                 << QStringList{notFound};
    QTest::newRow("no source anywhere: the last path tried is the one read for choices")
        << ""
        << QStringList{"Could not find source %FInclude/Port.c or .c", notFound,
                       "Could not find %Fsrc/Port.c"};
}

void FunctionListTest::lookupFailures() {
    QFETCH(QString, source);
    QFETCH(QStringList, messages);
    Session session;
    session.write("Include/Port.h", kHeader);
    if (!source.isEmpty()) session.write("Include/Port.c", source.toStdString());
    wrennet::WrennetDlg& window = StartOn(session, "Include/Port.h");
    auto& functions = *window.controls().functionCombo;
    functions.showPopup();
    session.platform.messages.clear();
    CloseList(functions, 0);

    QCOMPARE(session.platform.messageTexts(), session.inFolder(messages));
    for (const auto& message : session.platform.messages) {
        QCOMPARE(message.icon, wrennet::MessageIcon::Warning);
    }
    QCOMPARE(window.paneText(), "-");
    QCOMPARE(window.controls().sourcePane->toPlainText(), QString("-"));
    QCOMPARE(session.settings().choice(), "int PortOpen(int port)");
}

void FunctionListTest::showWholeLibrary() {
    Session session;
    session.write("Include/Port.h", kHeader);
    session.write("src/Port.c", kSource);
    wrennet::WrennetDlg& window = StartOn(session, "Include/Port.h");
    auto& functions = *window.controls().functionCombo;
    Pick(functions, 1);
    QVERIFY(Holds(window.paneText(), "@brief int PortRead"));

    QTest::mouseClick(window.controls().showButton, Qt::LeftButton);
    QCOMPARE(window.paneText(), kHeader);
    // The pane shows one line per line of the file, without the carriage returns;
    // what the user selects there is copied as the pane shows it.
    const QString shown("int PortOpen(int port);\nextern int  PortRead (int port , int mode );\n");
    QCOMPARE(window.controls().sourcePane->toPlainText(), shown);
    QTest::keyClick(window.controls().sourcePane, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.controls().sourcePane, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(session.platform.clipboard, shown.chopped(1).toStdString());

    // The file vanishes between listing and use: each step says so, nothing breaks.
    std::filesystem::remove(session.path("Include/Port.h"));
    session.platform.messages.clear();
    functions.showPopup();
    QCOMPARE(functions.count(), 0);
    QCOMPARE(session.platform.messageTexts(),
             session.inFolder(QStringList{"Library %FInclude/Port.h source file not available.\n"
                                          "Fix using Library Combobox."}));
    QCOMPARE(session.platform.messages[0].icon, wrennet::MessageIcon::Information);
    QCoreApplication::processEvents();
    QCOMPARE(window.paneText(), "");
    QTest::mouseClick(window.controls().showButton, Qt::LeftButton);
    QCOMPARE(session.platform.messages.back().text,
             "Could not find source " + session.path("Include/Port.h"));
}

void FunctionListTest::labelClickScrollsPane() {
    std::string filler;
    for (int i = 0; i < 80; ++i) filler += " * filler line\n";
    const std::string source = "/**\n @brief int Big does much.\n" + filler +
                               " @param alpha :{1,2}\n" + filler + " @param beta :{3,4}\n" +
                               filler + " */\nint Big(int alpha, int beta, int gamma)\n{\n" +
                               filler + "}\n";
    Session session;
    // An assembler library is its own source: the documentation follows the marker.
    session.write("lib/Big.s79",
                  "; C Function prototype: int Big(int alpha, int beta, int gamma)\n" + source);
    wrennet::WrennetDlg& window = Shown(StartOn(session, "lib/Big.s79"));
    Pick(*window.controls().functionCombo, 0);
    QCOMPARE(window.paneText(), source);
    auto& pane = *window.controls().sourcePane;

    // Label, and the start of the line it scrolls to the top ("": the caret's, the first).
    const auto& c = window.controls();
    const std::pair<QLabel*, QString> clicks[] = {{c.nameLabels[0], " @param alpha"},
                                                  {c.nameLabels[1], " @param beta"},
                                                  {c.nameLabels[2], ""},  // undocumented parameter
                                                  {c.functionLabel, "int Big(int alpha"}};
    for (const auto& [label, lineStart] : clicks) {
        pane.scrollToLine(pane.lineCount());
        QTest::mouseClick(label, Qt::LeftButton);
        const int top = window.firstVisiblePaneLine();
        QVERIFY2(lineStart.isEmpty() ? top == 0 : pane.lineText(top).startsWith(lineStart),
                 qPrintable(label->objectName()));
    }
}

QTEST_MAIN(FunctionListTest)
#include "function_list_test.moc"
