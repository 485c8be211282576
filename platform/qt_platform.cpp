#include "platform/qt_platform.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cerrno>
#include <thread>

#include "common/retry_on_interrupt.h"
#include "library/display_text.h"
#include "platform/clib_browse.h"
#include "platform/file_status.h"
#include "platform/path_text.h"

namespace wrennet {
namespace {

QString Shown(const std::string& bytes) { return QString::fromStdString(DecodeForDisplay(bytes)); }

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

// Ends a wait when the window it watches closes.
class CloseWatch final : public QObject {
  public:
    explicit CloseWatch(QEventLoop& loop) : loop_(loop) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Only a close: minimising hides the window too, and must not end the wait.
        if (event->type() == QEvent::Close) loop_.quit();
        return false;
    }

  private:
    QEventLoop& loop_;
};

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

bool QtPlatform::startDetached(const std::string& program,
                               const std::vector<std::string>& arguments) {
    QStringList qtArguments;
    for (const std::string& argument : arguments) qtArguments << PathText(argument);
    // Here the static QProcess::startDetached() answered false for programs
    // it had started; a process object's own call tells the start truly.
    QProcess process;
    process.setProgram(PathText(program));
    process.setArguments(qtArguments);
    return process.startDetached();
}

bool QtPlatform::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(PathText(path)));
}

int QtPlatform::runHelperCommand(QWidget* window, const std::string& command) {
    // As std::system runs it: /bin/sh -c with the command's own bytes, in the
    // program's environment and folder; -1 when no shell could be started.
    std::string text = command;
    char shell[] = "sh";
    char option[] = "-c";
    char* arguments[] = {shell, option, text.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, arguments, environ) != 0) return -1;
    int status = 0;
    if (window == nullptr) {
        return RetryOnInterrupt([&] { return waitpid(pid, &status, 0); }) == pid ? status : -1;
    }

    // The window is painted meanwhile but takes no input, and closing it ends
    // the wait; a helper that never returns cannot hold it forever.
    QPointer<QWidget> focus = window->focusWidget();
    window->setEnabled(false);
    QEventLoop loop;
    CloseWatch closing(loop);
    window->installEventFilter(&closing);
    bool exited = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const pid_t done = RetryOnInterrupt([&] { return waitpid(pid, &status, WNOHANG); });
        if (done == pid || (done == -1 && errno == ECHILD)) {
            exited = true;
            loop.quit();
        }
    });
    poll.start(10);
    loop.exec();
    poll.stop();
    window->removeEventFilter(&closing);
    window->setEnabled(true);
    if (focus != nullptr && window->isVisible()) focus->setFocus(Qt::OtherFocusReason);
    if (exited) return status;
    // The helper runs on by itself; it is collected whenever it ends.
    std::thread([pid] {
        int ignored = 0;
        RetryOnInterrupt([&] { return waitpid(pid, &ignored, 0); });
    }).detach();
    return 0;
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

std::string QtPlatform::environmentVariable(const std::string& name) const {
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::string(value) : std::string();
}

std::chrono::system_clock::time_point QtPlatform::currentTime() const {
    return std::chrono::system_clock::now();
}

}  // namespace wrennet
