// DocumentStore: the documents an editor has open, kept in step with its changes.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "lsp/json_rpc.h"

namespace wrennet::lsp {

// The open documents by URI, kept whole. Changes may replace the whole text or
// a range of it (positions in UTF-16 code units, as the protocol counts them).
class DocumentStore {
  public:
    void open(const std::string& uri, std::string text) { documents_[uri] = std::move(text); }
    void close(const std::string& uri) { documents_.erase(uri); }
    // Applies the "contentChanges" of a didChange in order; false when the
    // document is not open.
    bool change(const std::string& uri, const Json& contentChanges);
    // nullptr when the document is not open.
    const std::string* find(const std::string& uri) const;
    const std::map<std::string, std::string>& all() const { return documents_; }

  private:
    std::map<std::string, std::string> documents_;
};

}  // namespace wrennet::lsp
