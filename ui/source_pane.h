// SourcePane: the read-only pane that shows a library or a function.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <string>

#include "library/source_colouring.h"
#include "ui/pane_text.h"

class QPainter;

namespace wrennet {

class PaneColours;

// The read-only source pane. A whole library of many megabytes must show at
// once, so the pane keeps the core's bytes as they are with an index of their
// line starts, and decodes only the lines it draws and the selection it
// copies; nothing wraps, and the vertical scroll bar counts lines, its value
// being the first visible one. The colours of the text's syntax are worked out
// for the lines drawn, too: whether the first of them starts inside a comment
// is read from the nearest comment mark above it.
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
    // Whether the text is drawn in colour (the default), by its syntax.
    void setColoured(bool coloured);

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
    // The columns in view, and where column 0 and the text's baseline lie.
    struct Columns {
        qsizetype first;
        qsizetype count;
        int x;
        int baseline;
    };
    // Draws the columns in view of `line` in their colours; `inComment` says
    // whether the line starts inside a comment, and then whether the next one does.
    void drawLine(QPainter& painter, const PaneColours& shades, int line, const Columns& view,
                  bool& inComment) const;

    PaneText text_;
    SourceSyntax syntax_ = SourceSyntax::C;
    bool coloured_ = true;
    // The selection runs from the anchor to the cursor; empty when they meet.
    Place anchor_;
    Place cursor_;
};

}  // namespace wrennet
