// What a desktop user expects of the window beyond its layout: a function
// found by typing, libraries from outside the window, keys that never lose
// the window or type a mnemonic's letter, and programs that cannot start told.
#include <QAbstractItemView>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <cmath>

#include "tests/ui/session.h"
#include "ui/help_actions.h"
#include "ui/pane_colours.h"

using namespace wrennet::testing;
using wrennet::PopupComboBox;
using wrennet::WrennetDlg;

namespace {

// A header of `count` functions "int FnNNNN(int port)" and one odd one out.
std::string Header(int count) {
    std::string text;
    for (int f = 0; f < count; ++f) text += "int Fn" + std::to_string(f) + "(int port);\n";
    return text + "long PortReadAll(int port);\n";
}

QStringList Rows(const QAbstractItemView& view) {
    QStringList rows;
    for (int row = 0; row < view.model()->rowCount(); ++row)
        rows << view.model()->index(row, 0).data().toString();
    return rows;
}

// The contrast of two colours as the web's accessibility rules count it: 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

const QLabel& TypedLabel(QAbstractItemView& view) {
    return *view.findChild<QLabel*>(QStringLiteral("typedLabel"));
}

}  // namespace

class WindowHabitsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Typing narrows the open list by name; Backspace widens it again; Return
    // picks the first match, which is then chosen as a click would choose it.
    void typeToFindAndPick() {
        Session session;
        session.write("Big.h", Header(3000));
        WrennetDlg& window = StartActive(session, "Big.h");
        PopupComboBox& combo = *window.controls().functionCombo;
        Focus(&combo);
        combo.showPopup();
        QAbstractItemView& view = *combo.view();
        QVERIFY(QTest::qWaitForWindowExposed(view.window()));
        const struct {
            const char* keys;
            QStringList rows;
        } steps[] = {
            {"fn299",
             {"int Fn299(int port)", "int Fn2990(int port)", "int Fn2991(int port)",
              "int Fn2992(int port)", "int Fn2993(int port)", "int Fn2994(int port)",
              "int Fn2995(int port)", "int Fn2996(int port)", "int Fn2997(int port)",
              "int Fn2998(int port)", "int Fn2999(int port)"}},
            {"9", {"int Fn2999(int port)"}},
            {"\b\b\b\b\b\bREADa", {"long PortReadAll(int port)"}},
        };
        for (const auto& step : steps) {
            for (const char* key = step.keys; *key != '\0'; ++key) {
                if (*key == '\b') {
                    QTest::keyClick(&view, Qt::Key_Backspace);
                } else {
                    QTest::keyClicks(&view, QString(QChar::fromLatin1(*key)));
                }
            }
            QCOMPARE(Rows(view), step.rows);
            QCOMPARE(view.currentIndex().row(), 0);
        }
        QVERIFY(TypedLabel(view).isVisible());
        QCOMPARE(TypedLabel(view).text(), "Find: READa");
        QTest::keyClick(&view, Qt::Key_Return);
        QTRY_VERIFY(!combo.isPopupOpen());
        QTRY_VERIFY(
            QString::fromStdString(session.ini()).contains("Choice=long PortReadAll(int port)"));
        QCOMPARE(combo.count(), 3001);
        QCOMPARE(combo.currentText(), "long PortReadAll(int port)");
    }

    // Escape clears the text first and only then closes the list, keeping the
    // choice made before; Home and End reach both ends of the list.
    void escapeClearsThenCloses() {
        Session session;
        session.write("Big.h", Header(50));
        WrennetDlg& window = StartActive(session, "Big.h");
        PopupComboBox& combo = *window.controls().functionCombo;
        QVERIFY(Choose(window, "int Fn7(int port)"));
        Focus(&combo);
        combo.showPopup();
        QAbstractItemView& view = *combo.view();
        QVERIFY(QTest::qWaitForWindowExposed(view.window()));
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(view.currentIndex().data().toString(), "long PortReadAll(int port)");
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.currentIndex().row(), 0);
        QTest::keyClicks(&view, "fn4");
        QCOMPARE(view.model()->rowCount(), 11);
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(combo.isPopupOpen());
        QCOMPARE(view.model()->rowCount(), 51);
        QVERIFY(TypedLabel(view).isHidden());
        QTest::keyClicks(&view, "zz");
        QCOMPARE(view.model()->rowCount(), 0);
        QCOMPARE(TypedLabel(view).text(), "Find: zz (no function)");
        QTest::keyClick(&view, Qt::Key_Escape);
        QTest::keyClick(&view, Qt::Key_Escape);
        QTRY_VERIFY(!combo.isPopupOpen());
        QTRY_COMPARE(combo.currentText(), "int Fn7(int port)");
        QCOMPARE(combo.count(), 51);
    }

    // Escape with nothing open leaves the window as it is; in a flag list it
    // closes the list, its selection kept.
    void escapeNeverEndsTheWindow() {
        Session session;
        session.write("lib/Flags.s79", AssemblerLibrary({{"int F(int flags)", {"flags :{A|B}"}}}));
        WrennetDlg& window = StartActive(session, "lib/Flags.s79");
        QVERIFY(Choose(window, "int F(int flags)"));
        const auto& c = window.controls();
        for (QWidget* focus : std::initializer_list<QWidget*>{c.copyButton, c.sourcePane}) {
            Focus(focus);
            QTest::keyClick(focus, Qt::Key_Escape);
            QVERIFY(window.isVisible());
        }
        Focus(c.valueEdits[0]);
        QVERIFY(c.choiceLists[0]->isVisible());
        c.choiceLists[0]->clearSelection();
        c.choiceLists[0]->item(1)->setSelected(true);
        QTest::keyClick(c.choiceLists[0], Qt::Key_Escape);
        QTRY_VERIFY(!c.choiceLists[0]->hasFocus());
        QVERIFY(window.isVisible());
        QCOMPARE(c.valueEdits[0]->text(), "B");
    }

    // Alt with a letter that is no mnemonic types nothing in a value field.
    void altLettersTypeNothing() {
        Session session;
        session.write("lib/Modes.s79", AssemblerLibrary({{"int F(int mode)", {"mode :{0,1}"}}}));
        WrennetDlg& window = StartActive(session, "lib/Modes.s79");
        QVERIFY(Choose(window, "int F(int mode)"));
        QComboBox& field = *window.controls().valueCombos[0];
        Focus(&field);
        field.lineEdit()->clear();
        QTest::keyClick(field.lineEdit(), Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(field.lineEdit(), Qt::Key_7, Qt::AltModifier);
        QTest::keyClicks(field.lineEdit(), "q");
        QCOMPARE(field.currentText(), "q");
    }

    // Libraries named on the command line, on a fresh settings file: each
    // added and remembered as &Add does it, the last selected; a name that
    // is not there is told and left out.
    void librariesFromTheCommandLine() {
        Session session;
        session.write("a.s79", AssemblerLibrary({{"int A(int x)", {}}}));
        session.write("b.s79", AssemblerLibrary({{"int B(int x)", {}}}));
        WrennetDlg& window = session.start(
            "-", {session.path("a.s79"), session.path("gone.s79"), session.path("b.s79")});
        QCOMPARE(session.platform.messageTexts(),
                 QStringList{QString::fromStdString("Library " + session.path("gone.s79") +
                                                    " not available.")});
        QCOMPARE(window.libraries().count(), 2);
        QCOMPARE(*window.libraries().selected(), session.path("b.s79"));
        const std::string ini = session.ini();
        for (const std::string& line :
             {"Library=" + session.path("b.s79"), session.path("a.s79") + "=Yes",
              session.path("b.s79") + "=Yes"}) {
            QVERIFY2(ini.find(line + "\n") != std::string::npos, ini.c_str());
        }
        QVERIFY(window.paneText().find("int B(int x)") != std::string::npos);
    }

    // Files dropped on the window are added the same way; other drops are refused.
    void droppedFilesAreAdded() {
        Session session;
        session.write("a.s79", AssemblerLibrary({{"int A(int x)", {}}}));
        WrennetDlg& window = Shown(session.start("[Last]\nIntro=No\n"));
        // Straight to the window: the application passes drops only along a
        // drag it has seen begin.
        QObject& target = window;
        QMimeData text;
        text.setText(QStringLiteral("a.s79"));
        QDragEnterEvent enterText(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton,
                                  Qt::NoModifier);
        enterText.ignore();
        target.event(&enterText);
        QVERIFY(!enterText.isAccepted());
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QString::fromStdString(session.path("a.s79")))});
        QDragEnterEvent enterFiles(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton,
                                   Qt::NoModifier);
        enterFiles.ignore();
        target.event(&enterFiles);
        QVERIFY(enterFiles.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        target.event(&drop);
        QCOMPARE(*window.libraries().selected(), session.path("a.s79"));
        QVERIFY(session.ini().find(session.path("a.s79") + "=Yes\n") != std::string::npos);
    }

    // Every colour of the pane reads on a light and on a dark theme's base
    // (the contrast asked of body text, 4.5 to 1), and the kinds stand apart
    // from plain text.
    void paneColoursReadOnBothThemes() {
        const std::pair<QColor, QColor> themes[] = {
            {QColor::fromRgb(0xFFFFFF), QColor::fromRgb(0x000000)},  // base, text
            {QColor::fromRgb(0xF5F5F5), QColor::fromRgb(0x202020)},
            {QColor::fromRgb(0x232629), QColor::fromRgb(0xEFF0F1)},
            {QColor::fromRgb(0x000000), QColor::fromRgb(0xFFFFFF)},
        };
        for (const auto& [base, text] : themes) {
            QPalette palette;
            palette.setColor(QPalette::Base, base);
            palette.setColor(QPalette::Text, text);
            const wrennet::PaneColours colours(palette);
            QCOMPARE(colours.of(wrennet::SourceColour::Plain), text);
            for (int kind = 1; kind <= static_cast<int>(wrennet::SourceColour::Marker); ++kind) {
                const QColor colour = colours.of(static_cast<wrennet::SourceColour>(kind));
                QVERIFY2(Contrast(colour, base) >= 4.5,
                         qPrintable(QString("kind %1 on %2").arg(kind).arg(base.name())));
                QVERIFY(colour != text);
            }
        }
    }

    // A browser, helper or viewer that cannot be started is told once for
    // each request.
    void startFailuresAreTold() {
        Session session;
        session.platform.documentsOpen = false;
        WrennetDlg& window = Shown(session.start("[Last]\nIntro=Yes\n"));
        const std::string intro = session.path("Wrennet.txt");
        QCOMPARE(session.platform.messageTexts(),
                 QStringList{QString::fromStdString(wrennet::CannotOpenText(intro))});
        session.write("Wrennet.ini", "[Last]\nIntro=No\n");
        session.platform.unstartable = {"xdg-open"};
        window.controls().helpButton->click();
        QCOMPARE(session.platform.messages.size(), 2u);
        QCOMPARE(session.platform.messages.back().text, wrennet::CannotStartText("xdg-open"));
        QCOMPARE(wrennet::CannotStartText("xdg-open"),
                 "Wrennet cannot start xdg-open.\nIt is missing or not executable.");
    }
};

QTEST_MAIN(WindowHabitsTest)
#include "window_habits_test.moc"
