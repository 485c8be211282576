// FunctionListModel: the function combo's items.
#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <vector>

#include "library/entry_list.h"

namespace wrennet {

// The function combo's items: the scanner's entries, kept as their own bytes
// and decoded only when a row is drawn, so that a list of 100,000 functions
// is taken over, and later let go of, in one step without a per-item cost.
// While the user types to find a function the rows are a narrowed choice of
// the entries; entries() and the combo's index outside that time are the
// whole list's.
class FunctionListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    void setEntries(EntryList entries);
    void clear() { setEntries({}); }
    const EntryList& entries() const { return entries_; }

    // Shows only the entries at `kept` (positions in entries(), in list order).
    void narrow(const std::vector<std::uint32_t>& kept);
    // Shows every entry again.
    void widen();
    bool narrowed() const { return narrowed_; }
    // The position in entries() of a row as shown; -1 for no row.
    int entryOfRow(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The list view asks for the index of every row each time it lays the
    // list out; answered without the base class's virtual size checks (see
    // the window benchmark in bench/README.md).
    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    int shownCount() const;

    EntryList entries_;
    bool narrowed_ = false;
    std::vector<std::uint32_t> kept_;
};

}  // namespace wrennet
