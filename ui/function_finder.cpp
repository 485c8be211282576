#include "ui/function_finder.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLabel>

#include "ui/function_list_model.h"
#include "ui/popup_combo_box.h"
#include "ui/shown_text.h"

namespace wrennet {
namespace {

// A key that types text into the search: printable, without Ctrl or Alt,
// which belong to commands and mnemonics.
bool TypesText(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    return !text.isEmpty() && text.front().isPrint();
}

}  // namespace

FunctionFinder::FunctionFinder(PopupComboBox& combo, FunctionListModel& model)
    : QObject(&combo), combo_(combo), model_(model), typedLabel_(new QLabel(combo.view())) {
    typedLabel_->setObjectName(QStringLiteral("typedLabel"));
    typedLabel_->setAutoFillBackground(true);
    typedLabel_->setBackgroundRole(QPalette::ToolTipBase);
    typedLabel_->setForegroundRole(QPalette::ToolTipText);
    typedLabel_->setFrameShape(QFrame::Box);
    typedLabel_->setMargin(2);
    typedLabel_->hide();
    combo.view()->installEventFilter(this);
    connect(&combo, &PopupComboBox::popupAboutToShow, this, &FunctionFinder::onOpening);
    connect(&combo, &PopupComboBox::popupClosing, this, &FunctionFinder::onClosing);
    connect(&combo, &QComboBox::activated, this,
            [this](int row) { pickedEntry_ = model_.entryOfRow(row); });
}

bool FunctionFinder::eventFilter(QObject* watched, QEvent* event) {
    if (combo_.isPopupOpen()) {
        auto& key = static_cast<QKeyEvent&>(*event);
        // The list closes on Escape before the key is pressed, as a shortcut
        // would; while there is text, the key is claimed as a plain key.
        if (event->type() == QEvent::ShortcutOverride && key.key() == Qt::Key_Escape &&
            !typed_.isEmpty()) {
            key.accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) return onKey(key);
    }
    return QObject::eventFilter(watched, event);
}

bool FunctionFinder::onKey(const QKeyEvent& key) {
    const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (key.key()) {
        case Qt::Key_Escape:
            if (typed_.isEmpty() || !plain) return false;
            type(QString());
            return true;
        case Qt::Key_Backspace:
            if (!typed_.isEmpty() && plain) type(typed_.chopped(1));
            return plain;
        case Qt::Key_Home:
            if (!plain) return false;
            makeCurrent(0);
            return true;
        case Qt::Key_End:
            if (!plain) return false;
            makeCurrent(model_.rowCount() - 1);
            return true;
        default:
            if (!TypesText(key)) return false;
            type(typed_ + key.text());
            return true;
    }
}

void FunctionFinder::type(const QString& typed) {
    if (typed_.isEmpty()) {
        chosenEntry_ = combo_.currentIndex();
        currentEntry_ = combo_.view()->currentIndex().row();
        if (!finder_) finder_.emplace(model_.entries());
    }
    typed_ = typed;
    narrowedSinceOpening_ = true;
    if (typed_.isEmpty()) {
        // A new set of rows leaves the combo on its first.
        model_.widen();
        combo_.setCurrentIndex(chosenEntry_);
        makeCurrent(currentEntry_);
    } else {
        model_.narrow(finder_->narrow(FromTypedText(typed_)));
        makeCurrent(0);
    }
    showTyped();
}

void FunctionFinder::makeCurrent(int row) {
    QAbstractItemView& view = *combo_.view();
    const QModelIndex index = model_.index(row, 0);
    view.setCurrentIndex(index);
    if (index.isValid()) view.scrollTo(index, QAbstractItemView::PositionAtTop);
}

void FunctionFinder::showTyped() {
    if (typed_.isEmpty()) {
        typedLabel_->hide();
        return;
    }
    const bool none = model_.rowCount() == 0;
    typedLabel_->setText(tr("Find: %1").arg(typed_) + (none ? tr(" (no function)") : QString()));
    typedLabel_->adjustSize();
    const QRect area = combo_.view()->viewport()->geometry();
    typedLabel_->move(area.right() + 1 - typedLabel_->width(),
                      area.bottom() + 1 - typedLabel_->height());
    typedLabel_->show();
    typedLabel_->raise();
}

void FunctionFinder::onOpening() {
    // The list is scanned again at each opening: nothing is kept from the last.
    finder_.reset();
    typed_.clear();
    pickedEntry_ = -1;
    narrowedSinceOpening_ = false;
    typedLabel_->hide();
}

void FunctionFinder::onClosing() {
    if (narrowedSinceOpening_) {
        model_.widen();
        combo_.setCurrentIndex(pickedEntry_ >= 0 ? pickedEntry_ : chosenEntry_);
    }
    onOpening();
}

}  // namespace wrennet
