#include "lsp/document_store.h"

#include <algorithm>

#include "lsp/range_json.h"
#include "lsp/text_position.h"

namespace wrennet::lsp {
bool DocumentStore::change(const std::string& uri, const Json& contentChanges) {
    const auto document = documents_.find(uri);
    if (document == documents_.end()) return false;
    std::string& text = document->second;
    for (const Json& change : contentChanges) {
        const std::string& newText = change.at("text").get_ref<const std::string&>();
        const auto range = change.find("range");
        if (range == change.end()) {
            text = newText;
            continue;
        }
        const LineIndex lines(text);
        const std::size_t start = lines.offsetOf(PositionFrom(range->at("start")));
        const std::size_t end = std::max(start, lines.offsetOf(PositionFrom(range->at("end"))));
        text.replace(start, end - start, newText);
    }
    return true;
}

const std::string* DocumentStore::find(const std::string& uri) const {
    const auto document = documents_.find(uri);
    return document == documents_.end() ? nullptr : &document->second;
}

}  // namespace wrennet::lsp
