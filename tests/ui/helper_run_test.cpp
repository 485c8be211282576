// Running a parameter's helper through the real shell: std::system's results,
// the command's bytes untouched, a window that waits without taking input and
// stops waiting when it is closed.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "platform/qt_platform.h"
#include "tests/support/temp_folder.h"

using wrennet::testing::TempFolder;

class HelperRunTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void resultsAsSystemGivesThem();
    void windowWaitsWithoutInput();
    void startsThatFailAreSeen();
};

void HelperRunTest::resultsAsSystemGivesThem() {
    TempFolder folder;
    const std::string out = folder.path() + "out";
    const std::pair<std::string, int> runs[] = {
        {"exit 3", 3 << 8},
        {"no-such-helper-anywhere.exe 2>/dev/null", 127 << 8},
        {"printf 'caf\xE9 \xC3\xBC' > '" + out + "'", 0},
    };
    wrennet::QtPlatform platform;
    for (const auto& [command, result] : runs) {
        QCOMPARE(platform.runHelperCommand(nullptr, command), result);
    }
    QCOMPARE(TempFolder::read(out), "caf\xE9 \xC3\xBC");
}

void HelperRunTest::windowWaitsWithoutInput() {
    QDialog window;
    auto* edit = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window, 20000));
    edit->setFocus();
    // Painted meanwhile, but disabled; the focus comes back where it was.
    bool enabledMeanwhile = true;
    QTimer::singleShot(100, &window, [&] {
        enabledMeanwhile = window.isEnabled();
        window.repaint();
    });
    wrennet::QtPlatform platform;
    QCOMPARE(platform.runHelperCommand(&window, "sleep 0.4"), 0);
    QVERIFY(!enabledMeanwhile);
    QVERIFY(window.isEnabled());
    QCOMPARE(QApplication::focusWidget(), edit);

    // Closing the window ends the wait on a helper that runs on (with its own
    // output, so that it holds nothing of the test's open).
    QTimer::singleShot(200, &window, [&] { window.close(); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(platform.runHelperCommand(&window, "exec sleep 60 >/dev/null 2>&1"), 0);
    QVERIFY(clock.elapsed() < 30000);
}

// A program that is missing, or there but not executable, is no start; one
// that starts and then fails is.
void HelperRunTest::startsThatFailAreSeen() {
    TempFolder folder;
    const std::string plain = folder.path() + "helper.exe";
    TempFolder::write(plain, "#!/bin/sh\nexit 0\n");
    const std::pair<std::string, bool> starts[] = {
        {folder.path() + "missing.exe", false},
        {plain, false},
        {"false", true},
    };
    wrennet::QtPlatform platform;
    for (const auto& [program, started] : starts) {
        QVERIFY2(platform.startDetached(program, {}) == started, program.c_str());
    }
}

QTEST_MAIN(HelperRunTest)
#include "helper_run_test.moc"
