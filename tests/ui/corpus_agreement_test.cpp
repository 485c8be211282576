// The window and wrennet-cli share the engine: on every "params" and "call"
// run of the golden corpus, the window, driven as a user would drive it, shows
// the same parameters and copies the same call as the corpus expects of the CLI.
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QRegularExpression>

#include "library/choice_list.h"
#include "tests/ui/session.h"

using namespace wrennet::testing;
using wrennet::ToShownText;

class CorpusAgreementTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void windowAgreesWithCli();
};

void CorpusAgreementTest::windowAgreesWithCli() {
    auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // The single-line messages of the panel and Copy, which name no path.
    const QRegularExpression panelMessage("( Out of range|^Some parameters not selected)\\.$");
    int compared = 0;
    const QDir corpus(QStringLiteral(WRENNET_SOURCE_DIR "/tests/corpus"));
    for (const QString& caseName : corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir folder(corpus.filePath(caseName));
        const QString input = folder.filePath("input") + "/";
        for (const QString& cmd : folder.entryList({"*.cmd"})) {
            const QString base = folder.filePath(cmd.chopped(4));
            // Command, library, prototype, values.
            QList<QByteArray> args = read(base + ".cmd").split('\n');
            if (args.back().isEmpty()) args.pop_back();
            if (args.size() < 3 || (args[0] != "params" && args[0] != "call")) continue;
            Session session;
            auto& window = StartActive(session, (input + args[1]).toStdString());
            if (!Choose(window, args[2].toStdString())) continue;  // not every prototype is listed
            ++compared;
            const auto& c = window.controls();
            const QByteArray out = read(base + ".out");
            if (args[0] == "params") {
                QJsonArray slots;
                for (std::size_t k = 0; k < std::size_t(window.parameterCount()); ++k) {
                    const auto& choice = window.paramChoices()[k];
                    const QComboBox* combo = c.valueCombos[k];
                    QJsonObject slot{{"name", ToShownText(choice.name)},
                                     {"valueText", ToShownText(choice.valueText)},
                                     {"entryText", ToShownText(choice.entryText)},
                                     {"field", combo->isVisible() ? "combo" : "edit"}};
                    QStringList items;
                    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
                    if (combo->isVisible()) slot["items"] = QJsonArray::fromStringList(items);
                    slots.append(slot);
                }
                // The names come from the engine unchanged; what the window lays out is checked.
                QJsonObject expected = QJsonDocument::fromJson(out).object();
                for (const char* key : {"returnType", "function", "helper", "helperPath"})
                    expected.remove(key);
                const QJsonObject shown{{"count", window.parameterCount()}, {"slots", slots}};
                QCOMPARE(QJsonDocument(shown).toJson(), QJsonDocument(expected).toJson());
                continue;
            }
            // Each value given as the user gives it: typed into a value combo's
            // field or a value edit, or picked in a choice list.
            for (int k = 0; k < window.parameterCount() && k + 3 < args.size(); ++k) {
                const std::string value = args[k + 3].toStdString();
                QListWidget* list = c.choiceLists[std::size_t(k)];
                if (c.valueCombos[std::size_t(k)]->isVisible()) {
                    Focus(c.valueCombos[std::size_t(k)]);
                    c.valueCombos[std::size_t(k)]->setEditText(QString::fromStdString(value));
                    continue;
                }
                Focus(c.valueEdits[std::size_t(k)]);
                if (QApplication::focusWidget() != list) {
                    c.valueEdits[std::size_t(k)]->setText(QString::fromStdString(value));
                    continue;
                }
                std::vector<std::string> items;
                for (int row = 0; row < list->count(); ++row)
                    items.push_back(list->item(row)->text().toStdString());
                list->clearSelection();
                for (const std::size_t row : wrennet::ItemsNamedBy(items, value))
                    list->item(int(row))->setSelected(true);
            }
            Focus(c.functionCombo);  // the last value edit is left, and checked
            c.copyButton->click();
            QCOMPARE(QByteArray::fromStdString(session.platform.clipboard + "\n"), out);
            QCOMPARE(session.platform.messageTexts().filter(panelMessage),
                     QString::fromUtf8(read(base + ".err")).split('\n').filter(panelMessage));
        }
    }
    QVERIFY2(compared >= 25, qPrintable(QString::number(compared)));
}

QTEST_MAIN(CorpusAgreementTest)
#include "corpus_agreement_test.moc"
