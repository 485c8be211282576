// The program's own file-open dialog.
#pragma once

#include <QFileDialog>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace wrennet {

// The program's file-open dialog: always Qt's own (not the desktop's), so that
// its file-name label reads "&Library" and its accept button "&Select" for
// every use. Neither the file nor its folder has to exist.
class CLibBrowse final : public QFileDialog {
    Q_OBJECT
  public:
    explicit CLibBrowse(QWidget* parent);

    // A start folder or file name the dialog cannot hold as text is left out:
    // the dialog never starts on a path that does not exist.
    void prepare(const FileDialogRequest& request);
    // The chosen full path as file-system bytes; nothing when none was chosen
    // or its bytes cannot be told from its text.
    std::optional<std::string> chosenPath() const;
};

}  // namespace wrennet
