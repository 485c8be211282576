// Platform: everything the window asks of the desktop.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "library/message.h"

class QWidget;

namespace wrennet {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FileFilter {
    std::string description;  // shown as given, leading blank included
    std::string pattern;      // "*.h"
};

// Everything the program's file-open dialog needs to know for one use. Paths
// are the bytes the core works with; the platform decodes them for display.
struct FileDialogRequest {
    std::string title = {};
    std::vector<FileFilter> filters = {};  // the first one is active when the dialog opens
    std::string startFolder = {};
    std::string startFileName = {};
    std::string fileNameLabel = "&Library";
    std::string acceptLabel = "&Select";
};

// What the window needs of the desktop. The window gets one by constructor and
// never calls toolkit statics for these itself, so tests can record every
// message and script every answer.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual MessageAnswer showMessage(QWidget* parent, const std::string& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // Started without a shell and never waited for. False when the program
    // could not be started at all (missing, or not executable); how it goes
    // once started is not looked at.
    virtual bool startDetached(const std::string& program,
                               const std::vector<std::string>& arguments) = 0;
    // Opens a file with the desktop's default application for it. False when
    // no program to open it could be started.
    virtual bool openDocument(const std::string& path) = 0;
    // Runs a command through /bin/sh and returns what std::system returns.
    // Meanwhile `window` stays painted but takes no input; closing it ends
    // the wait (the helper runs on, nothing is reported). The focus is where
    // it was when the wait ends.
    virtual int runHelperCommand(QWidget* window, const std::string& command) = 0;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<std::string> chooseFile(QWidget* parent,
                                                  const FileDialogRequest& request) = 0;
    // A regular file that can be opened for reading; a folder or a FIFO is not.
    virtual bool fileExists(const std::string& path) const = 0;
    virtual std::string executablePath() const = 0;
    // The value of an environment variable; empty when it is not set.
    virtual std::string environmentVariable(const std::string& name) const = 0;
    virtual std::chrono::system_clock::time_point currentTime() const = 0;
};

}  // namespace wrennet
