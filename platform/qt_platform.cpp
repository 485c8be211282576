#include "qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <cstdlib>

#include "clib_browse.h"
#include "display_text.h"
#include "file_status.h"

namespace wrennet {
namespace {

QString Shown(const std::string& bytes) { return QString::fromStdString(DecodeForDisplay(bytes)); }

// Paths go to the file system as their own bytes, not as re-encoded display text.
QString PathForQt(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtPlatform::showMessage(QWidget* parent, const std::string& text, MessageIcon icon,
                                      MessageButtons buttons) {
    QMessageBox box(QtIcon(icon), QStringLiteral("Wrennet"), Shown(text), QMessageBox::NoButton,
                    parent);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::setClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(Shown(text));
}

void QtPlatform::startDetached(const std::string& program,
                               const std::vector<std::string>& arguments) {
    QStringList qtArguments;
    for (const std::string& argument : arguments) qtArguments << PathForQt(argument);
    QProcess::startDetached(PathForQt(program), qtArguments);
}

void QtPlatform::openDocument(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(PathForQt(path)));
}

int QtPlatform::runHelperCommand(const std::string& command) {
    return std::system(command.c_str());
}

std::optional<std::string> QtPlatform::chooseFile(QWidget* parent,
                                                  const FileDialogRequest& request) {
    CLibBrowse dialog(parent);
    dialog.prepare(request);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosenPath();
}

bool QtPlatform::fileExists(const std::string& path) const { return IsReadableRegularFile(path); }

std::string QtPlatform::executablePath() const {
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}

std::chrono::system_clock::time_point QtPlatform::currentTime() const {
    return std::chrono::system_clock::now();
}

}  // namespace wrennet
