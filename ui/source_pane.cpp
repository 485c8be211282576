#include "source_pane.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstring>

namespace wrennet {

SourcePane::SourcePane(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::IBeamCursor);
    setText({});
}

void SourcePane::setText(std::string text) {
    text_ = std::move(text);
    encoding_ = PaneEncodingOf(text_);
    indexLines();
    anchor_ = cursor_ = Place{};
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void SourcePane::indexLines() {
    lineStarts_.clear();
    lineStarts_.push_back(0);
    const char* const begin = text_.data();
    const char* const end = begin + text_.size();
    for (const char* at = begin; at < end;) {
        const auto* lineEnd =
            static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
        if (lineEnd == nullptr) break;
        at = lineEnd + 1;
        lineStarts_.push_back(static_cast<std::size_t>(at - begin));
    }
    // A final line end does not open a line of its own.
    if (lineStarts_.size() > 1 && lineStarts_.back() == text_.size()) lineStarts_.pop_back();
    // A line shows no more units than it has bytes, so only a line with more
    // bytes than the longest so far needs counting.
    longestLine_ = 0;
    for (int line = 0; line < lineCount(); ++line) {
        if (static_cast<qsizetype>(lineBytes(line).size()) > longestLine_) {
            longestLine_ = std::max(longestLine_, lineLength(line));
        }
    }
}

std::string_view SourcePane::lineBytes(int line) const {
    if (line < 0 || line >= lineCount()) return {};
    const std::size_t start = lineStarts_[static_cast<std::size_t>(line)];
    std::size_t end =
        line + 1 < lineCount() ? lineStarts_[static_cast<std::size_t>(line) + 1] - 1 : text_.size();
    if (end > start && text_[end - 1] == '\n') --end;
    return std::string_view(text_).substr(start, end - start);
}

qsizetype SourcePane::lineLength(int line) const {
    return PaneTextLength(lineBytes(line), encoding_);
}

QString SourcePane::lineText(int line) const { return ToPaneText(lineBytes(line), encoding_); }

QString SourcePane::toPlainText() const { return ToPaneText(text_, encoding_); }

int SourcePane::firstVisibleLine() const { return verticalScrollBar()->value(); }

void SourcePane::scrollToLine(int line) { verticalScrollBar()->setValue(line); }

int SourcePane::lineHeight() const { return std::max(1, QFontMetrics(font()).lineSpacing()); }

int SourcePane::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

void SourcePane::updateScrollBars() {
    const int lines = lineCount();
    verticalScrollBar()->setRange(0, std::max(0, lines - visibleLines()));
    verticalScrollBar()->setPageStep(visibleLines());
    verticalScrollBar()->setSingleStep(1);
    const qsizetype widest = longestLine_ * characterWidth() + 8;
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
    for (int line = first; line < last; ++line) {
        const int top = (line - first) * height;
        const QString text = lineText(line);
        if (from != to && line >= from.line && line <= to.line) {
            // The selection stays visible while the pane does not have the focus.
            const qsizetype start = line == from.line ? from.column : 0;
            const qsizetype end = line == to.line ? to.column : text.size() + 1;
            painter.fillRect(x + static_cast<int>(start) * width, top,
                             static_cast<int>(end - start) * width, height,
                             palette().brush(QPalette::Active, QPalette::Highlight));
        }
        painter.drawText(x, top + metrics.ascent(), text);
    }
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
    place.column = std::clamp<qsizetype>(x / characterWidth(), 0, lineLength(place.line));
    return place;
}

QString SourcePane::selectedText() const {
    const Place from = std::min(anchor_, cursor_);
    const Place to = std::max(anchor_, cursor_);
    if (from == to) return {};
    // Whole lines are decoded, then cut at the columns.
    const std::string_view last = lineBytes(to.line);
    const std::size_t start = lineStarts_[static_cast<std::size_t>(from.line)];
    const std::size_t end = static_cast<std::size_t>(last.data() - text_.data()) + last.size();
    const QString lines = ToPaneText(std::string_view(text_).substr(start, end - start), encoding_);
    const qsizetype cutAtEnd = PaneTextLength(last, encoding_) - to.column;
    return lines.mid(from.column, lines.size() - cutAtEnd - from.column);
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
        cursor_ = Place{lineCount() - 1, lineLength(lineCount() - 1)};
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
