// The &Helpers button starts the file it names: a name from a library's
// "@note" line that leads out of its folder, or steps back into it, is never
// offered, even when the file it names exists.
#include "tests/ui/session.h"

using namespace wrennet::testing;

class HelperButtonTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void offeredOnlyInsideTheFolder() {
        const struct {
            std::string note;
            bool offered;
        } rows[] = {
            {"pick.exe", true},
            {"../outside/evil.exe", false},
            {"sub/../pick.exe", false},
        };
        for (const auto& row : rows) {
            Session session;
            session.write("library/pick.exe", "");
            session.write("library/sub/pick.exe", "");
            session.write("outside/evil.exe", "");
            session.write("library/Tools.s79",
                          "/**\nint Pick(int a)\n * @note values by " + row.note +
                              "\n */\n; C Function prototype: int Pick(int a)\n");
            wrennet::WrennetDlg& window = StartActive(session, "library/Tools.s79");
            QVERIFY(Choose(window, "int Pick(int a)"));
            QCOMPARE(window.controls().helpersButton->isVisible(), row.offered);
            // What the button starts is the helper beside the library.
            if (row.offered) {
                window.controls().helpersButton->click();
                QCOMPARE(session.platform.started.back().program, session.path("library/pick.exe"));
            }
        }
    }
};

QTEST_MAIN(HelperButtonTest)
#include "helper_button_test.moc"
