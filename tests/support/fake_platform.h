// FakePlatform: a platform that records what it is asked, for tests.
#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_status.h"
#include "platform/platform.h"

namespace wrennet::testing {

// A program started detached, with its arguments.
struct StartedProgram {
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const StartedProgram&) const = default;
};

struct RecordedMessage {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
};

// The desktop the window tests and the window benchmark run against: it
// records what the window asks of it and answers from a script:
// message boxes take the next scripted answer (OK, or No for a question when
// nothing is scripted), file dialogs the next scripted path (cancel when
// nothing is scripted). Files are asked of the real file system.
class FakePlatform final : public Platform {
  public:
    explicit FakePlatform(std::string executablePath)
        : executablePath_(std::move(executablePath)) {}

    MessageAnswer showMessage(QWidget*, const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({text, icon, buttons});
        if (whileMessageShows) whileMessageShows(text);
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : Next(answers, MessageAnswer::No);
    }
    std::optional<std::string> chooseFile(QWidget*, const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return Next(chosenFiles, std::optional<std::string>());
    }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    bool startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return !unstartable.contains(program);
    }
    bool openDocument(const std::string& path) override {
        openedDocuments.push_back(path);
        return documentsOpen;
    }
    int runHelperCommand(QWidget*, const std::string& command) override {
        commands.push_back(command);
        return Next(helperResults, 0);
    }
    bool fileExists(const std::string& path) const override { return IsReadableRegularFile(path); }
    std::string executablePath() const override { return executablePath_; }
    std::string environmentVariable(const std::string& name) const override {
        const auto found = environment.find(name);
        return found != environment.end() ? found->second : std::string();
    }
    std::chrono::system_clock::time_point currentTime() const override { return {}; }

    QStringList messageTexts() const {
        QStringList texts;
        for (const RecordedMessage& message : messages)
            texts << QString::fromStdString(message.text);
        return texts;
    }

    std::vector<RecordedMessage> messages;
    // What happens elsewhere while a message box is up (another running copy).
    std::function<void(const std::string& text)> whileMessageShows;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> chosenFiles;
    std::deque<int> helperResults;  // what running each helper returns; 0 when unscripted
    std::vector<FileDialogRequest> fileRequests;
    std::string clipboard;
    std::vector<StartedProgram> started;
    std::vector<std::string> openedDocuments, commands;
    std::map<std::string, std::string> environment;
    // Programs whose start fails, as a missing or non-executable one does.
    std::set<std::string> unstartable;
    // False: no program to open documents with, as without xdg-open.
    bool documentsOpen = true;

  private:
    template <typename T>
    static T Next(std::deque<T>& script, T otherwise) {
        if (script.empty()) return otherwise;
        T next = std::move(script.front());
        script.pop_front();
        return next;
    }

    std::string executablePath_;
};

}  // namespace wrennet::testing
