// QtPlatform: the desktop as Qt offers it.
#pragma once

#include "platform/platform.h"

namespace wrennet {

// The desktop as Qt offers it: message boxes, the clipboard, detached programs,
// xdg-open for documents, the program's own file dialog.
class QtPlatform final : public Platform {
  public:
    MessageAnswer showMessage(QWidget* parent, const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
    void setClipboardText(const std::string& text) override;
    bool startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
    bool openDocument(const std::string& path) override;
    int runHelperCommand(QWidget* window, const std::string& command) override;
    std::optional<std::string> chooseFile(QWidget* parent,
                                          const FileDialogRequest& request) override;
    bool fileExists(const std::string& path) const override;
    std::string executablePath() const override;
    std::string environmentVariable(const std::string& name) const override;
    std::chrono::system_clock::time_point currentTime() const override;
};

}  // namespace wrennet
