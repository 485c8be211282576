#include <QApplication>
#include <cstdio>
#include <cstring>

#include "file_reader.h"
#include "qt_platform.h"
#include "wrennet_app.h"

namespace {

constexpr const char* kUsage =
    "usage: wrennet [--help | --version]\n"
    "\n"
    "Opens the Wrennet window: pick a library, pick a function, pick the values\n"
    "of its parameters, and copy the finished call to the clipboard.\n"
    "Settings live in Wrennet.ini beside the program, or in\n"
    "$XDG_CONFIG_HOME/wrennet/ (~/.config/wrennet/) when that folder cannot be\n"
    "written. Any other argument is left alone.\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any window system is needed, so they work on a console.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("Wrennet " WRENNET_VERSION "\n", stdout);
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wrennet"));
    wrennet::QtPlatform platform;
    wrennet::PosixFileReader files;
    wrennet::WrennetApp app(platform, files);
    app.run();
    return 0;
}
