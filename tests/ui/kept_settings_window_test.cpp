// The window's start on settings that a second running copy, a careless user
// or a hostile file system made: nothing the user keeps is lost, and the
// window comes up with at most one word about the settings.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>

#include "common/file_descriptor.h"
#include "settings/ini_file.h"
#include "tests/ui/session.h"

using namespace wrennet::testing;

namespace {

// Ends the test program rather than letting a hang pass unnoticed.
class HangGuard {
  public:
    HangGuard() { ::alarm(60); }
    ~HangGuard() { ::alarm(0); }
};

std::vector<std::string> ListedInFile(const Session& session) {
    return wrennet::IniFile(session.path("Wrennet.ini")).readKeyNames("Libraries", 1 << 30);
}

const std::string kUnsaved =
    "Wrennet cannot save its settings in %FWrennet.ini.\n"
    "It works on, but what you change is not remembered.";

}  // namespace

class KeptSettingsWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Another copy adds a library while "not available" is on the screen.
    void libraryAddedMeanwhileStays() {
        Session session;
        session.write("a.s79", "");
        session.platform.whileMessageShows = [&](const std::string&) {
            wrennet::IniFile(session.path("Wrennet.ini"))
                .writeValue("Libraries", session.path("new.s79"), "Yes");
        };
        session.start("[Last]\nIntro=No\n[Libraries]\n%Fgone.s79=Yes\n%Fa.s79=Yes\n");
        QCOMPARE(session.platform.messages.size(), 1u);
        QCOMPARE(ListedInFile(session),
                 (std::vector{session.path("a.s79"), session.path("new.s79")}));
    }

    // Names beyond the key list's capacity are neither reported nor dropped.
    void tenThousandLibrariesStay() {
        Session session;
        std::string ini = "[Last]\nIntro=No\n[Libraries]\n";
        std::vector<std::string> names;
        for (int i = 0; i < 10000; ++i) {
            names.push_back("/nowhere/libraries/lib" + std::to_string(i) + ".s79");
            ini += names.back() + "=Yes\n";
        }
        session.start(ini);
        const auto& messages = session.platform.messages;
        QVERIFY(!messages.empty() && messages.size() < names.size());
        for (std::size_t i = 0; i < messages.size(); ++i) {
            QCOMPARE(messages[i].text,
                     "Library " + names[i] + " not available.\nWill be removed from list.");
        }
        QCOMPARE(ListedInFile(session),
                 std::vector(names.begin() + static_cast<long>(messages.size()), names.end()));
    }

    void fifoSettingsAreNotWaitedFor() {
        Session session;
        QCOMPARE(::mkfifo(session.path("Wrennet.ini").c_str(), 0644), 0);
        const HangGuard guard;
        Shown(session.start());
        QCOMPARE(session.platform.messageTexts(),
                 QStringList{QString::fromStdString(
                     wrennet::ReplaceAll(kUnsaved, "%F", session.path("")))});
        QVERIFY(std::filesystem::is_fifo(session.path("Wrennet.ini")));
    }

    void readOnlySettingsAreKept() {
        Session session;
        session.write("Wrennet.ini", "[Last]\nIntro=No\n");
        ::chmod(session.path("Wrennet.ini").c_str(), 0444);
        Shown(session.start());
        QCOMPARE(session.platform.messageTexts(),
                 QStringList{QString::fromStdString(
                     wrennet::ReplaceAll(kUnsaved, "%F", session.path("")))});
        QCOMPARE(session.ini(), "[Last]\nIntro=No\n");
    }

    // A program that hangs holding the settings' lock holds up the start a
    // few seconds, once, and is named as the reason.
    void heldLockIsWaitedForOnce() {
        Session session;
        session.write("Wrennet.ini", "[Last]\nIntro=No\n");
        const wrennet::FileDescriptor holder(
            ::open(session.path("Wrennet.ini.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
        QCOMPARE(::flock(holder.get(), LOCK_EX), 0);
        const HangGuard guard;
        QElapsedTimer clock;
        clock.start();
        Shown(session.start());
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(session.platform.messageTexts(),
                 QStringList{QString::fromStdString(
                     "Wrennet's settings in " + session.path("Wrennet.ini") +
                     " are in use by another program.\nIt works on, but what you change is not "
                     "remembered.")});
        QCOMPARE(session.ini(), "[Last]\nIntro=No\n");
    }
};

QTEST_MAIN(KeptSettingsWindowTest)
#include "kept_settings_window_test.moc"
