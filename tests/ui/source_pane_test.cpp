// The source pane: the lines it shows for the file's bytes, its horizontal
// range, and what a mouse or keyboard selection gives.
#include "source_pane.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>
#include <string>

namespace {

struct PaneRow {
    QByteArray bytes;
    QStringList lines;
    QPoint selectFrom;  // (column, line)
    QPoint selectTo;
    QString selected;
};

// The point of a column on a line of the pane's viewport, as a click finds it.
QPoint PointOf(const wrennet::SourcePane& pane, QPoint columnAndLine) {
    const QFontMetrics metrics(pane.font());
    return {4 + columnAndLine.x() * metrics.horizontalAdvance(u'M'),
            columnAndLine.y() * metrics.lineSpacing() + 1};
}

}  // namespace

class SourcePaneTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void shownLines_data();
    void shownLines();
};

void SourcePaneTest::shownLines_data() {
    QTest::addColumn<PaneRow>("row");
    const QString eAcute = QString(QChar(0xE9));
    QTest::newRow("UTF-8: carriage returns dropped, the last line end opens no line")
        << PaneRow{.bytes = QByteArray("ab\r\nc\xC3\xA9"
                                       "d\r\n"),
                   .lines = {"ab", "c" + eAcute + "d"},
                   .selectFrom = {1, 0},
                   .selectTo = {2, 1},
                   .selected = "b\nc" + eAcute};
    QTest::newRow("Windows-1252: a line that alone is valid UTF-8 reads as the rest")
        << PaneRow{.bytes = QByteArray("\xC3\xA9x\n\x80y"),
                   .lines = {QString("\u00C3\u00A9x"), QString("\u20ACy")},
                   .selectFrom = {1, 0},
                   .selectTo = {1, 1},
                   .selected = QString("\u00A9x\n\u20AC")};
    QTest::newRow("line and paragraph separators shown as replacement characters")
        << PaneRow{.bytes = QByteArray("x\xE2\x80\xA8y\xE2\x80\xA9"),
                   .lines = {QString("x\uFFFDy\uFFFD")},
                   .selectFrom = {0, 0},
                   .selectTo = {3, 0},
                   .selected = QString("x\uFFFDy")};
    QTest::newRow("a character outside the basic plane takes two columns")
        << PaneRow{.bytes = QByteArray("\xF0\x9F\x98\x80z\n\nw"),
                   .lines = {QString::fromUtf8("\xF0\x9F\x98\x80z"), "", "w"},
                   .selectFrom = {2, 0},
                   .selectTo = {1, 2},
                   .selected = "z\n\nw"};
    QTest::newRow("empty text: one empty line") << PaneRow{
        .bytes = {}, .lines = {""}, .selectFrom = {0, 0}, .selectTo = {0, 0}, .selected = {}};
}

void SourcePaneTest::shownLines() {
    QFETCH(PaneRow, row);
    QWidget window;
    window.resize(400, 300);
    auto* pane = new wrennet::SourcePane(&window);
    pane->setGeometry(0, 0, 400, 300);
    const std::string text = row.bytes.toStdString();
    pane->setText(wrennet::PaneText(text));
    QCOMPARE(pane->text(), text);

    QCOMPARE(pane->lineCount(), row.lines.size());
    for (int line = 0; line < row.lines.size(); ++line) {
        QCOMPARE(pane->lineText(line), row.lines[line]);
    }
    QCOMPARE(pane->toPlainText().remove(u'\n'), row.lines.join(QString()));

    // The end of the longest line can be scrolled into view, and scrolling
    // stops soon after it.
    qsizetype longest = 0;
    for (const QString& line : row.lines) longest = std::max(longest, line.size());
    const int characterWidth = QFontMetrics(pane->font()).horizontalAdvance(u'M');
    const int longestEnd = static_cast<int>(longest) * characterWidth;
    const int reach = pane->horizontalScrollBar()->maximum() + pane->viewport()->width();
    QVERIFY(reach >= longestEnd);
    if (pane->horizontalScrollBar()->maximum() > 0)
        QVERIFY(reach <= longestEnd + 2 * characterWidth);

    QWidget* viewport = pane->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, PointOf(*pane, row.selectFrom));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ShiftModifier, PointOf(*pane, row.selectTo));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, PointOf(*pane, row.selectTo));
    QCOMPARE(pane->selectedText(), row.selected);

    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(pane->selectedText(), row.lines.join(u'\n'));
}

QTEST_MAIN(SourcePaneTest)
#include "source_pane_test.moc"
