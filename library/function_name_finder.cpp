#include "library/function_name_finder.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "common/ascii_case.h"

namespace wrennet {
namespace {

constexpr bool IsNameByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Whether `name` holds `lowered` (already in lower case), ASCII case aside.
bool HoldsLowered(std::string_view name, std::string_view lowered) {
    if (lowered.size() > name.size()) return false;
    const char first = lowered.front();
    const std::size_t lastStart = name.size() - lowered.size();
    for (std::size_t at = 0; at <= lastStart; ++at) {
        if (ToLowerAscii(name[at]) != first) continue;
        std::size_t matched = 1;
        while (matched < lowered.size() && ToLowerAscii(name[at + matched]) == lowered[matched]) {
            ++matched;
        }
        if (matched == lowered.size()) return true;
    }
    return false;
}

}  // namespace

std::string_view FunctionNameOf(std::string_view entry) {
    std::size_t end = entry.find('(');
    if (end == std::string_view::npos) return entry;
    while (end > 0 && entry[end - 1] == ' ') --end;
    std::size_t start = end;
    while (start > 0 && IsNameByte(entry[start - 1])) --start;
    return entry.substr(start, end - start);
}

void FunctionNameFinder::findNames() {
    nameStarts_.reserve(entries_.size());
    nameLengths_.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string_view entry = entries_[i];
        const std::string_view name = FunctionNameOf(entry);
        nameStarts_.push_back(static_cast<std::uint32_t>(name.data() - entry.data()));
        nameLengths_.push_back(static_cast<std::uint16_t>(
            std::min<std::size_t>(name.size(), std::numeric_limits<std::uint16_t>::max())));
    }
    all_.resize(entries_.size());
    std::iota(all_.begin(), all_.end(), 0u);
}

const std::vector<std::uint32_t>& FunctionNameFinder::narrow(std::string_view typed) {
    if (nameStarts_.size() != entries_.size()) findNames();
    while (!steps_.empty() && !typed.starts_with(steps_.back().typed)) steps_.pop_back();
    if (typed.empty()) return all_;
    if (!steps_.empty() && steps_.back().typed == typed) return steps_.back().kept;

    std::string lowered(typed);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), ToLowerAscii);
    const std::vector<std::uint32_t>& from = steps_.empty() ? all_ : steps_.back().kept;
    Step step{std::string(typed), {}};
    for (const std::uint32_t i : from) {
        const std::string_view name = entries_[i].substr(nameStarts_[i], nameLengths_[i]);
        if (HoldsLowered(name, lowered)) step.kept.push_back(i);
    }
    steps_.push_back(std::move(step));
    return steps_.back().kept;
}

}  // namespace wrennet
