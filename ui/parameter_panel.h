// ParameterPanel: the value slots of the lower band of the main window.
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "library/call_text.h"
#include "library/message.h"
#include "library/param_choices.h"
#include "library/slot_layout.h"
#include "ui/dialog_units.h"
#include "ui/main_window_controls.h"

class QWidget;

namespace wrennet {

class Platform;

// Where the panel's pieces go. Measured once from the real controls while the
// window is set up, so the panel fits whatever font and scale the desktop uses.
struct PanelGeometry {
    int slotLeft = 0;        // left edge of the first value edit
    int panelSpan = 0;       // from there to the right edge of the fourth one
    int rowTop = 0;          // top of the row of values
    int rowHeight = 0;       // height of a value edit
    int labelTop = 0;        // the name labels stand 3 pixels above the row
    int labelHeight = 0;     // height of a name label
    int separatorWidth = 0;  // width of a "," less 3
    QPoint exitHome;         // where E&xit and &Helpers go back to
    QPoint helpersHome;
};

// What one layout derives for a number of parameters (1 to 4): the panel span
// shared out evenly, names two thirds of a slot wide, a value and its ",".
struct SlotSpacing {
    int pitch = 0;
    int labelWidth = 0;
    int slotWidth = 0;
};
SlotSpacing SpacingFor(const PanelGeometry& geometry, int count);

// The lower band of the main window: one value slot per parameter, filled from
// a value combo, a choice list that opens beneath its value edit, a helper
// application or typing. Its work happens in the focus notifications of its
// controls and in the layout made when a function is chosen.
class ParameterPanel final : public QObject {
    Q_OBJECT
  public:
    // What the panel needs of the window it belongs to.
    class Host {
      public:
        virtual void takeControlValues() = 0;
        virtual void showFieldValues() = 0;
        virtual const std::optional<std::string>& helperPath() const = 0;
        virtual const std::string& startUpLibraryPath() const = 0;

      protected:
        ~Host() = default;
    };

    ParameterPanel(const MainWindowControls& controls, Host& host, Platform& platform,
                   QWidget& window, const DialogUnits& units);

    void measure();
    // Rebuilds the slots for the chosen function's records.
    void layOut(std::array<ParamChoice, kMaxSlots> slots);

    // The list-closing step: hides every choice list but the one of
    // `keptSlot` (0: all) and puts E&xit and &Helpers back in place.
    void closeChoiceLists(int keptSlot);

    // Focus handlers, slot numbers 1 to 4. Public so tests drive them as the
    // focus does.
    void enterValueEdit(int slot);
    void leaveValueEdit(int slot);
    void enterChoiceList(int slot);
    void leaveChoiceList(int slot);
    void enterValueCombo(int slot);
    void leavePanel();

    // The panel's share of the window's data exchange: entry texts and names.
    void showEntries();
    void takeEntries();
    // What Copy reads from each slot.
    std::array<SlotValue, kMaxSlots> valuesForCopy() const;

    // Messages shown while the panel's own focus handling rests: a message
    // box takes the focus from the window, and giving it back must not enter
    // a control a second time (and start its helper again).
    void showMessages(const Messages& messages);

    const std::array<ParamChoice, kMaxSlots>& slots() const { return slots_; }
    int count() const { return count_; }
    const PanelGeometry& geometry() const { return geometry_; }
    const SlotSpacing& spacing() const { return spacing_; }

    // While one of these lives, focus changes are not the user's: a message
    // box or a running helper holds the window.
    class Quiet {
      public:
        explicit Quiet(ParameterPanel& panel) : panel_(panel) { ++panel_.quiet_; }
        ~Quiet() { --panel_.quiet_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

      private:
        ParameterPanel& panel_;
    };

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Role { ValueEdit, ChoiceList, ValueCombo, OutsidePanel };
    struct Target {
        Role role;
        int slot;  // 1 to 4; 0 outside the panel
    };
    void watch(QWidget* widget, Role role, int slot);
    void onFocus(const Target& target, bool in);
    void startHelper(int slot);
    void hideGroupBox();
    int slotX(int slot) const { return geometry_.slotLeft + (slot - 1) * spacing_.pitch; }
    ParamChoice& slot(int k) { return slots_[static_cast<std::size_t>(k - 1)]; }
    const SlotLayout& layout(int k) const { return layouts_[static_cast<std::size_t>(k - 1)]; }

    const MainWindowControls& controls_;
    Host& host_;
    Platform& platform_;
    QWidget& window_;
    DialogUnits units_;
    QHash<QObject*, Target> targets_;
    // The control whose focus-in was handled last, until its focus-out: the
    // steps run in such pairs, while Qt may take the focus from a control
    // before its focus-in has arrived, or give it back without a change.
    QObject* focusHolder_ = nullptr;
    int quiet_ = 0;

    PanelGeometry geometry_;
    SlotSpacing spacing_;
    std::array<ParamChoice, kMaxSlots> slots_;
    int count_ = 0;
    // What each slot offers, and the items as bytes: what the combos and
    // lists show is decoded, and the value taken back must be the library's
    // own bytes.
    std::array<SlotLayout, kMaxSlots> layouts_;
    std::array<std::vector<std::string>, kMaxSlots> listItems_;
    // Set when a helper was started (or refused) from a value edit, until the
    // edit is left: the focus coming back to the edit starts nothing again.
    bool helperLaunched_ = false;
};

}  // namespace wrennet
