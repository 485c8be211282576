// The window and wrennet-cli share the engine: on every "params" and "call"
// run of the golden corpus, the window, driven as a user would drive it, shows
// the same parameters and copies the same call as the corpus expects of the CLI.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>

#include "choice_list.h"
#include "panel_driver.h"

using namespace wrennet::testing;
using wrennet::WrennetDlg;

namespace {

struct Run {
    QString name;
    QString inputFolder;
    std::vector<std::string> arguments;  // command, library, prototype, values...
    QByteArray out, err;
};

std::vector<Run> CorpusRuns() {
    std::vector<Run> runs;
    const QDir corpus(QStringLiteral(WRENNET_SOURCE_DIR "/tests/corpus"));
    for (const QString& caseName : corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir folder(corpus.filePath(caseName));
        for (const QString& cmd : folder.entryList({"*.cmd"})) {
            const QString base = folder.filePath(cmd.chopped(4));
            auto read = [](const QString& path) {
                QFile file(path);
                return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            };
            Run run{caseName + "/" + cmd,
                    folder.filePath("input"),
                    {},
                    read(base + ".out"),
                    read(base + ".err")};
            for (const QByteArray& line : read(base + ".cmd").split('\n')) {
                run.arguments.push_back(line.toStdString());
            }
            if (!run.arguments.empty() && run.arguments.back().empty()) run.arguments.pop_back();
            if (run.arguments.size() >= 3 &&
                (run.arguments[0] == "params" || run.arguments[0] == "call")) {
                runs.push_back(std::move(run));
            }
        }
    }
    return runs;
}

// The single-line messages of the panel and Copy, which name no path.
QStringList PanelMessages(const QStringList& messages) {
    QStringList kept;
    for (const QString& message : messages) {
        if (message.endsWith(" Out of range.") || message == "Some parameters not selected.") {
            kept << message;
        }
    }
    return kept;
}

// The value given to slot k, as the user gives it: picked in a choice list,
// typed into a value edit or into a value combo's field.
void Give(WrennetDlg& window, int k, const std::string& value) {
    const auto& c = window.controls();
    QComboBox* combo = c.valueCombos[static_cast<std::size_t>(k)];
    if (combo->isVisible()) {
        Focus(combo);
        combo->setEditText(QString::fromStdString(value));
        return;
    }
    Focus(c.valueEdits[static_cast<std::size_t>(k)]);
    QListWidget* list = c.choiceLists[static_cast<std::size_t>(k)];
    if (QApplication::focusWidget() != list) {
        c.valueEdits[static_cast<std::size_t>(k)]->setText(QString::fromStdString(value));
        return;
    }
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row)
        items.push_back(list->item(row)->text().toStdString());
    list->clearSelection();
    for (const std::size_t row : wrennet::ItemsNamedBy(items, value)) {
        list->item(static_cast<int>(row))->setSelected(true);
    }
}

}  // namespace

class CorpusAgreementTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void windowAgreesWithCli();
};

void CorpusAgreementTest::windowAgreesWithCli() {
    int compared = 0;
    for (const Run& run : CorpusRuns()) {
        const std::string library = (run.inputFolder + "/").toStdString() + run.arguments[1];
        Session session;
        WrennetDlg& window = StartActive(session, library);
        if (!Choose(window, run.arguments[2])) continue;  // the CLI takes prototypes no list offers
        ++compared;
        const auto& c = window.controls();
        const char* name = qPrintable(run.name);
        if (run.arguments[0] == "params") {
            const QJsonObject json = QJsonDocument::fromJson(run.out).object();
            QCOMPARE(QString::fromStdString(window.returnType()), json["returnType"].toString());
            QCOMPARE(QString::fromStdString(window.functionName()), json["function"].toString());
            QCOMPARE(window.parameterCount(), json["count"].toInt());
            QCOMPARE(QString::fromStdString(window.helperName()), json["helper"].toString());
            // The CLI runs on relative paths, the window on absolute ones: a
            // folder too short to be looked in exists only for the CLI.
            const QString helperPath = json["helperPath"].toString();
            const std::size_t slash = run.arguments[1].rfind('/');
            if (helperPath != "-" || slash == std::string::npos || slash > 4) {
                QCOMPARE(QString::fromStdString(window.helperPath()),
                         helperPath == "-" ? helperPath : run.inputFolder + "/" + helperPath);
            }
            const QJsonArray slots = json["slots"].toArray();
            for (qsizetype k = 0; k < slots.size(); ++k) {
                const QJsonObject slot = slots[k].toObject();
                const auto& choice = window.paramChoices()[static_cast<std::size_t>(k)];
                QComboBox* combo = c.valueCombos[static_cast<std::size_t>(k)];
                QStringList items;
                for (int i = 0; combo->isVisible() && i < combo->count(); ++i)
                    items << combo->itemText(i);
                QCOMPARE(QStringList({wrennet::ToShownText(choice.name),
                                      wrennet::ToShownText(choice.valueText),
                                      wrennet::ToShownText(choice.entryText),
                                      combo->isVisible() ? "combo" : "edit"}),
                         QStringList({slot["name"].toString(), slot["valueText"].toString(),
                                      slot["entryText"].toString(), slot["field"].toString()}));
                QVERIFY2(items == slot["items"].toVariant().toStringList(), name);
            }
            continue;
        }
        const int count = window.parameterCount();
        for (int k = 0; k < count && static_cast<std::size_t>(k) + 3 < run.arguments.size(); ++k) {
            Give(window, k, run.arguments[static_cast<std::size_t>(k) + 3]);
        }
        Focus(c.functionCombo);  // the last value edit is left, and checked
        c.copyButton->click();
        QVERIFY2(session.platform.clipboard + "\n" == run.out.toStdString(), name);
        QStringList expected;
        for (const QByteArray& line : run.err.split('\n')) expected << QString::fromUtf8(line);
        QCOMPARE(PanelMessages(session.platform.messageTexts()), PanelMessages(expected));
    }
    QVERIFY2(compared >= 25, qPrintable(QString::number(compared)));
}

QTEST_MAIN(CorpusAgreementTest)
#include "corpus_agreement_test.moc"
