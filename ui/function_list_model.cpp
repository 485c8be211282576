#include "function_list_model.h"

#include <utility>

#include "shown_text.h"

namespace wrennet {

void FunctionListModel::setEntries(EntryList entries) {
    if (entries.empty() && entries_.empty()) return;
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int FunctionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QModelIndex FunctionListModel::index(int row, int column, const QModelIndex& parent) const {
    const bool inList = row >= 0 && static_cast<std::size_t>(row) < entries_.size() && column == 0;
    return inList && !parent.isValid() ? createIndex(row, column) : QModelIndex();
}

QVariant FunctionListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(entries_.size())) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return ToShownText(entries_[static_cast<std::size_t>(index.row())]);
    }
    return {};
}

}  // namespace wrennet
