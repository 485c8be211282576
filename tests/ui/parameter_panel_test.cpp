// The parameter panel, from a chosen function to the call on the clipboard:
// the fields each slot offers and where they stand, the choice lists, the
// range check, parameter helpers and Copy.
#include "parameter_panel.h"

#include <QListWidget>

#include "panel_driver.h"
#include "slot_layout.h"

using namespace wrennet::testing;
using wrennet::MessageIcon;
using wrennet::WrennetDlg;

namespace {

std::string Text(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText().toStdString();
    return static_cast<const QLineEdit*>(control)->text().toStdString();
}

// What the user sees of the slots: "combo:X" or "edit:text" for each used slot.
std::string Fields(const WrennetDlg& window) {
    const auto& c = window.controls();
    std::string fields;
    for (std::size_t k = 0; k < 4; ++k) {
        for (QWidget* field :
             {static_cast<QWidget*>(c.valueCombos[k]), static_cast<QWidget*>(c.valueEdits[k])}) {
            if (field->isHidden()) continue;
            if (!fields.empty()) fields += " ";
            fields += (field == c.valueEdits[k] ? "edit:" : "combo:") + Text(field);
        }
    }
    return fields;
}

void Click(QPushButton* button) {
    button->click();
    QCoreApplication::processEvents();
}

}  // namespace

class ParameterPanelTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void overviewExampleByKeyboard();
    void fieldsAndGeometry();
    void choiceLists();
    void rangeMessages();
    void helpers();
    void copy();
    void hiddenIncCommand();
};

void ParameterPanelTest::overviewExampleByKeyboard() {
    Session session;
    WrennetDlg& window =
        StartActive(session, std::string(WRENNET_SOURCE_DIR) + "/resources/samples/Include/Port.h");
    QVERIFY(Choose(window, "int PortRead(int port, int mode)"));
    const auto& c = window.controls();
    QCOMPARE(Fields(window), "combo:0 edit:RD");

    // Alt+P, shared by Setu&p and the panel's frame, reaches the first slot at
    // its second press; Down picks 1 there, Tab enters mode's edit, which
    // opens its list with RD selected; Shift+Down adds WR and Alt+C copies.
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), c.setupButton);
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), c.valueCombos[0]);
    QTest::keyClick(c.valueCombos[0], Qt::Key_Down);
    QTest::keyClick(c.valueCombos[0], Qt::Key_Tab);
    QListWidget* list = c.choiceLists[1];
    QCOMPARE(QApplication::focusWidget(), list);
    QVERIFY(list->isVisible());
    QCOMPARE(list->selectedItems().size(), 1);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(session.platform.clipboard, "PortRead(1,RD|WR)");
    QVERIFY(session.platform.messages.empty());
    QVERIFY(list->isHidden());
    QCOMPARE(Fields(window), "combo:1 edit:RD|WR");
}

