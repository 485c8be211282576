#include "function_list_model.h"

#include <utility>

#include "shown_text.h"

namespace wrennet {

void FunctionListModel::setEntries(std::vector<std::string> entries) {
    if (entries.empty() && entries_.empty()) return;
    beginResetModel();
    std::vector<std::string> previous = std::exchange(entries_, std::move(entries));
    endResetModel();
    releaseLater(std::move(previous));
}

void FunctionListModel::releaseLater(std::vector<std::string> entries) {
    // Short lists are gone sooner than a thread starts.
    constexpr std::size_t kFreedAtOnce = 1000;
    if (entries.size() < kFreedAtOnce) return;
    if (releaser_.joinable()) releaser_.join();
    releaser_ = std::jthread([doomed = std::move(entries)]() mutable { doomed = {}; });
}

int FunctionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant FunctionListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(entries_.size())) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return ToShownText(entries_[static_cast<std::size_t>(index.row())]);
    }
    return {};
}

}  // namespace wrennet
