#pragma once

#include <QObject>

class SourcePaneTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void shownLines_data();
    void shownLines();
};
