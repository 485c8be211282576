// FunctionListModel: the function combo's items.
#pragma once

#include <QAbstractListModel>

#include "entry_list.h"

namespace wrennet {

// The function combo's items: the scanner's entries, kept as their own bytes
// and decoded only when a row is drawn, so that a list of 100,000 functions
// is taken over, and later let go of, in one step without a per-item cost.
class FunctionListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    void setEntries(EntryList entries);
    void clear() { setEntries({}); }
    const EntryList& entries() const { return entries_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The list view asks for the index of every row each time it lays the
    // list out; answered without the base class's virtual size checks (see
    // the window benchmark in bench/README.md).
    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    EntryList entries_;
};

}  // namespace wrennet
