#include "source_pane_test.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>
#include <string>

#include "source_pane.h"

namespace {

// The point of a column on a line of the pane's viewport, as a click finds it.
QPoint PointOf(const wrennet::SourcePane& pane, int line, int column) {
    const QFontMetrics metrics(pane.font());
    return {4 + column * metrics.horizontalAdvance(u'M'), line * metrics.lineSpacing() + 1};
}

}  // namespace

void SourcePaneTest::shownLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QPoint>("selectFrom");  // (column, line)
    QTest::addColumn<QPoint>("selectTo");
    QTest::addColumn<QString>("selected");

    const QString eAcute = QString(QChar(0xE9));
    // clang-format off
    QTest::newRow("UTF-8: carriage returns dropped, the last line end opens no line")
        << QByteArray("ab\r\nc\xC3\xA9" "d\r\n") << QStringList{"ab", "c" + eAcute + "d"}
        << QPoint(1, 0) << QPoint(2, 1) << QString("b\nc" + eAcute);
    QTest::newRow("Windows-1252: a line that alone is valid UTF-8 reads as the rest")
        << QByteArray("\xC3\xA9x\n\x80y") << QStringList{QString("\u00C3\u00A9x"), QString("\u20ACy")}
        << QPoint(1, 0) << QPoint(1, 1) << QString("\u00A9x\n\u20AC");
    QTest::newRow("line and paragraph separators shown as replacement characters")
        << QByteArray("x\xE2\x80\xA8y\xE2\x80\xA9") << QStringList{QString("x\uFFFDy\uFFFD")}
        << QPoint(0, 0) << QPoint(3, 0) << QString("x\uFFFDy");
    QTest::newRow("a character outside the basic plane takes two columns")
        << QByteArray("\xF0\x9F\x98\x80z\n\nw") << QStringList{QString::fromUtf8("\xF0\x9F\x98\x80z"), "", "w"}
        << QPoint(2, 0) << QPoint(1, 2) << QString("z\n\nw");
    QTest::newRow("empty text: one empty line")
        << QByteArray() << QStringList{""} << QPoint(0, 0) << QPoint(0, 0) << QString();
    // clang-format on
}

void SourcePaneTest::shownLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(QPoint, selectFrom);
    QFETCH(QPoint, selectTo);
    QFETCH(QString, selected);

    QWidget window;
    window.resize(400, 300);
    auto* pane = new wrennet::SourcePane(&window);
    pane->setGeometry(0, 0, 400, 300);
    std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    pane->setText(wrennet::PaneText(text));
    QCOMPARE(pane->text(), text);

    QCOMPARE(pane->lineCount(), lines.size());
    for (int line = 0; line < lines.size(); ++line) QCOMPARE(pane->lineText(line), lines[line]);
    QCOMPARE(pane->toPlainText().remove(u'\n'), lines.join(QString()));

    // Every line fits the horizontal range: the longest is counted, not guessed.
    qsizetype longest = 0;
    for (const QString& line : lines) longest = std::max(longest, line.size());
    const int characterWidth = QFontMetrics(pane->font()).horizontalAdvance(u'M');
    const int wanted = static_cast<int>(longest) * characterWidth + 8;
    QCOMPARE(pane->horizontalScrollBar()->maximum(),
             std::max(0, wanted - pane->viewport()->width()));

    QWidget* viewport = pane->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, PointOf(*pane, selectFrom.y(), selectFrom.x()));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ShiftModifier,
                        PointOf(*pane, selectTo.y(), selectTo.x()));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier,
                      PointOf(*pane, selectTo.y(), selectTo.x()));
    QCOMPARE(pane->selectedText(), selected);

    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(pane->selectedText(), lines.join(u'\n'));
}
