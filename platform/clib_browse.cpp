#include "platform/clib_browse.h"

#include <QComboBox>
#include <QStringList>

#include "platform/path_text.h"

namespace wrennet {

CLibBrowse::CLibBrowse(QWidget* parent) : QFileDialog(parent) {
    setObjectName(QStringLiteral("CLibBrowse"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    // The description already names its pattern (" Header(*.h)"); Qt's own
    // " (*.h)" suffix would only repeat it.
    setOption(QFileDialog::HideNameFilterDetails, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::AnyFile);
}

void CLibBrowse::prepare(const FileDialogRequest& request) {
    setWindowTitle(QString::fromStdString(request.title));
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters << QString::fromStdString(filter.description + " (" + filter.pattern + ")");
    }
    setNameFilters(filters);
    if (!filters.isEmpty()) selectNameFilter(nameFilters().front());
    // The dialog trims the blank that leads each description; its list shows
    // them whole. The filters themselves are chosen by their place in the list.
    if (auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < types->count() && i < static_cast<int>(request.filters.size()); ++i) {
            types->setItemText(i, QString::fromStdString(
                                      request.filters[static_cast<std::size_t>(i)].description));
        }
    }
    if (!request.startFolder.empty() && PathSurvivesText(request.startFolder)) {
        setDirectory(PathText(request.startFolder));
    }
    if (!request.startFileName.empty() && PathSurvivesText(request.startFileName)) {
        selectFile(PathText(request.startFileName));
    }
    setLabelText(QFileDialog::FileName, QString::fromStdString(request.fileNameLabel));
    setLabelText(QFileDialog::Accept, QString::fromStdString(request.acceptLabel));
}

std::optional<std::string> CLibBrowse::chosenPath() const {
    const QStringList files = selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return PathFromText(files.front());
}

}  // namespace wrennet
