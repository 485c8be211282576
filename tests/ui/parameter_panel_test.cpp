// The parameter panel, from a chosen function to the call on the clipboard:
// the fields each slot offers and where they stand, the choice lists, the
// range check, parameter helpers and Copy.
#include "parameter_panel.h"

#include <QListWidget>

#include "panel_driver.h"

using namespace wrennet::testing;
using wrennet::WrennetDlg;

class ParameterPanelTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void overviewExampleByKeyboard();
    void fieldsGeometryAndCopy();
    void choiceLists();
    void helpers();
};

void ParameterPanelTest::overviewExampleByKeyboard() {
    Session session;
    WrennetDlg& window =
        StartActive(session, std::string(WRENNET_SOURCE_DIR) + "/resources/samples/Include/Port.h");
    QVERIFY(Choose(window, "int PortRead(int port, int mode)"));
    const auto& c = window.controls();

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
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE_WITH_TIMEOUT(session.platform.clipboard, "PortRead(1,RD|WR)", 20000);
    QVERIFY(session.platform.messages.empty());
    QVERIFY(list->isHidden());
}

void ParameterPanelTest::fieldsGeometryAndCopy() {
    struct Row {
        std::string prototype{};
        std::vector<std::string> params{};
        std::string fields{}, copied{};
        bool warns = true;  // "Some parameters not selected."
    };
    const std::string longName = "a_parameter_with_a_rather_long_name";
    const std::string longFlag(10000, 'x');
    const Row rows[] = {
        {.prototype = "void None(void)", .copied = "None()", .warns = false},
        {.prototype = "int One(int a)",
         .params = {"a :{X,Y}"},
         .fields = " combo:X",
         .copied = "One(X)",
         .warns = false},
        // Copy takes the library's own bytes, whatever the fields show.
        {.prototype = "int Latin(int a, int b, int c)",
         .params = {"a :{caf\xE9,x}", "b :{\xC3\xBC|x}"},
         .fields = " combo:caf\xC3\xA9 edit:\xC3\xBC edit:",
         .copied = "Latin(caf\xE9,\xC3\xBC,)"},
        // Cut at 255 bytes; the empty slot cut off warns all the same.
        {.prototype = "int Cut(int a, int b)",
         .params = {"a :{" + longFlag + "|y}", "@note long"},
         .fields = " edit:" + longFlag + " edit:",
         .copied = "Cut(" + longFlag.substr(0, 251)},
        // Last, so that its long names are looked at below.
        {.prototype = "int Four(int " + longName + ", int " + longName + "2, int c, int d)",
         .params = {"c :{5,6}", "d :{7,8}"},
         .fields = " edit: edit: combo:5 combo:7",
         .copied = "Four(,,5,7)"},
    };
    std::vector<std::pair<std::string, std::vector<std::string>>> functions;
    for (const Row& row : rows) functions.emplace_back(row.prototype, row.params);
    Session session;
    session.write("lib/Fields.s79", AssemblerLibrary(functions));
    WrennetDlg& window = StartActive(session, "lib/Fields.s79");
    const auto& c = window.controls();
    const int slotLeft = c.valueEdits[0]->geometry().left();

    for (const Row& row : rows) {
        QVERIFY(Choose(window, row.prototype));
        const int count = window.parameterCount();
        // What the user sees: "combo:X" or "edit:text" for each used slot.
        std::string fields;
        for (std::size_t k = 0; k < 4; ++k) {
            if (!c.valueCombos[k]->isHidden())
                fields += " combo:" + c.valueCombos[k]->currentText().toStdString();
            if (!c.valueEdits[k]->isHidden())
                fields += " edit:" + c.valueEdits[k]->text().toStdString();
        }
        QCOMPARE(fields, row.fields);
        QRect previous;
        for (int k = 0; k < 4; ++k) {
            const bool used = k < count;
            QWidget* field = c.valueCombos[k]->isVisible() ? static_cast<QWidget*>(c.valueCombos[k])
                                                           : c.valueEdits[k];
            QCOMPARE(c.nameLabels[k]->isVisible(), used);
            if (k > 0) QCOMPARE(c.separators[k - 1]->isVisible(), used);
            if (!used) continue;
            const QRect slot = field->geometry();
            const QRect label = c.nameLabels[k]->geometry();
            QCOMPARE(label.left(), slot.left());
            QVERIFY(label.bottom() < slot.top());
            if (k == 0) QCOMPARE(slot.left(), slotLeft);
            if (k > 0) {
                // Evenly spread on one row, each "," between two slots, touching neither.
                const QRect comma = c.separators[k - 1]->geometry();
                QCOMPARE(slot.translated(-window.panel().spacing().pitch, 0), previous);
                QVERIFY(previous.right() < comma.left() && comma.right() < slot.left());
                QVERIFY(c.nameLabels[k - 1]->geometry().right() < label.left());
            }
            previous = slot;
        }
        const QRect close = c.closeParenthesis->geometry();
        QVERIFY(c.closeParenthesis->isVisible());
        QVERIFY(close.left() > (count == 0 ? slotLeft : previous.right()));
        QVERIFY(c.parameterGroup->geometry().contains(close));
        session.platform.messages.clear();
        c.copyButton->click();
        QCOMPARE(session.platform.clipboard, row.copied);
        QCOMPARE(session.platform.messageTexts(),
                 row.warns ? QStringList{"Some parameters not selected."} : QStringList());
    }
    // Long names show whole when there is room, and cut at the next slot otherwise.
    QCOMPARE(c.nameLabels[0]->text().toStdString(), longName);
    QVERIFY(c.nameLabels[0]->width() > window.panel().spacing().labelWidth);
}

