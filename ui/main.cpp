#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "library/file_reader.h"
#include "platform/qt_platform.h"
#include "ui/wrennet_app.h"

namespace {

constexpr const char* kUsage =
    "usage: wrennet [--help | --version] [LIBRARY...]\n"
    "\n"
    "Opens the Wrennet window: pick a library, pick a function, pick the values\n"
    "of its parameters, and copy the finished call to the clipboard.\n"
    "Each LIBRARY (an assembler source or a C header) is added to the library\n"
    "list as Add adds a file, and the last one is selected; a file dropped on\n"
    "the window is added the same way.\n"
    "Settings live in Wrennet.ini beside the program, or in\n"
    "$XDG_CONFIG_HOME/wrennet/ (~/.config/wrennet/) when that folder cannot be\n"
    "written. Any other option is left alone.\n";

// A library named on the command line, as a full path: the list holds the
// paths the file dialog gives, and those are whole.
std::string FullPath(const char* argument) {
    std::string path(argument);
    if (path.starts_with('/')) return path;
    std::vector<char> folder(4096);
    while (getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE) return path;
        folder.resize(folder.size() * 2);
    }
    return std::string(folder.data()) + "/" + path;
}

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
    // Qt has taken its own options out of argv by now.
    std::vector<std::string> libraries;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-' && argv[i][0] != '\0') libraries.push_back(FullPath(argv[i]));
    }
    wrennet::QtPlatform platform;
    wrennet::PosixFileReader files;
    wrennet::WrennetApp app(platform, files);
    app.run(libraries);
    return 0;
}
