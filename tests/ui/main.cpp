#include <QApplication>
#include <QTest>

#include "function_list_test.h"
#include "library_list_test.h"
#include "source_pane_test.h"
#include "start_up_test.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    StartUpTest startUp;
    LibraryListTest libraryList;
    FunctionListTest functionList;
    SourcePaneTest sourcePane;
    int failures = 0;
    failures += QTest::qExec(&startUp, argc, argv);
    failures += QTest::qExec(&libraryList, argc, argv);
    failures += QTest::qExec(&functionList, argc, argv);
    failures += QTest::qExec(&sourcePane, argc, argv);
    return failures == 0 ? 0 : 1;
}
