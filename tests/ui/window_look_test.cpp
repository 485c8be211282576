// How the window looks and answers the keyboard: scroll bars of the dropped
// lists, controls inside their frames, focus shown where it is.
#include <QAbstractItemView>
#include <QGroupBox>
#include <QScrollBar>
#include <QSignalSpy>

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

struct TypedKeyRow {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString fieldAfter;
};

// The visible push buttons, combos and panes: what a frame must not cover.
QList<QWidget*> Controls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible() && qobject_cast<QGroupBox*>(control) == nullptr &&
            (control->focusPolicy() & Qt::TabFocus)) {
            controls << control;
        }
    }
    return controls;
}

}  // namespace

class WindowLookTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void dropDownScrollBars_data();
    void dropDownScrollBars();
    void controlsInsideFrames();
    void buttonTextsPadded();
    void sourcePaneShowsFocusAndCaret();
    void altKeysLeftToMnemonics_data();
    void altKeysLeftToMnemonics();
    void altDownStillOpensLibraryList();
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

// A frame's line stays clear: what stands within a frame ends before its left,
// right and bottom lines (two pixels each).
void WindowLookTest::controlsInsideFrames() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start("[Last]\nIntro=No\n"));
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        if (!group->isVisible()) continue;
        const QRect inside = group->geometry().adjusted(2, 0, -2, -2);
        for (QWidget* control : Controls(window)) {
            if (!group->geometry().intersects(control->geometry())) continue;
            QVERIFY2(inside.contains(control->geometry()),
                     qPrintable(control->objectName() + " covers " + group->objectName()));
        }
    }
}

// Every button's text has at least an average character's room on either side.
void WindowLookTest::buttonTextsPadded() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start("[Last]\nIntro=No\n"));
    for (QWidget* control : Controls(window)) {
        auto* button = qobject_cast<QPushButton*>(control);
        if (button == nullptr) continue;
        const QFontMetrics metrics = button->fontMetrics();
        const int room = button->width() - metrics.horizontalAdvance(button->text().remove(u'&'));
        QVERIFY2(room >= 2 * metrics.averageCharWidth(), qPrintable(button->objectName()));
    }
}

void WindowLookTest::sourcePaneShowsFocusAndCaret() {
    Session session;
    session.write("a.s79", "; C Function prototype: int Fn(int port)\n");
    wrennet::WrennetDlg& window =
        Shown(session.start("[Last]\nIntro=No\n[Libraries]\n%Fa.s79=Yes\n"));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    wrennet::SourcePane& pane = *window.controls().sourcePane;
    QWidget& view = *pane.viewport();
    const int lineMiddle = QFontMetrics(pane.font()).lineSpacing() / 2;
    // The frame's left edge halfway down, and the caret before the first character.
    const QPoint frame(0, view.height() / 2), caret(3, lineMiddle);
    const QColor highlight = pane.palette().color(QPalette::Highlight);
    const QColor text = pane.palette().color(QPalette::Text);

    const QImage unfocused = view.grab().toImage();
    QVERIFY(unfocused.pixelColor(frame) != highlight);
    QVERIFY(unfocused.pixelColor(caret) != text);

    pane.setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(pane.hasFocus());
    const QImage focused = view.grab().toImage();
    QCOMPARE(focused.pixelColor(frame), highlight);
    QCOMPARE(focused.pixelColor(caret), text);
}

void WindowLookTest::altKeysLeftToMnemonics_data() {
    QTest::addColumn<TypedKeyRow>("row");
    QTest::newRow("a plain letter is typed")
        << TypedKeyRow{.key = Qt::Key_Q, .modifiers = Qt::NoModifier, .fieldAfter = "q"};
    QTest::newRow("Alt with a letter that is no mnemonic types nothing")
        << TypedKeyRow{.key = Qt::Key_Q, .modifiers = Qt::AltModifier, .fieldAfter = ""};
    QTest::newRow("Alt with a digit types nothing")
        << TypedKeyRow{.key = Qt::Key_7, .modifiers = Qt::AltModifier, .fieldAfter = ""};
}

void WindowLookTest::altKeysLeftToMnemonics() {
    QFETCH(TypedKeyRow, row);
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start("[Last]\nIntro=No\n"));
    wrennet::PopupComboBox& combo = *window.controls().libraryCombo;
    combo.setFocus(Qt::ShortcutFocusReason);
    QTest::keyClick(combo.lineEdit(), row.key, row.modifiers);
    QCOMPARE(combo.lineEdit()->text(), row.fieldAfter);
}

void WindowLookTest::altDownStillOpensLibraryList() {
    Session session;
    wrennet::WrennetDlg& window = Shown(session.start(WriteLibraries(session, 2, 1)));
    wrennet::PopupComboBox& combo = *window.controls().libraryCombo;
    QSignalSpy opened(&combo, &wrennet::PopupComboBox::popupAboutToShow);
    QTest::keyClick(combo.lineEdit(), Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(opened.count(), 1);
    CloseList(combo);
}

QTEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
