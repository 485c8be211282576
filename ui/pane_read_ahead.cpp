#include "pane_read_ahead.h"

#include <utility>

#include "source_lookup.h"

namespace wrennet {
namespace {

std::future<PaneLibrary> StartReading(const FileReader& files, const std::string& path) {
    return std::async(std::launch::async, [&files, path] { return ReadForPane(files, path); });
}

}  // namespace

PaneLibrary ReadForPane(const FileReader& files, const std::string& path) {
    LibraryText library = ReadWholeLibrary(files, path);
    return {std::move(library.messages), PaneText(std::move(library.paneText))};
}

PaneReadAhead::PaneReadAhead(const FileReader& files, const std::string& path)
    : files_(files), path_(path) {
    if (!path.empty()) library_ = StartReading(files, path);
}

std::future<PaneLibrary> PaneReadAhead::take(const std::string& path) {
    if (path == path_ && library_.valid()) return std::move(library_);
    return StartReading(files_, path);
}

}  // namespace wrennet
