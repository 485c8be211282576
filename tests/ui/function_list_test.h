#pragma once

#include <QObject>

class FunctionListTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void openAndClose_data();
    void openAndClose();
    void lookupFailures_data();
    void lookupFailures();
    void showWholeLibrary();
    void labelClickScrollsPane_data();
    void labelClickScrollsPane();
    void parameterNamesFit_data();
    void parameterNamesFit();
};
