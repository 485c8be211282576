#include "ui/library_check_ahead.h"

#include "common/start_async.h"

namespace wrennet {

LibraryCheckAhead::LibraryCheckAhead(const FileReader& files, const std::string& path,
                                     const std::string& lastChoice)
    : files_(files), path_(path), lastChoice_(lastChoice) {
    if (path.empty()) return;
    check_ = StartAsync(
        [&files, path, lastChoice] { return CheckLibraryFile(files, path, lastChoice); });
}

LibraryCheck LibraryCheckAhead::take(const std::string& path, const std::string& lastChoice) {
    if (path == path_ && lastChoice == lastChoice_ && check_.valid()) return check_.get();
    return CheckLibraryFile(files_, path, lastChoice);
}

}  // namespace wrennet
