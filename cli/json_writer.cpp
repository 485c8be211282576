#include "json_writer.h"

#include "display_text.h"

namespace wrennet::cli {

namespace {

void AppendEscaped(std::string_view utf8, std::string& out) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
}

}  // namespace

std::string JsonString(std::string_view bytes) {
    std::string out = "\"";
    AppendEscaped(DecodeForDisplay(bytes), out);
    out += '"';
    return out;
}

void JsonObject::name(std::string_view memberName) {
    if (!members_.empty()) members_ += ", ";
    members_ += JsonString(memberName);
    members_ += ": ";
}

JsonObject& JsonObject::text(std::string_view memberName, std::string_view bytes) {
    name(memberName);
    members_ += JsonString(bytes);
    return *this;
}

JsonObject& JsonObject::number(std::string_view memberName, long long value) {
    name(memberName);
    members_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::texts(std::string_view memberName, const std::vector<std::string>& items) {
    name(memberName);
    members_ += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) members_ += ", ";
        members_ += JsonString(items[i]);
    }
    members_ += ']';
    return *this;
}

JsonObject& JsonObject::objects(std::string_view memberName, const std::vector<JsonObject>& items) {
    name(memberName);
    members_ += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) members_ += ", ";
        members_ += items[i].str();
    }
    members_ += ']';
    return *this;
}

}  // namespace wrennet::cli
