#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "shown_text.h"

namespace wrennet {

// The read-only source pane. A whole library of many megabytes must show at
// once, so the pane keeps the core's bytes as they are with an index of their
// line starts, and decodes only the lines it draws and the selection it
// copies; nothing wraps, and the vertical scroll bar counts lines, its value
// being the first visible one. Columns count the shown text's UTF-16 units.
class SourcePane final : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit SourcePane(QWidget* parent);

    void setText(std::string text);
    // The core's bytes, as given.
    const std::string& text() const { return text_; }
    // The whole text as shown; it decodes all of it.
    QString toPlainText() const;

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
    // The bytes of `line` without its "\n".
    std::string_view lineBytes(int line) const;
    qsizetype lineLength(int line) const;
    void indexLines();

    std::string text_;
    PaneEncoding encoding_ = PaneEncoding::Utf8;
    std::vector<std::size_t> lineStarts_;
    qsizetype longestLine_ = 0;
    // The selection runs from the anchor to the cursor; empty when they meet.
    Place anchor_;
    Place cursor_;
};

}  // namespace wrennet
