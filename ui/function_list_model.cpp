#include "ui/function_list_model.h"

#include <utility>

#include "ui/shown_text.h"

namespace wrennet {

void FunctionListModel::setEntries(EntryList entries) {
    if (entries.empty() && entries_.empty() && !narrowed_) return;
    beginResetModel();
    entries_ = std::move(entries);
    narrowed_ = false;
    kept_.clear();
    endResetModel();
}

void FunctionListModel::narrow(const std::vector<std::uint32_t>& kept) {
    beginResetModel();
    kept_ = kept;
    narrowed_ = true;
    endResetModel();
}

void FunctionListModel::widen() {
    if (!narrowed_) return;
    beginResetModel();
    narrowed_ = false;
    kept_.clear();
    kept_.shrink_to_fit();
    endResetModel();
}

int FunctionListModel::entryOfRow(int row) const {
    if (row < 0 || row >= shownCount()) return -1;
    return narrowed_ ? static_cast<int>(kept_[static_cast<std::size_t>(row)]) : row;
}

int FunctionListModel::shownCount() const {
    return static_cast<int>(narrowed_ ? kept_.size() : entries_.size());
}

int FunctionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCount();
}

QModelIndex FunctionListModel::index(int row, int column, const QModelIndex& parent) const {
    const bool inList = row >= 0 && row < shownCount() && column == 0;
    return inList && !parent.isValid() ? createIndex(row, column) : QModelIndex();
}

QVariant FunctionListModel::data(const QModelIndex& index, int role) const {
    const int entry = entryOfRow(index.isValid() ? index.row() : -1);
    if (entry < 0) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return ToShownText(entries_[static_cast<std::size_t>(entry)]);
    }
    return {};
}

}  // namespace wrennet