void ParameterPanelTest::fieldsAndGeometry() {
    struct Row {
        std::string prototype;
        std::vector<std::string> params;
        std::string fields;
    };
    const std::string longName = "a_parameter_with_a_rather_long_name";
    const Row rows[] = {
        {"void None(void)", {}, ""},
        {"int One(int a)", {"a :{X,Y}"}, "combo:X"},
        {"int Two(int a, int b)", {"a :{0-9}", "b :{RD|WR}"}, "edit: edit:RD"},
        {"int Three(int a, int b, int c)",
         {"a :{p.exe}", "b :{|x|y}", "c :{,x}"},
         "edit:\"p.exe\" edit: edit:"},
        {"int Four(int a, int b, int c, int d)",
         {"a :{1,2}", "b :{3,4}", "c :{5,6}", "d :{7,8}"},
         "combo:1 combo:3 combo:5 combo:7"},
        {"int Five(int a, int b, int c, int d, int e)", {"e :{1,2}"}, "edit: edit: edit: edit:"},
        {"int Long(int " + longName + ", int " + longName + "2, int b, int c)",
         {},
         "edit: edit: edit: edit:"},
    };
    std::vector<std::pair<std::string, std::vector<std::string>>> functions;
    for (const Row& row : rows) functions.emplace_back(row.prototype, row.params);
    Session session;
    session.write("lib/Fields.s79", AssemblerLibrary(functions));
    WrennetDlg& window = StartActive(session, "lib/Fields.s79");
    const auto& c = window.controls();
    const QRect lastEdit = c.valueEdits[3]->geometry();  // before any layout: the panel's right end
    const wrennet::PanelGeometry& g = window.panel().geometry();

    for (const Row& row : rows) {
        QVERIFY(Choose(window, row.prototype));
        const int count = window.parameterCount();
        QCOMPARE(Fields(window), row.fields);
        QRect previous;
        for (int k = 0; k < 4; ++k) {
            const bool used = k < count;
            QWidget* field = c.valueCombos[k]->isVisible() ? static_cast<QWidget*>(c.valueCombos[k])
                                                           : c.valueEdits[k];
            QCOMPARE(c.nameLabels[k]->isVisible(), used);
            QCOMPARE(field->isVisible(), used);
            if (k > 0) QCOMPARE(c.separators[k - 1]->isVisible(), used);
            if (!used) continue;
            const QRect slot = field->geometry();
            const QRect label = c.nameLabels[k]->geometry();
            QCOMPARE(label.left(), slot.left());
            QCOMPARE(label.bottom() + 1 + 3, slot.top());
            QCOMPARE(slot.top(), g.rowTop);
            if (k == 0) QCOMPARE(slot.left(), g.slotLeft);
            if (k > 0) {
                // Evenly spread, each "," between two slots, touching neither.
                const QRect comma = c.separators[k - 1]->geometry();
                QCOMPARE(slot.left() - previous.left(), window.panel().spacing().pitch);
                QCOMPARE(slot.width(), previous.width());
                QVERIFY(previous.right() < comma.left() && comma.right() < slot.left());
                QVERIFY2(c.nameLabels[k - 1]->geometry().right() < label.left(),
                         row.prototype.c_str());
            }
            previous = slot;
        }
        const QRect close = c.closeParenthesis->geometry();
        QVERIFY(c.closeParenthesis->isVisible());
        QVERIFY(close.left() > (count == 0 ? g.slotLeft : previous.right()));
        QVERIFY(close.right() <= lastEdit.right());
        QVERIFY(c.parameterGroup->geometry().contains(close));
    }
    // Long names show whole when there is room, and cut at the next slot otherwise.
    QVERIFY(Choose(window, rows[6].prototype));
    QCOMPARE(c.nameLabels[0]->text().toStdString(), longName);
    QVERIFY(c.nameLabels[0]->width() > window.panel().spacing().labelWidth);

    // Three parameters on a span of 500: a slot every 166 pixels, names 110 wide.
    wrennet::PanelGeometry panel;
    panel.panelSpan = 500;
    panel.separatorWidth = 9;
    const auto spacing = wrennet::SpacingFor(panel, 3);
    QCOMPARE(std::tuple(spacing.pitch, spacing.labelWidth, spacing.slotWidth),
             std::tuple(166, 110, 155));
}

void ParameterPanelTest::choiceLists() {
    Session session;
    session.write("lib/Flags.s79",
                  AssemblerLibrary({{"int F(int mode, int flags)",
                                     {"mode :{X,Y}", "flags :{a|b|c}", "@note Ask probe.exe"}}}));
    session.write("lib/probe.exe", "#!/bin/sh\n");  // a &Helpers button to move aside
    WrennetDlg& window = StartActive(session, "lib/Flags.s79");
    QVERIFY(Choose(window, "int F(int mode, int flags)"));
    const auto& c = window.controls();
    QListWidget* list = c.choiceLists[1];

    // Selections made in the list, and the value they leave: list order, not click order.
    const std::pair<std::vector<int>, std::string> picks[] = {{{2, 1}, "b|c"}, {{}, ""}};
    for (const auto& [select, entry] : picks) {
        Focus(c.valueEdits[1]);
        // Open beneath slot 2, the entry's items selected, the frame, E&xit
        // and &Helpers out of the way.
        QCOMPARE(QApplication::focusWidget(), list);
        QVERIFY(list->isVisible() && c.parameterGroup->isHidden() && c.exitButton->isHidden() &&
                c.helpersButton->isHidden());
        QCOMPARE(list->geometry().topLeft(),
                 c.valueEdits[1]->geometry().bottomLeft() + QPoint(0, 1));
        QCOMPARE(list->count(), 3);
        QStringList selected;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->isSelected()) selected << list->item(row)->text();
        }
        QCOMPARE(selected.join('|').toStdString(), window.paramChoices()[1].entryText);

        list->clearSelection();
        for (const int row : select) list->item(row)->setSelected(true);
        // Leaving for a button with no focus step of its own: the list closes,
        // the frame returns, E&xit stays away until a list-closing step.
        Focus(c.copyButton);
        QVERIFY(list->isHidden() && c.parameterGroup->isVisible() && c.exitButton->isHidden());
        QCOMPARE(window.paramChoices()[1].entryText, entry);
        QCOMPARE(c.valueEdits[1]->text().toStdString(), entry);
        Focus(c.functionCombo);
        QVERIFY(c.exitButton->isVisible() && c.helpersButton->isVisible());
    }

    // Another program takes the focus from an open list: the list closes on
    // its selection, and opens again when the window comes back.
    Focus(c.valueEdits[1]);
    list->item(0)->setSelected(true);
    QApplication::setActiveWindow(nullptr);
    QVERIFY(list->isHidden());
    QCOMPARE(window.paramChoices()[1].entryText, "a");
    QApplication::setActiveWindow(&window);
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QVERIFY(list->isVisible());
}

