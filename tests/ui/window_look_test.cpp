// How the window looks and answers the keyboard: scroll bars of the dropped
// lists, controls inside their frames, focus shown where it is.
#include <QAbstractItemView>
#include <QScrollBar>

#include "session.h"

using namespace wrennet::testing;

namespace {

// A settings file listing the libraries lib0.s79 to lib<count - 1>.s79, each
// declaring `functions` prototypes, the first library current.
std::string WriteLibraries(Session& session, int count, int functions) {
    std::string listed;
    for (int n = 0; n < count; ++n) {
        std::string library;
        for (int f = 0; f < functions; ++f) {
            library += "; C Function prototype: int Fn" + std::to_string(f) + "(int port)\n";
        }
        const std::string name = "lib" + std::to_string(n) + ".s79";
        session.write(name, library);
        listed += "%F" + name + "=Yes\n";
    }
    return "[Last]\nIntro=No\nLibrary=%Flib0.s79\n[Libraries]\n" + listed;
}

struct ScrollBarRow {
    wrennet::PopupComboBox* wrennet::MainWindowControls::*combo;
    int libraries, functions;
    bool barOnLeft;
};

}  // namespace

class WindowLookTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void dropDownScrollBars_data();
    void dropDownScrollBars();
};

void WindowLookTest::dropDownScrollBars_data() {
    QTest::addColumn<ScrollBarRow>("row");
    using C = wrennet::MainWindowControls;
    QTest::newRow("function list of 3000 entries, bar on the right") << ScrollBarRow{
        .combo = &C::functionCombo, .libraries = 1, .functions = 3000, .barOnLeft = false};
    QTest::newRow("library list of 55 entries, bar on the left") << ScrollBarRow{
        .combo = &C::libraryCombo, .libraries = 55, .functions = 1, .barOnLeft = true};
}

void WindowLookTest::dropDownScrollBars() {
    QFETCH(ScrollBarRow, row);
    Session session;
    const std::string ini = WriteLibraries(session, row.libraries, row.functions);
    wrennet::WrennetDlg& window = Shown(session.start(ini));
    wrennet::PopupComboBox& combo = *(window.controls().*row.combo);
    combo.showPopup();
    QAbstractItemView& list = *combo.view();
    QVERIFY(QTest::qWaitForWindowExposed(list.window()));
    QVERIFY(combo.count() > list.height() / list.sizeHintForRow(0));
    const QScrollBar& bar = *list.verticalScrollBar();
    QVERIFY(bar.isVisible());
    const int barLeft = bar.mapToGlobal(QPoint()).x() - list.mapToGlobal(QPoint()).x();
    QCOMPARE(barLeft < list.width() / 2, row.barOnLeft);
    CloseList(combo);
}

QTEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
