// What the window scenarios cannot say in text: settings with no place to
// go, the controls' places and tab order at this desktop's font, the drop-down
// lists' scroll bars, and the source pane's lines, selection and focus as drawn.
#include <QAbstractItemView>
#include <QGroupBox>
#include <QScrollBar>

#include "tests/ui/session.h"

using namespace wrennet::testing;
using wrennet::WrennetDlg;

namespace {

// The visible controls that take the focus: what nothing may cover.
QList<QWidget*> Controls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible() && (control->focusPolicy() & Qt::TabFocus) &&
            qobject_cast<QGroupBox*>(control) == nullptr)
            controls << control;
    }
    return controls;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void tabOrder() {
        Session session;
        wrennet::WrennetDlg& window = Shown(session.start());
        // Tab goes round from the focus the window starts with.
        QStringList order;
        QWidget* const first = QApplication::focusWidget();
        QWidget* w = first;
        do {
            if (Controls(window).contains(w) && w->isEnabled()) order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != first);
        QCOMPARE(order, (QStringList{"unlistButton", "addButton", "libraryCombo", "functionCombo",
                                     "sourcePane", "copyButton", "exitButton", "helpButton",
                                     "setupButton", "showButton"}));
    }

    // Controls stand apart, inside their frames (clear of the frame's lines
    // and of its title), and each button's text has room on either side.
    void layout() {
        Session session;
        wrennet::WrennetDlg& window = Shown(session.start("[Last]\nIntro=No\n"));
        const QList<QWidget*> controls = Controls(window);
        for (QWidget* control : controls) {
            const QRect rect = control->geometry();
            for (QWidget* other : controls) {
                QVERIFY2(other == control || !rect.intersects(other->geometry()),
                         qPrintable(control->objectName() + " overlaps " + other->objectName()));
            }
            for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
                if (!group->isVisible() || !group->geometry().intersects(rect)) continue;
                const QFontMetrics metrics = group->fontMetrics();
                const int titleRight = group->x() + 3 * metrics.averageCharWidth() +
                                       metrics.horizontalAdvance(group->title().remove(u'&'));
                const int top = rect.left() <= titleRight ? metrics.height() : metrics.height() / 2;
                QVERIFY2(group->geometry().adjusted(2, top, -2, -2).contains(rect),
                         qPrintable(control->objectName() + " covers " + group->objectName()));
            }
            if (auto* button = qobject_cast<QPushButton*>(control)) {
                const QFontMetrics metrics = button->fontMetrics();
                QVERIFY2(button->width() - metrics.horizontalAdvance(button->text().remove(u'&')) >=
                             2 * metrics.averageCharWidth(),
                         qPrintable(button->objectName()));
            }
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

    // Each used slot's name above its field, the slots evenly spread on one
    // row with a "," between two, ")" after the last, inside the frame.
    void panelSlotsPlaced() {
        const std::string longName = "a_parameter_with_a_rather_long_name";
        const std::vector<std::pair<std::string, std::vector<std::string>>> functions = {
            {"void None(void)", {}},
            {"int One(int a)", {"a :{X,Y}"}},
            {"int Latin(int a, int b, int c)", {"a :{caf\xE9,x}", "b :{\xC3\xBC|x}"}},
            {"int Cut(int a, int b)", {"a :{" + std::string(10000, 'x') + "|y}"}},
            // Last, so that its long names are looked at below.
            {"int Four(int " + longName + ", int " + longName + "2, int c, int d)",
             {"c :{5,6}", "d :{7,8}"}},
        };
        Session session;
        session.write("lib/Fields.s79", AssemblerLibrary(functions));
        WrennetDlg& window = StartActive(session, "lib/Fields.s79");
        const auto& c = window.controls();
        const int slotLeft = c.valueEdits[0]->geometry().left();
        for (const auto& [prototype, params] : functions) {
            QVERIFY(Choose(window, prototype));
            const int count = window.parameterCount();
            QRect previous;
            for (int k = 0; k < count; ++k) {
                QWidget* field = c.valueCombos[k]->isVisible()
                                     ? static_cast<QWidget*>(c.valueCombos[k])
                                     : c.valueEdits[k];
                const QRect slot = field->geometry(), label = c.nameLabels[k]->geometry();
                QCOMPARE(label.left(), slot.left());
                QVERIFY(label.bottom() < slot.top());
                if (k == 0) QCOMPARE(slot.left(), slotLeft);
                if (k > 0) {
                    const QRect comma = c.separators[k - 1]->geometry();
                    QCOMPARE(slot.translated(-window.panel().spacing().pitch, 0), previous);
                    QVERIFY(previous.right() < comma.left() && comma.right() < slot.left());
                    QVERIFY(c.nameLabels[k - 1]->geometry().right() < label.left());
                }
                previous = slot;
            }
            const QRect close = c.closeParenthesis->geometry();
            QVERIFY(close.left() > (count == 0 ? slotLeft : previous.right()));
            QVERIFY(c.parameterGroup->geometry().contains(close));
        }
        // Long names show whole when there is room, and cut at the next slot otherwise.
        QVERIFY(c.nameLabels[0]->width() > window.panel().spacing().labelWidth);
    }

    // A flag list opens just beneath its slot.
    void choiceListBeneathSlot() {
        Session session;
        session.write("lib/Flags.s79", AssemblerLibrary({{"int F(int flags)", {"flags :{0|1}"}}}));
        WrennetDlg& window = StartActive(session, "lib/Flags.s79");
        QVERIFY(Choose(window, "int F(int flags)"));
        const auto& c = window.controls();
        Focus(c.valueEdits[0]);
        QVERIFY(c.choiceLists[0]->isVisible());
        QCOMPARE(c.choiceLists[0]->geometry().topLeft(),
                 c.valueEdits[0]->geometry().bottomLeft() + QPoint(0, 1));
    }

    void sourcePaneShowsFocusAndCaret() {
        Session session;
        session.write("a.s79", "; C Function prototype: int Fn(int port)\n");
        wrennet::WrennetDlg& window =
            Shown(session.start("[Last]\nIntro=No\n[Libraries]\n%Fa.s79=Yes\n"));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        wrennet::SourcePane& pane = *window.controls().sourcePane;
        QWidget& view = *pane.viewport();
        // The frame's left edge halfway down, and the caret before the first character.
        const QPoint frame(0, view.height() / 2), caret(3, pane.fontMetrics().lineSpacing() / 2);
        const QColor highlight = pane.palette().color(QPalette::Highlight);
        const QColor text = pane.palette().color(QPalette::Text);
        const QImage unfocused = view.grab().toImage();
        QVERIFY(unfocused.pixelColor(frame) != highlight && unfocused.pixelColor(caret) != text);
        pane.setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(pane.hasFocus());
        const QImage focused = view.grab().toImage();
        QCOMPARE(focused.pixelColor(frame), highlight);
        QCOMPARE(focused.pixelColor(caret), text);
    }

    // The end of the longest line can be scrolled into view, and no further
    // than a little past it. Empty text is one empty line.
    void sourcePaneWidth() {
        QWidget window;
        wrennet::SourcePane pane(&window);
        pane.resize(400, 300);
        const int width = pane.fontMetrics().horizontalAdvance(u'M');
        pane.setText(wrennet::PaneText("short\n" + std::string(200, 'x') + "\nshort"));
        const int reach = pane.horizontalScrollBar()->maximum() + pane.viewport()->width();
        QVERIFY(reach >= 200 * width && reach <= 202 * width);
        pane.setText(wrennet::PaneText(""));
        QCOMPARE(pane.lineCount(), 1);
        QCOMPARE(pane.lineText(0), "");
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