void ParameterPanelTest::rangeMessages() {
    Session session;
    session.write(
        "lib/Range.s79",
        AssemblerLibrary({{"int R(int level, int pick)", {"level :{0-255}", "pick :{0|1|-1}"}}}));
    WrennetDlg& window = StartActive(session, "lib/Range.s79");
    QVERIFY(Choose(window, "int R(int level, int pick)"));
    const auto& c = window.controls();
    auto& messages = session.platform.messages;

    // Typed and left with Tab: the message, and the value stays as typed.
    Focus(c.valueEdits[0]);
    QTest::keyClicks(c.valueEdits[0], "256");
    QTest::keyClick(c.valueEdits[0], Qt::Key_Tab);
    QCOMPARE(messages.size(), 1u);
    QCOMPARE(std::tie(messages[0].text, messages[0].icon),
             std::tuple(std::string("level Out of range."), MessageIcon::Warning));
    QCOMPARE(c.valueEdits[0]->text(), "256");

    // "-1" chosen in the list: entering the edit again checks it against
    // 0|1| to 1 before the list opens.
    Focus(c.valueEdits[1]);
    c.choiceLists[1]->clearSelection();
    c.choiceLists[1]->item(2)->setSelected(true);
    Focus(c.copyButton);
    messages.clear();
    Focus(c.valueEdits[1]);
    QCOMPARE(session.platform.messageTexts(), QStringList{"pick Out of range."});
    QVERIFY(c.choiceLists[1]->isVisible());
}

void ParameterPanelTest::helpers() {
    Session session;
    struct Row {
        std::string valueText;
        std::string command;  // "": nothing run
        std::string message;
    };
    const std::string folder = session.path("lib dir/");
    const Row rows[] = {
        {"tool.exe", "'" + folder + "'tool.exe", ""},
        {"sub/t\xE9.exe", "'" + folder + "'sub/t\xE9.exe", ""},
        {"TOOL.EXE", "", ""},  // ".exe" is looked for with its letter case
        {"../up.exe", "", "../up.exe: helper name leads out of the library's folder."},
        {"a`id`.exe", "", "a`id`.exe: helper name holds characters that are not allowed."},
    };
    std::vector<std::pair<std::string, std::vector<std::string>>> functions;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        functions.push_back({"int H" + std::to_string(i) + "(int x, int y)",
                             {"x :{" + rows[i].valueText + "}", "y :{0-9}"}});
    }
    session.write("lib dir/Help.s79", AssemblerLibrary(functions));
    WrennetDlg& window = StartActive(session, "lib dir/Help.s79");
    const auto& c = window.controls();
    auto& platform = session.platform;

    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        QVERIFY(Choose(window, "int H" + std::to_string(i) + "(int x, int y)"));
        platform.commands.clear();
        platform.messages.clear();
        Focus(c.valueEdits[0]);
        const std::vector<std::string> once =
            row.command.empty() ? std::vector<std::string>{} : std::vector{row.command};
        QCOMPARE(platform.commands, once);
        QCOMPARE(platform.messageTexts(), row.message.empty()
                                              ? QStringList()
                                              : QStringList{QString::fromStdString(row.message)});
        // Entering again without leaving starts nothing; leaving clears the guard.
        window.panel().enterValueEdit(1);
        QCOMPARE(platform.commands, once);
        Focus(c.valueEdits[1]);
        QCOMPARE(window.panel().helperGuard(), 0);
        Focus(c.valueEdits[0]);
        QCOMPARE(platform.commands.size(), 2 * once.size());
    }

    // A shell that cannot be run, or that does not find the helper, is reported.
    QVERIFY(Choose(window, "int H0(int x, int y)"));
    for (const int result : {-1, 127 << 8}) {
        platform.messages.clear();
        platform.helperResults.push_back(result);
        Focus(c.valueEdits[1]);
        Focus(c.valueEdits[0]);
        QCOMPARE(platform.messageTexts(),
                 QStringList{QString::fromStdString(folder + "tool.exe or CMD.EXE not found.")});
        QCOMPARE(platform.messages[0].icon, MessageIcon::Warning);
    }
}

