#pragma once

#include <QAbstractListModel>
#include <string>
#include <thread>
#include <vector>

namespace wrennet {

// The function combo's items: the scanner's entries, kept as their own bytes
// and decoded only when a row is drawn, so that a list of 100,000 functions
// is taken over in one step without a per-item cost. A list let go of is
// freed on a thread of its own: 100,000 strings cost the window several
// milliseconds to free one by one.
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
    void releaseLater(std::vector<std::string> entries);

    std::vector<std::string> entries_;
    // Frees the list let go of last; joined before the next one and on destruction.
    std::jthread releaser_;
};

}  // namespace wrennet
