#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "file_status.h"
#include "platform.h"

namespace wrennet::testing {

struct RecordedMessage {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
};

// A desktop that records what the window asks of it and answers from a script:
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
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    void startDetached(const std::string& program, const std::string& argument) override {
        started.emplace_back(program, argument);
    }
    void openDocument(const std::string& path) override { openedDocuments.push_back(path); }
    int runHelperCommand(const std::string& command) override {
        commands.push_back(command);
        return 0;
    }
    std::optional<std::string> chooseFile(QWidget*, const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        if (chosenFiles.empty()) return std::nullopt;
        std::optional<std::string> chosen = chosenFiles.front();
        chosenFiles.pop_front();
        return chosen;
    }
    bool fileExists(const std::string& path) const override { return IsReadableRegularFile(path); }
    std::string executablePath() const override { return executablePath_; }
    std::chrono::system_clock::time_point currentTime() const override { return {}; }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const RecordedMessage& message : messages) texts.push_back(message.text);
        return texts;
    }

    std::vector<RecordedMessage> messages;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> chosenFiles;
    std::vector<FileDialogRequest> fileRequests;
    std::string clipboard;
    std::vector<std::pair<std::string, std::string>> started;
    std::vector<std::string> openedDocuments;
    std::vector<std::string> commands;

  private:
    std::string executablePath_;
};

}  // namespace wrennet::testing
