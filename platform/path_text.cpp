#include "platform/path_text.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace wrennet {
namespace {

std::string Bytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

// The one name in `folder` that reads as `shown`.
std::optional<std::string> NameReadingAs(const std::string& folder, const QString& shown) {
    std::optional<std::string> found;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().native();
        if (PathText(name) != shown) continue;
        if (found) return std::nullopt;
        found = name;
    }
    return found;
}

}  // namespace

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

bool PathSurvivesText(const std::string& path) { return Bytes(PathText(path)) == path; }

std::optional<std::string> PathFromText(const QString& text) {
    if (!text.contains(QChar::ReplacementCharacter)) return Bytes(text);
    std::string path;
    const QStringList parts = text.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) path += '/';
        if (!parts[i].contains(QChar::ReplacementCharacter)) {
            path += Bytes(parts[i]);
            continue;
        }
        const std::optional<std::string> name = NameReadingAs(path, parts[i]);
        if (!name) return std::nullopt;
        path += *name;
    }
    return path;
}

}  // namespace wrennet
