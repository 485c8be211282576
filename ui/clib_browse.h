#pragma once

#include <QFileDialog>
#include <string>

#include "platform.h"

namespace wrennet {

// The program's file-open dialog: always Qt's own (not the desktop's), so that
// its file-name label reads "&Library" and its accept button "&Select" for
// every use. Neither the file nor its folder has to exist.
class CLibBrowse final : public QFileDialog {
    Q_OBJECT
  public:
    explicit CLibBrowse(QWidget* parent);

    void prepare(const FileDialogRequest& request);
    // The chosen full path as file-system bytes; empty when none.
    std::string chosenPath() const;
};

}  // namespace wrennet
