// The source pane draws a line from the columns in view only: what it draws
// must be exactly that part of the whole line as shown, whatever the bytes.
#include <QTest>

#include "ui/pane_text.h"

using wrennet::PaneText;

class PaneSliceTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sliceIsThePartOfTheShownLine() {
        const std::string texts[] = {
            "plain ascii line\nsecond",
            "caf\xC3\xA9 \xF0\x9F\x98\x80 pair\r and \xE2\x80\xA8 separator",  // UTF-8
            "caf\xE9 \x80 \r\r byte",                                          // Windows-1252
            std::string(10000, 'x') + "\xC3\xA9" + std::string(5000, 'y'),
        };
        for (const std::string& bytes : texts) {
            const PaneText text(bytes);
            const QString whole = text.lineText(0);
            QCOMPARE(whole.size(), text.lineLength(0));
            for (qsizetype from = 0; from <= whole.size() + 1; from += from < 40 ? 1 : 997) {
                for (const qsizetype columns : {0, 1, 3, 80}) {
                    const PaneText::Slice slice = text.lineSlice(0, from, columns);
                    // A slice may start one column early, at the first half of a pair.
                    QVERIFY(slice.column <= from && slice.column >= from - 1);
                    QCOMPARE(slice.text, whole.mid(slice.column, slice.text.size()));
                    QVERIFY(slice.column + slice.text.size() >=
                            std::min(whole.size(), from + columns - 1));
                    QVERIFY(slice.column + slice.text.size() <= from + columns);
                }
            }
        }
    }
};

QTEST_MAIN(PaneSliceTest)
#include "pane_slice_test.moc"
