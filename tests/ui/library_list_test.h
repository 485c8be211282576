#pragma once

#include <QObject>

class LibraryListTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void addLibrary_data();
    void addLibrary();
    void unlistLibrary_data();
    void unlistLibrary();
    void closeUpSwitchesLibrary();
    void oddLibraryPaths_data();
    void oddLibraryPaths();
};
