// The file dialog and the paths it hands back: file names whose bytes are no
// text come back as their own bytes or not at all, and the filter list reads
// as the window gives it.
#include <QComboBox>
#include <QTest>
#include <filesystem>

#include "platform/clib_browse.h"
#include "platform/path_text.h"
#include "tests/support/temp_folder.h"

using wrennet::testing::TempFolder;

namespace {

struct PathRow {
    std::vector<std::string> files;  // created in the folder first
    std::string path;                // relative to the folder
    bool text, back;  // whether the path is text; whether its text gives back its bytes
};

}  // namespace

class FileDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void pathsBackFromText_data() {
        QTest::addColumn<PathRow>("row");
        const std::string latin1 = "caf\xe9/x.s79";
        QTest::newRow("plain") << PathRow{
            .files = {"a.s79"}, .path = "a.s79", .text = true, .back = true};
        QTest::newRow("Latin-1 folder")
            << PathRow{.files = {latin1}, .path = latin1, .text = false, .back = true};
        QTest::newRow("new file typed into a Latin-1 folder")
            << PathRow{.files = {latin1}, .path = "caf\xe9/new.s79", .text = false, .back = true};
        QTest::newRow("Latin-1 name that does not exist")
            << PathRow{.files = {}, .path = "gone\xe9.s79", .text = false, .back = false};
        QTest::newRow("two names that read the same") << PathRow{
            .files = {"a\xe9.s79", "a\xff.s79"}, .path = "a\xe9.s79", .text = false, .back = false};
        QTest::newRow("a name holding the replacement character itself")
            << PathRow{.files = {"r\xef\xbf\xbd.s79"},
                       .path = "r\xef\xbf\xbd.s79",
                       .text = true,
                       .back = true};
    }
    void pathsBackFromText() {
        QFETCH(PathRow, row);
        TempFolder folder;
        for (const std::string& file : row.files) {
            std::filesystem::create_directories(
                std::filesystem::path(folder.path() + file).parent_path());
            TempFolder::write(folder.path() + file, "x");
        }
        const std::string path = folder.path() + row.path;
        QCOMPARE(wrennet::PathSurvivesText(path), row.text);
        const std::optional<std::string> back = wrennet::PathFromText(wrennet::PathText(path));
        QCOMPARE(back, row.back ? std::optional(path) : std::nullopt);
    }

    // The leading blank of a filter's name stays.
    void filterNamesShownWhole() {
        wrennet::CLibBrowse dialog(nullptr);
        dialog.prepare({.title = "Select Library Source",
                        .filters = {{" Header(*.h)", "*.h"}, {" All(*.*)", "*.*"}}});
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(types != nullptr);
        QCOMPARE(types->itemText(0), QString(" Header(*.h)"));
        QCOMPARE(types->itemText(1), QString(" All(*.*)"));
    }

    void startPathsThatAreNoTextLeftOut() {
        TempFolder folder;
        const std::string latin1 = folder.path() + "caf\xe9/";
        std::filesystem::create_directories(latin1);
        wrennet::CLibBrowse dialog(nullptr);
        const QString before = dialog.directory().absolutePath();
        dialog.prepare({.startFolder = latin1, .startFileName = latin1 + "x.s79"});
        QCOMPARE(dialog.directory().absolutePath(), before);
        QVERIFY(!dialog.selectedFiles().join(u'|').contains(QChar::ReplacementCharacter));
    }
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
