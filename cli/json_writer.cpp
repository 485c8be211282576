#include "cli/json_writer.h"

#include "library/display_text.h"

namespace wrennet::cli {

namespace {

// Every string reaches the writer through DisplayText, which always yields
// valid UTF-8, so the handler never acts; it only keeps a slip from becoming
// an exception halfway through a line.
constexpr auto kOnBadUtf8 = Json::error_handler_t::replace;

std::string Dump(const Json& value, int indent, char indentChar) {
    return value.dump(indent, indentChar, /*ensure_ascii=*/false, kOnBadUtf8);
}

void AppendOneLine(const Json& value, std::string& out) {
    if (value.is_object()) {
        out += '{';
        const char* separator = "";
        for (const auto& member : value.items()) {
            out += separator;
            out += Dump(Json(member.key()), -1, ' ');
            out += ": ";
            AppendOneLine(member.value(), out);
            separator = ", ";
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        const char* separator = "";
        for (const Json& item : value) {
            out += separator;
            AppendOneLine(item, out);
            separator = ", ";
        }
        out += ']';
    } else {
        out += Dump(value, -1, ' ');
    }
}

}  // namespace

Json DisplayText(std::string_view bytes) { return Json(DecodeForDisplay(bytes)); }

std::string JsonString(std::string_view bytes) { return Dump(DisplayText(bytes), -1, ' '); }

std::string OneLine(const Json& value) {
    std::string out;
    AppendOneLine(value, out);
    return out;
}

std::string Indented(const Json& value) { return Dump(value, 1, '\t'); }

}  // namespace wrennet::cli
