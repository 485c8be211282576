// Running a parameter's helper through the real shell: std::system's results,
// the command's bytes untouched, a window that waits without taking input and
// stops waiting when it is closed.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "../settings/temp_folder.h"
#include "qt_platform.h"

using wrennet::testing::TempFolder;

class HelperRunTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void resultsAsSystemGivesThem();
    void windowWaitsWithoutInput();
    void closingEndsTheWait();
};

void HelperRunTest::resultsAsSystemGivesThem() {
    TempFolder folder;
    const std::string out = folder.path() + "out";
    const std::pair<std::string, int> runs[] = {
        {"exit 0", 0},
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
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    bool enabledMeanwhile = true;
    int paintsMeanwhile = 0;
    QTimer::singleShot(100, &window, [&] {
        enabledMeanwhile = window.isEnabled();
        window.repaint();
        ++paintsMeanwhile;
    });
    wrennet::QtPlatform platform;
    QCOMPARE(platform.runHelperCommand(&window, "sleep 0.4"), 0);
    QVERIFY(!enabledMeanwhile);
    QCOMPARE(paintsMeanwhile, 1);
    QVERIFY(window.isEnabled());
    QCOMPARE(QApplication::focusWidget(), edit);
}

void HelperRunTest::closingEndsTheWait() {
    QDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTimer::singleShot(200, &window, [&] { window.close(); });
    QElapsedTimer clock;
    clock.start();
    wrennet::QtPlatform platform;
    QCOMPARE(platform.runHelperCommand(&window, "sleep 30"), 0);
    QVERIFY(clock.elapsed() < 5000);
}

QTEST_MAIN(HelperRunTest)
#include "helper_run_test.moc"
