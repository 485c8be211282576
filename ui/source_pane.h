#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <vector>

namespace wrennet {

// The read-only source pane. A whole library of many megabytes must show at
// once, so the pane keeps the text as it is with an index of its line starts
// and draws only the lines in view; nothing wraps, and the vertical scroll
// bar counts lines, its value being the first visible one.
class SourcePane final : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit SourcePane(QWidget* parent);

    void setPlainText(const QString& text);
    const QString& toPlainText() const { return text_; }

    int lineCount() const { return static_cast<int>(lineStarts_.size()); }
    QString lineText(int line) const;
    int firstVisibleLine() const;
    // Scrolls so that `line` is the first visible one, as far as the text allows.
    void scrollToLine(int line);
    // The line the user last clicked on; the first line after new text.
    int caretLine() const { return cursor_.line; }
    QString selectedText() const;

  Q_SIGNALS:
    // The user asked to copy the selection (Ctrl+C).
    void copyRequested(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Place {
        int line = 0;
        qsizetype column = 0;
        auto operator<=>(const Place&) const = default;
    };

    void updateScrollBars();
    Place placeAt(const QPoint& point) const;
    int characterWidth() const;
    int lineHeight() const;
    int visibleLines() const;

    QString text_;
    std::vector<qsizetype> lineStarts_;
    qsizetype longestLine_ = 0;
    // The selection runs from the anchor to the cursor; empty when they meet.
    Place anchor_;
    Place cursor_;
};

}  // namespace wrennet