void ParameterPanelTest::choiceLists() {
    Session session;
    session.write("lib/Flags.s79",
                  AssemblerLibrary({{"int F(int mode, int flags)",
                                     {"mode :{X,Y}", "flags :{0|1|-1}", "@note Ask probe.exe"}}}));
    session.write("lib/probe.exe", "#!/bin/sh\n");  // a &Helpers button to move aside
    WrennetDlg& window = StartActive(session, "lib/Flags.s79");
    QVERIFY(Choose(window, "int F(int mode, int flags)"));
    const auto& c = window.controls();
    QListWidget* list = c.choiceLists[1];

    // Open beneath slot 2 on the entry's items, the frame, E&xit and &Helpers
    // out of the way.
    Focus(c.valueEdits[1]);
    QCOMPARE(QApplication::focusWidget(), list);
    QVERIFY(list->isVisible() && c.parameterGroup->isHidden() && c.exitButton->isHidden() &&
            c.helpersButton->isHidden());
    QCOMPARE(list->geometry().topLeft(), c.valueEdits[1]->geometry().bottomLeft() + QPoint(0, 1));
    QCOMPARE(list->selectedItems(), QList{list->item(0)});

    // Picked in another order, the value keeps the list's. Leaving for a
    // button with no focus step of its own: the list closes, the frame
    // returns, E&xit stays away until a list-closing step.
    list->clearSelection();
    list->item(2)->setSelected(true);
    list->item(0)->setSelected(true);
    Focus(c.copyButton);
    QVERIFY(list->isHidden() && c.parameterGroup->isVisible() && c.exitButton->isHidden());
    QCOMPARE(c.valueEdits[1]->text(), "0|-1");
    Focus(c.functionCombo);
    QVERIFY(c.exitButton->isVisible() && c.helpersButton->isVisible());

    // Another program takes the focus from an open list: the list closes on
    // its selection, and opens again when the window comes back, once the
    // edit has checked the value against 0|1| to 1.
    Focus(c.valueEdits[1]);
    list->clearSelection();
    list->item(2)->setSelected(true);
    QApplication::setActiveWindow(nullptr);
    QVERIFY(list->isHidden());
    QCOMPARE(c.valueEdits[1]->text(), "-1");
    QVERIFY(session.platform.messages.empty());
    QApplication::setActiveWindow(&window);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), list, 20000);
    QVERIFY(list->isVisible());
    QCOMPARE(session.platform.messageTexts(), QStringList{"flags Out of range."});
}

void ParameterPanelTest::helpers() {
    Session session;
    struct Row {
        std::string valueText{};
        int result = 0;         // what running it returns
        std::string command{};  // "": nothing run
        std::string message{};
    };
    const std::string folder = session.path("lib dir/");
    const Row rows[] = {
        {.valueText = "tool.exe", .command = "'" + folder + "'tool.exe"},
        {.valueText = "sub/t\xE9.exe", .command = "'" + folder + "'sub/t\xE9.exe"},
        {.valueText = "TOOL.EXE"},    // ".exe" is looked for with its letter case
        {.valueText = "x|tool.exe"},  // a flag set wins
        {.valueText = "../up.exe",
         .message = "../up.exe: helper name leads out of the library's folder."},
        {.valueText = "gone.exe",
         .result = 127 << 8,
         .command = "'" + folder + "'gone.exe",
         .message = folder + "gone.exe or CMD.EXE not found."},
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
        QVERIFY(Choose(window, functions[i].first));
        platform.commands.clear();
        platform.messages.clear();
        platform.helperResults = {row.result};
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
        Focus(c.valueEdits[0]);
        QCOMPARE(platform.commands.size(), 2 * once.size());
    }
}

QTEST_MAIN(ParameterPanelTest)
#include "parameter_panel_test.moc"
