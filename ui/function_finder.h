#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "library/function_name_finder.h"

class QKeyEvent;
class QLabel;

namespace wrennet {

class FunctionListModel;
class PopupComboBox;

// Find a function by typing while the function list is open: typed characters
// narrow the list to the entries whose function name holds them (letter case
// aside), shown at the list's foot; Backspace edits the text, the first match
// becomes current so that Return picks it, Escape clears the text before it
// closes the list, and Home and End go to the first and last entry. A list
// of functions all starting with their return type leaves the view's own
// first-letter search nowhere to go.
//
// The narrowing lasts while the list is open: before the combo reports the
// list closed, the whole list is back with the picked entry (or, closed
// without a pick, the one chosen before) as the current one, so the combo's
// index always counts in the whole list.
class FunctionFinder final : public QObject {
    Q_OBJECT
  public:
    FunctionFinder(PopupComboBox& combo, FunctionListModel& model);

    const QString& typed() const { return typed_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool onKey(const QKeyEvent& key);
    void type(const QString& typed);
    void makeCurrent(int row);
    void showTyped();
    void onOpening();
    void onClosing();

    PopupComboBox& combo_;
    FunctionListModel& model_;
    QLabel* typedLabel_;
    std::optional<FunctionNameFinder> finder_;
    QString typed_;
    // The combo's entry and the list's current entry when typing began.
    int chosenEntry_ = -1;
    int currentEntry_ = -1;
    // The entry the user picked from the list, if any.
    int pickedEntry_ = -1;
    // Whether the list was narrowed since it opened: its combo's index then
    // needs putting right.
    bool narrowedSinceOpening_ = false;
};

}  // namespace wrennet
