// The settings file's pure operations on any content, section, key and value.
// A write of a plain name and value must read back as written.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "settings/ini_text.h"

namespace {

// Names and values that the file format stores without any trimming,
// unquoting or reinterpretation, so a round trip must give them back.
bool IsPlain(const std::string& text, bool isValue) {
    if (text.empty()) return isValue;
    if (text.front() == ' ' || text.back() == ' ') return false;
    if (isValue && (text.front() == '"' || text.front() == '\'')) return false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7f) return false;
        if (!isValue && (c == '[' || c == ']' || c == '=' || c == ';')) return false;
    }
    return true;
}

}  // namespace

using wrennet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(40);
    const std::string key = input.ConsumeRandomLengthString(40);
    const std::string value = input.ConsumeRandomLengthString(80);
    const std::size_t capacity = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    const std::string content = input.ConsumeRemainingBytesAsString();

    const std::string read = wrennet::ini::ReadValue(content, section, key, "default", capacity);
    if (capacity > 0) Check(read.size() < capacity);
    wrennet::ini::ReadKeyNames(content, section, capacity);
    wrennet::ini::DeleteKey(content, section, key);
    wrennet::ini::DeleteSection(content, section);

    const auto written = wrennet::ini::WriteValue(content, section, key, value);
    if (written && IsPlain(section, false) && IsPlain(key, false) && IsPlain(value, true)) {
        Check(wrennet::ini::ReadValue(*written, section, key, "default", 100000) == value);
    }
    return 0;
}
