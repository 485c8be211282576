// Files served from memory for the library tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "library/file_reader.h"

namespace wrennet::testing {

// Files served from memory. `chunk` limits how many bytes one read() delivers,
// so tests can push the line reader across its buffer boundaries.
class MemoryFiles final : public FileReader {
  public:
    explicit MemoryFiles(std::size_t chunk = static_cast<std::size_t>(-1)) : chunk_(chunk) {}

    void add(const std::string& path, std::string content) { files_[path] = std::move(content); }

    std::unique_ptr<ByteSource> open(const std::string& path) const override {
        auto it = files_.find(path);
        if (it == files_.end()) return nullptr;
        return std::make_unique<Source>(it->second, chunk_);
    }

  private:
    class Source final : public ByteSource {
      public:
        Source(const std::string& data, std::size_t chunk) : data_(data), chunk_(chunk) {}
        std::size_t read(char* buffer, std::size_t size) override {
            const std::size_t n = std::min({size, chunk_, data_.size() - offset_});
            std::memcpy(buffer, data_.data() + offset_, n);
            offset_ += n;
            return n;
        }
        std::optional<std::uint64_t> size() const override { return data_.size(); }
        std::size_t readAt(char* buffer, std::size_t size, std::uint64_t offset) const override {
            if (offset >= data_.size()) return 0;
            const std::size_t n = std::min({size, chunk_, data_.size() - offset});
            std::memcpy(buffer, data_.data() + offset, n);
            return n;
        }

      private:
        const std::string& data_;
        std::size_t chunk_;
        std::size_t offset_ = 0;
    };

    std::map<std::string, std::string> files_;
    std::size_t chunk_;
};

}  // namespace wrennet::testing
