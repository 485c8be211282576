#include "library/param_choices.h"

#include <algorithm>
#include <array>

#include "common/byte_class.h"
#include "common/no_position.h"
#include "common/replace_all.h"
#include "library/documentation_block.h"
#include "library/line_marks.h"
#include "library/line_reader.h"
#include "library/pending_lines.h"
#include "library/prototype.h"

namespace wrennet {
namespace {

void CollapseBlankRuns(std::string& text) {
    const auto last =
        std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; });
    text.erase(last, text.end());
}

// A "@param" line is tidied before it is cut and normalised, so that a name
// written against its colon ("level:{0-255}") is still found by its key.
void TidyParamLine(std::string_view line, std::string& out) {
    out.clear();
    for (const char c : line) {
        if (c == ':') {
            out.append(" :");
        } else {
            out.push_back(c == '\t' ? ' ' : c);
        }
    }
    CollapseBlankRuns(out);
}

// The word that ends with the first ".exe" of a note line, when that stands at
// index 5 or later; empty otherwise.
std::string_view HelperNameInNote(std::string_view line) {
    const std::size_t exe = line.find(".exe");
    if (exe == kNoPosition || exe < 5) return {};
    const std::size_t end = exe + 4;
    const std::size_t space = line.rfind(' ', end - 1);
    const std::size_t start = space == kNoPosition ? 0 : space + 1;
    return line.substr(start, end - start);
}

// What remains of a collected line before it is normalised: nothing from the
// first ";" or "//" on, and nothing after a ")" that stands at index 5 or later.
std::string_view CutCollectedLine(std::string_view line, const LineMarks& marks) {
    const std::size_t cut = std::min(marks.semicolon, marks.slashes);
    if (marks.close != kNoPosition && marks.close < cut && marks.close >= 5) {
        return line.substr(0, marks.close + 1);
    }
    return line.substr(0, std::min(cut, line.size()));
}

// Reads the block that belongs to `prototype` into `details`: the documentation
// text and the helper name. Lines are normalised only once the block is settled.
void CollectDocumentation(ByteSource& source, std::string_view prototype,
                          FunctionDetails& details) {
    LineReader reader(source);
    PendingLines block;
    bool found = false;
    bool inParamList = false;
    std::string tidied;
    std::string joined;
    for (std::string_view piece = reader.next(); !piece.empty(); piece = reader.next()) {
        std::string_view line = piece;
        LineMarks marks = MarkLine(line);
        if (marks.opener && IsBlankOrTab(line[0])) {
            line = DocumentationLine(line);
            marks = MarkLine(line);
        }
        const bool opener = marks.opener && IsBlockOpener(line);
        if (found && opener) break;
        if (opener) {
            block.clear();
            details.helperName.reset();
        }
        if (marks.at != kNoPosition) {
            if (line.find("@param", marks.at) != kNoPosition) {
                TidyParamLine(line, tidied);
                line = tidied;
                marks = MarkLine(line);
                const std::size_t close = line.find('}');
                inParamList = close == kNoPosition || close < 2;
            } else {
                inParamList = false;
                if (line.find("@note", marks.at) != kNoPosition) {
                    const std::string_view helper = HelperNameInNote(line);
                    if (!helper.empty()) details.helperName = std::string(helper);
                }
            }
        }
        if (inParamList) {
            // An open value list runs on: its lines join without their line breaks.
            joined.clear();
            std::copy_if(line.begin(), line.end(), std::back_inserter(joined),
                         [](char c) { return c != '\n' && c != '\r'; });
            line = joined;
            marks = MarkLine(line);
        }
        const std::string_view kept = CutCollectedLine(line, marks);
        block.add(kept);
        if (!found) found = NormalisedBeginsWith(kept, prototype);
    }
    details.documentationText.clear();
    block.forEach(
        [&](std::string_view kept) { AppendNormalisedPrototype(kept, details.documentationText); });
}

}  // namespace

