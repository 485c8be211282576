#include "clib_browse.h"

#include <QFile>
#include <QStringList>

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
    if (!filters.isEmpty()) selectNameFilter(filters.front());
    if (!request.startFolder.empty()) {
        setDirectory(QFile::decodeName(QByteArray::fromStdString(request.startFolder)));
    }
    if (!request.startFileName.empty()) {
        selectFile(QFile::decodeName(QByteArray::fromStdString(request.startFileName)));
    }
    setLabelText(QFileDialog::FileName, QString::fromStdString(request.fileNameLabel));
    setLabelText(QFileDialog::Accept, QString::fromStdString(request.acceptLabel));
}

std::string CLibBrowse::chosenPath() const {
    const QStringList files = selectedFiles();
    if (files.isEmpty()) return {};
    return QFile::encodeName(files.front()).toStdString();
}

}  // namespace wrennet
