#include "ui/source_pane.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/pane_colours.h"

namespace wrennet {
namespace {

constexpr int kCaretWidth = 1;
// Longer lines are drawn in the text colour alone, and only the columns in
// view: what such a line is made of, data or generated code, gains nothing
// from colour, and working it out for every paint would cost more than
// drawing it.
constexpr std::size_t kLongestColouredLine = 4096;

}  // namespace

SourcePane::SourcePane(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::IBeamCursor);
    setText(PaneText());
}

void SourcePane::setText(PaneText text) {
    text_ = std::move(text);
    syntax_ = SyntaxOf(text_.bytes());
    anchor_ = cursor_ = Place{};
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void SourcePane::setColoured(bool coloured) {
    coloured_ = coloured;
    viewport()->update();
}

int SourcePane::firstVisibleLine() const { return verticalScrollBar()->value(); }

void SourcePane::scrollToLine(int line) { verticalScrollBar()->setValue(line); }

int SourcePane::lineHeight() const { return std::max(1, QFontMetrics(font()).lineSpacing()); }

int SourcePane::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

void SourcePane::updateScrollBars() {
    const int lines = lineCount();
    verticalScrollBar()->setRange(0, std::max(0, lines - visibleLines()));
    verticalScrollBar()->setPageStep(visibleLines());
    verticalScrollBar()->setSingleStep(1);
    const qsizetype widest = text_.longestLine() * characterWidth() + 8;
    const int width = static_cast<int>(std::min<qsizetype>(widest, 1 << 30));
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(characterWidth());
}

void SourcePane::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics(font());
    const int height = lineHeight();
    const int x = 4 - horizontalScrollBar()->value();
    const int first = firstVisibleLine();
    const int last = std::min(lineCount(), first + visibleLines() + 1);
    const Place from = std::min(anchor_, cursor_);
    const Place to = std::max(anchor_, cursor_);
    const int width = characterWidth();
    // A line of many megabytes laid out whole would take seconds and
    // gigabytes at every paint: only the columns in view are drawn.
    const qsizetype firstColumn = horizontalScrollBar()->value() / width;
    const qsizetype columns = viewport()->width() / width + 2;
    bool inComment = coloured_ && StartsInBlockComment(text_.bytes(), text_.lineStart(first));
    const PaneColours colours(palette());
    for (int line = first; line < last; ++line) {
        const int top = (line - first) * height;
        if (from != to && line >= from.line && line <= to.line) {
            // The selection stays visible while the pane does not have the focus.
            const qsizetype start = line == from.line ? from.column : 0;
            const qsizetype end = line == to.line ? to.column : text_.lineLength(line) + 1;
            painter.fillRect(x + static_cast<int>(start) * width, top,
                             static_cast<int>(end - start) * width, height,
                             palette().brush(QPalette::Active, QPalette::Highlight));
        }
        drawLine(painter, colours, line, {firstColumn, columns, x, top + metrics.ascent()},
                 inComment);
    }
    painter.setPen(palette().color(QPalette::Text));
    if (!hasFocus()) return;
    // A keyboard user sees where the focus is, and where the caret stands:
    // the line a name without documentation scrolls to.
    if (cursor_.line >= first && cursor_.line < last) {
        const int caretX = x + static_cast<int>(cursor_.column) * width - kCaretWidth;
        const int top = (cursor_.line - first) * height;
        painter.fillRect(caretX, top, kCaretWidth, height, palette().color(QPalette::Text));
    }
    painter.setPen(palette().color(QPalette::Highlight));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}

void SourcePane::drawLine(QPainter& painter, const PaneColours& shades, int line,
                          const Columns& view, bool& inComment) const {
    const int width = characterWidth();
    if (!coloured_ || text_.lineBytes(line).size() > kLongestColouredLine) {
        const PaneText::Slice shown = text_.lineSlice(line, view.first, view.count);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(static_cast<int>(view.x + shown.column * width), view.baseline,
                         shown.text);
        if (coloured_) inComment = StartsInBlockComment(text_.bytes(), text_.lineStart(line + 1));
        return;
    }
    const QString text = lineText(line);
    const LineColours colours =
        ColourLine(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                       static_cast<std::size_t>(text.size())),
                   inComment, syntax_);
    for (const ColourSpan& span : colours.spans) {
        const auto start = static_cast<qsizetype>(span.start);
        const auto end = start + static_cast<qsizetype>(span.length);
        if (end <= view.first || start >= view.first + view.count) continue;
        painter.setPen(shades.of(span.colour));
        painter.drawText(static_cast<int>(view.x + start * width), view.baseline,
                         text.mid(start, end - start));
    }
    inComment = colours.endsInComment;
}

void SourcePane::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void SourcePane::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void SourcePane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

int SourcePane::characterWidth() const {
    return std::max(1, QFontMetrics(font()).horizontalAdvance(u'M'));
}

SourcePane::Place SourcePane::placeAt(const QPoint& point) const {
    Place place;
    const int line = firstVisibleLine() + point.y() / lineHeight();
    place.line = std::clamp(line, 0, std::max(0, lineCount() - 1));
    const int x = point.x() - 4 + horizontalScrollBar()->value() + characterWidth() / 2;
    place.column = std::clamp<qsizetype>(x / characterWidth(), 0, text_.lineLength(place.line));
    return place;
}

QString SourcePane::selectedText() const {
    const Place from = std::min(anchor_, cursor_);
    const Place to = std::max(anchor_, cursor_);
    if (from == to) return {};
    return text_.shownBetween(from.line, from.column, to.line, to.column);
}

void SourcePane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        cursor_ = placeAt(event->position().toPoint());
        if (!(event->modifiers() & Qt::ShiftModifier)) anchor_ = cursor_;
        viewport()->update();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void SourcePane::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        cursor_ = placeAt(event->position().toPoint());
        viewport()->update();
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

void SourcePane::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (!selectedText().isEmpty()) Q_EMIT copyRequested(selectedText());
    } else if (event->matches(QKeySequence::SelectAll)) {
        anchor_ = Place{};
        cursor_ = Place{lineCount() - 1, text_.lineLength(lineCount() - 1)};
        viewport()->update();
    } else if (event->matches(QKeySequence::MoveToStartOfDocument)) {
        verticalScrollBar()->setValue(0);
    } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

}  // namespace wrennet