SplitPrototypeResult SplitPrototype(std::string_view prototype) {
    SplitPrototypeResult split;
    const std::size_t firstClose = prototype.find(')');
    const std::string_view head =
        firstClose == kNoPosition ? std::string_view{} : prototype.substr(0, firstClose + 1);
    const std::size_t headOpen = head.find('(');
    if (headOpen == kNoPosition) {
        split.functionName = prototype;
        return split;
    }
    std::string text = ReplaceAll(head, "*", " * ");
    text = ReplaceAll(text, "\t", " ");
    CollapseBlankRuns(text);
    text = ReplaceAll(text, " ,", ",");
    text = ReplaceAll(text, ", ", ",");
    text = ReplaceAll(text, "( ", "(");
    text = ReplaceAll(text, " (", "(");
    text = ReplaceAll(text, " )", ")");

    const std::size_t open = text.find('(');
    const std::string_view call = std::string_view(text).substr(0, open);
    std::string_view params = std::string_view(text).substr(open + 1);
    const std::size_t lastBlank = call.rfind(' ');
    if (lastBlank == kNoPosition) {
        split.functionName = call;
    } else {
        split.returnType = call.substr(0, lastBlank);
        split.functionName = call.substr(lastBlank + 1);
    }

    // Short lists and any list that mentions void describe no parameters.
    const auto close = static_cast<long>(params.find(')'));
    const std::size_t innerOpen = params.find('(');
    const long openAt = innerOpen == kNoPosition ? -1 : static_cast<long>(innerOpen);
    if (close - openAt < 5 || params.find("void") != kNoPosition) return split;

    for (std::string& name : split.names) {
        const std::size_t end = params.find_first_of(",)");
        if (end == kNoPosition || end < 4) break;
        const std::size_t blank = params.substr(0, end).rfind(' ');
        if (blank == kNoPosition || blank < 2) break;
        name = params.substr(blank + 1, end - blank - 1);
        params.remove_prefix(end + 1);
    }
    return split;
}

namespace {

// The value text of parameter `name` in `documentationText` (what "@param name :{...}"
// holds between its braces, blanks and tabs removed); empty when not described.
std::string DescribeParameter(std::string_view documentationText, std::string_view name) {
    std::string key = "@param ";
    key.append(name);
    key.append(" :{");
    const std::size_t hit = documentationText.find(key);
    if (hit == kNoPosition) return {};
    const std::size_t lineEnd = documentationText.find('\n', hit);
    if (lineEnd == kNoPosition) return {};
    std::string description;
    for (const char c : documentationText.substr(hit, lineEnd - hit)) {
        if (!IsBlankOrTab(c)) description.push_back(c);
    }
    const std::size_t close = description.find('}');
    if (close == kNoPosition) return {};
    const std::size_t open = description.find('{');
    if (open == kNoPosition || close <= open) return {};
    return description.substr(open + 1, close - open - 1);
}

}  // namespace

FunctionDetails ReadParamChoices(const FileReader& files, const std::string& sourcePath,
                                 const std::string& prototype, bool sourceFound) {
    FunctionDetails details;
    details.functionName = prototype;
    const std::unique_ptr<ByteSource> source = files.open(sourcePath);
    if (!source) {
        details.messages.push_back({"Could not find " + sourcePath, MessageIcon::Warning});
        return details;
    }
    if (!sourceFound) return details;

    CollectDocumentation(*source, prototype, details);

    SplitPrototypeResult split = SplitPrototype(prototype);
    details.returnType = std::move(split.returnType);
    details.functionName = std::move(split.functionName);
    for (int k = 0; k < kMaxSlots; ++k) {
        ParamChoice& slot = details.slots[static_cast<std::size_t>(k)];
        slot.name = std::move(split.names[static_cast<std::size_t>(k)]);
        if (slot.name.empty()) continue;
        slot.valueText = DescribeParameter(details.documentationText, slot.name);
        const std::size_t exe = slot.valueText.find(".exe");
        if (exe != kNoPosition && exe >= 1) slot.entryText = "\"" + slot.valueText + "\"";
        details.count = k + 1;
    }
    return details;
}

}  // namespace wrennet
