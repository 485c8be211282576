// What the window scenarios cannot say in text: settings with no place to
// go, the controls' places and tab order at this desktop's font, the drop-down
// lists' scroll bars, and the source pane's lines, selection and focus as drawn.
#include <QAbstractItemView>
#include <QGroupBox>
#include <QScrollBar>

#include "session.h"

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

struct PaneRow {
    QByteArray bytes = {};
    QStringList lines;
    QLine select = {};  // from (column, line) to (column, line)
    QString selected = {};
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // A program folder that cannot be written (here: one that is not there, as
    // the tests may run as root) sends the settings to the user's configuration
    // folder; when that cannot take them either, the user is told once.
    void settingsNowhere() {
        TempFolder user;
        const std::string u = user.path(), program = u + "installed/";
        TempFolder::write(u + "file", "");
        TempFolder::write(u + "Port.s79", "; C Function prototype: int PortRead(int port)\n");
        FakePlatform platform(program + "wrennet");
        platform.environment = {{"XDG_CONFIG_HOME", u + "file/config"}, {"HOME", u}};
        platform.chosenFiles.push_back(u + "Port.s79");
        wrennet::PosixFileReader files;
        wrennet::WrennetApp app(platform, files);
        app.startUp().onAddLibrary();
        QCOMPARE(platform.messageTexts(),
                 QStringList{QString::fromStdString(
                     "Wrennet cannot save its settings in " + u +
                     "file/config/wrennet/Wrennet.ini.\nIt works on, but what you change is not "
                     "remembered.")});
        // Help and the introductory text stay with the program.
        QCOMPARE(platform.openedDocuments, std::vector<std::string>{program + "Wrennet.txt"});
    }

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

    void sourcePaneLines_data() {
        const QString e = QChar(0xE9);
        AddRows<PaneRow>({
            {"UTF-8: carriage returns dropped, the last line end opens no line",
             {.bytes = "ab\r\nc\xC3\xA9"
                       "d\r\n",
              .lines = {"ab", "c" + e + "d"},
              .select = {1, 0, 2, 1},
              .selected = "b\nc" + e}},
            {"Windows-1252: a line that alone is valid UTF-8 reads as the rest",
             {.bytes = "\xC3\xA9x\n\x80y",
              .lines = {QString("\u00C3\u00A9x"), QString("\u20ACy")},
              .select = {1, 0, 1, 1},
              .selected = QString("\u00A9x\n\u20AC")}},
            {"line and paragraph separators shown as replacement characters",
             {.bytes = "x\xE2\x80\xA8y\xE2\x80\xA9",
              .lines = {QString("x\uFFFDy\uFFFD")},
              .select = {0, 0, 3, 0},
              .selected = QString("x\uFFFDy")}},
            {"a character outside the basic plane takes two columns",
             {.bytes = "\xF0\x9F\x98\x80z\n\nw",
              .lines = {QString::fromUtf8("\xF0\x9F\x98\x80z"), "", "w"},
              .select = {2, 0, 1, 2},
              .selected = "z\n\nw"}},
            {"empty text: one empty line", {.lines = {""}}},
        });
    }
    void sourcePaneLines() {
        QFETCH(PaneRow, row);
        QWidget window;
        wrennet::SourcePane pane(&window);
        pane.resize(400, 300);
        const std::string text = row.bytes.toStdString();
        pane.setText(wrennet::PaneText(text));
        QCOMPARE(pane.text(), text);
        QStringList lines;
        for (int line = 0; line < pane.lineCount(); ++line) lines << pane.lineText(line);
        QCOMPARE(lines, row.lines);

        // The end of the longest line can be scrolled into view, and no further
        // than a little past it.
        const int width = pane.fontMetrics().horizontalAdvance(u'M');
        qsizetype longest = 0;
        for (const QString& line : row.lines) longest = std::max(longest, line.size());
        const int reach = pane.horizontalScrollBar()->maximum() + pane.viewport()->width();
        QVERIFY(reach >= longest * width);
        QVERIFY(pane.horizontalScrollBar()->maximum() == 0 || reach <= (longest + 2) * width);

        const auto at = [&](QPoint p) {
            return QPoint(4 + p.x() * width, p.y() * pane.fontMetrics().lineSpacing() + 1);
        };
        QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, at(row.select.p1()));
        QTest::mouseRelease(pane.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                            at(row.select.p2()));
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(row.select.p2()));
        QCOMPARE(pane.selectedText(), row.selected);
        QTest::keyClick(&pane, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(pane.selectedText(), row.lines.join(u'\n'));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
