#pragma once

#include <QObject>

class StartUpTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void startUp_data();
    void startUp();
    void controlsAsLaidOut();
    void controlsKeepClear();
    void readOnlySettingsFile();
};
