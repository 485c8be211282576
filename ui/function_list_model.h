#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace wrennet {

// The function combo's items: the scanner's entries, kept as their own bytes
// and decoded only when a row is drawn, so that a list of 100,000 functions
// is taken over in one step without a per-item cost.
class FunctionListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    void setEntries(std::vector<std::string> entries);
    void clear() { setEntries({}); }
    const std::vector<std::string>& entries() const { return entries_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    std::vector<std::string> entries_;
};

}  // namespace wrennet