void ParameterPanelTest::copy() {
    std::string many;
    for (int i = 0; i < 5000; ++i) many += (i ? "," : "") + std::to_string(i);
    const std::string longFlag(10000, 'x');
    struct Row {
        std::string prototype;
        std::vector<std::string> params;
        std::vector<std::string>
            typed;  // into the slots' edits or combo fields; "-": leave as laid out
        std::string text;
        bool warns = false;
    };
    const Row rows[] = {
        {"int F(int a, int b, int c)", {"a :{A,B}"}, {"-", "", "C"}, "F(A,,C)", true},
        {"int Typed(int a)", {"a :{A,B}"}, {"TURBO"}, "Typed(TURBO)"},
        {"int Latin(int a, int b)",
         {"a :{caf\xE9,x}", "b :{\xC3\xBC|x}"},
         {},
         "Latin(caf\xE9,\xC3\xBC)"},
        // Lists longer than a line piece run on until a line with a tag closes them.
        {"int Many(int a)", {"a :{" + many + "}", "@note many"}, {"4999"}, "Many(4999)"},
        {"int Cut(int a)",
         {"a :{" + longFlag + "|y}", "@note long"},
         {},
         "Cut(" + longFlag.substr(0, 251)},
    };
    std::vector<std::pair<std::string, std::vector<std::string>>> functions;
    for (const Row& row : rows) functions.emplace_back(row.prototype, row.params);
    Session session;
    // Lines end in CRLF; the values come out without the CR.
    session.write("lib/Copy.s79", AssemblerLibrary(functions, "\r\n"));
    WrennetDlg& window = StartActive(session, "lib/Copy.s79");
    const auto& c = window.controls();

    for (const Row& row : rows) {
        QVERIFY(Choose(window, row.prototype));
        for (std::size_t k = 0; k < row.typed.size(); ++k) {
            if (row.typed[k] == "-") continue;
            QComboBox* combo = c.valueCombos[k];
            if (combo->isVisible()) {
                Focus(combo);
                combo->setEditText(QString::fromStdString(row.typed[k]));
            } else {
                Focus(c.valueEdits[k]);
                c.valueEdits[k]->setText(QString::fromStdString(row.typed[k]));
            }
        }
        session.platform.messages.clear();
        Click(c.copyButton);
        QCOMPARE(session.platform.clipboard, row.text);
        QCOMPARE(session.platform.messageTexts(),
                 row.warns ? QStringList{"Some parameters not selected."} : QStringList());
    }
}

void ParameterPanelTest::hiddenIncCommand() {
    Session session;
    const std::string library =
        "lib/" + std::string(120 - session.path("lib/").size() - 4, 'n') + ".s79";
    session.write(library, AssemblerLibrary({{"int F(int a)", {}}}));
    WrennetDlg& window = StartActive(session, library);
    QPushButton* inc = window.controls().incButton;
    QVERIFY(inc->isHidden() && !inc->isEnabled());
    window.copyLibraryPath();
    QCOMPARE(session.platform.clipboard, session.path(library).substr(0, 98));
}

QTEST_MAIN(ParameterPanelTest)
#include "parameter_panel_test.moc"
