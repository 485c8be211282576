#include <QApplication>

#include "file_reader.h"
#include "qt_platform.h"
#include "wrennet_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wrennet"));
    wrennet::QtPlatform platform;
    wrennet::PosixFileReader files;
    wrennet::WrennetApp app(platform, files);
    app.run();
    return 0;
}
