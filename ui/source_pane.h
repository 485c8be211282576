// SourcePane: the read-only pane that shows a library or a function.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <string>

#include "pane_text.h"

namespace wrennet {

// The read-only source pane. A whole library of many megabytes must show at
// once, so the pane keeps the core's bytes as they are with an index of their
// line starts, and decodes only the lines it draws and the selection it
// copies; nothing wraps, and the vertical scroll bar counts lines, its value
// being the first visible one.
class SourcePane final : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit SourcePane(QWidget* parent);

    void setText(PaneText text);
    // The core's bytes, as given.
    const std::string& text() const { return text_.bytes(); }
    // The whole text as shown; it decodes all of it.
    QString toPlainText() const { return text_.shown(); }

    int lineCount() const { return text_.lineCount(); }
    QString lineText(int line) const { return text_.lineText(line); }
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
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

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

    PaneText text_;
    // The selection runs from the anchor to the cursor; empty when they meet.
    Place anchor_;
    Place cursor_;
};

}  // namespace wrennet
