#include "library/span_scanner.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/byte_class.h"
#include "library/header_marks.h"
#include "library/last_choice.h"
#include "library/line_reader.h"
#include "library/split_scan.h"
#include "tests/support/memory_files.h"

namespace wrennet {
namespace {

// Library-like text made of the bytes and pairs the scanners look for, lines
// near and past the 255-byte piece length, and now and then a NUL.
std::string RandomLibrary(std::mt19937& random, std::size_t tokens) {
    // The tokens, "|" between them.
    static const std::string kTokens =
        "int |PortRead|(|)|;|/*|*/|//|/|*|\n|\r\n| |\t|,|extern |a|B|e|x|\n\n|(int|"
        "void f(int a);\n|; C Function prototype: int f(int a)\n|@ C Function prototype:|"
        " C Func|@|\n;|*/\nint g(char c);\n|/*\n|f(x)\n";
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0; at <= kTokens.size();) {
        const std::size_t bar = std::min(kTokens.find('|', at), kTokens.size());
        pieces.push_back(std::string_view(kTokens).substr(at, bar - at));
        at = bar + 1;
    }
    std::string text;
    for (std::size_t i = 0; i < tokens; ++i) {
        const std::size_t pick = random() % (pieces.size() + 3);
        if (pick < pieces.size()) {
            text += pieces[pick];
        } else if (pick == pieces.size()) {
            text.append(200 + random() % 400, "xy(/*"[random() % 5]);  // a long line
        } else if (pick == pieces.size() + 1) {
            text.append(random() % 70, 'q');
        } else if (random() % 8 == 0) {
            text += '\0';
        }
    }
    return text;
}

// Every piece of a span fed in turn against only the pieces that matter (in
// lanes of both widths), and the same for a span that starts inside a comment.
TEST(FeedSpan, AgreesWithFeedingEveryPiece) {
    const auto collect = [](LibraryKind kind, std::string_view span, auto feed) {
        PrototypeCollector collector(kind);
        const bool goesOn = feed(span, collector);
        const bool inComment = collector.inComment();
        return std::tuple(collector.take().toStrings(), inComment, goesOn);
    };
    std::mt19937 random(20261206);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = RandomLibrary(random, random() % 120);
        for (const auto& [kind, span] :
             {std::pair(LibraryKind::Header, text), std::pair(LibraryKind::Assembler, text),
              std::pair(LibraryKind::Header, "/*\n" + text)}) {
            const auto expected = collect(kind, span, FeedEveryPiece);
            ASSERT_EQ(collect(kind, span, FeedSpan), expected) << round << ": [" << span << "]";
            ASSERT_EQ(collect(kind, span, FeedSpanInNarrowLanes), expected)
                << round << ": [" << span << "]";
        }
    }
}

// A whole file through the span reader against the line reader, with sources
// that deliver a few bytes at a time or everything at once, and files larger
// than the read buffer so that spans end inside long lines and at line ends.
TEST(ScanLibraryFile, AgreesWithTheLineReader) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 60; ++round) {
        std::string text = RandomLibrary(random, round < 50 ? random() % 400 : 120000);
        if (round % 10 == 9) text += std::string(700000, 'z') + "\nint f(int a);\n";
        for (const char* path : {"/l/port.h", "/l/port.s79"}) {
            testing::MemoryFiles files(text.size() > 100000 ? 1 << 16 : 7);  // 7 is slow on large
            files.add(path, text);
            PrototypeCollector reference(KindOfLibrary(path));
            const auto source = files.open(path);
            LineReader reader(*source);
            for (std::string_view piece = reader.next(); !piece.empty(); piece = reader.next()) {
                reference.feed(piece);
            }
            const auto expected = reference.takeSorted().toStrings();
            ASSERT_EQ(ScanLibraryFile(files, path).entries.toStrings(), expected) << round << path;
            testing::MemoryFiles whole;  // everything in one read
            whole.add(path, text);
            ASSERT_EQ(ScanLibraryFile(whole, path).entries.toStrings(), expected) << round << path;
        }
    }
}

// Two halves scanned apart against one collector over the whole: cuts inside
// a block comment, NULs that end the file before or after the cut, and a
// middle with no line end.
TEST(ScanInHalves, AgreesWithOneCollector) {
    std::mt19937 random(20261209);
    const std::string longLine = "int f(int a);\n" + std::string(200000, 'z') + "\nint g(int b);\n";
    for (int round = 0; round < 4000; ++round) {
        std::string text = round == 0 ? longLine : RandomLibrary(random, random() % 160);
        if (round % 3 == 1) text = "/*\n" + text;
        for (const LibraryKind kind : {LibraryKind::Header, LibraryKind::Assembler}) {
            PrototypeCollector whole(kind);
            FeedEveryPiece(text, whole);
            testing::MemoryFiles files(round % 2 == 0 ? 5 : 1 << 20);
            files.add("f", text);
            const EntryList expected = whole.take();
            ASSERT_EQ(ScanInHalves(*files.open("f"), text.size(), kind).toStrings(),
                      expected.toStrings())
                << round << ": [" << text << "]";
            // The check that keeps no list, of a last choice listed or not.
            const std::string lastChoice(expected.empty() || round % 2 == 0
                                             ? std::string_view("int f(int a)")
                                             : expected[round % expected.size()]);
            const ChoiceCheck check =
                CheckInHalves(*files.open("f"), text.size(), kind, lastChoice);
            ASSERT_EQ(check.choiceToRewrite(), ChoiceToRewrite(expected, lastChoice))
                << round << ": [" << text << "]";
            ASSERT_EQ(check.anyEntry(), !expected.empty()) << round;
        }
    }
}

TEST(MarkHeaderPiece, AgreesWithOneSearchPerMark) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = RandomLibrary(random, random() % 40);
        if (text.find('\0') != std::string::npos) continue;  // spans never hold one
        for (std::size_t start = 0; start < text.size(); start += 1 + random() % 90) {
            HeaderMarks marks;
            const std::size_t end = MarkHeaderPiece(text, start, marks);
            const std::size_t newline = text.find('\n', start);
            const std::size_t expectedEnd =
                std::min({newline == std::string::npos ? text.size() : newline + 1, start + 255,
                          text.size()});
            ASSERT_EQ(end, expectedEnd) << "[" << text << "] from " << start;
            HeaderMarks expected =
                FindHeaderMarks(std::string_view(text).substr(start, end - start));
            if (!IsAsciiLetter(text[start])) {
                expected = {.commentOpen = expected.commentOpen,
                            .commentClose = expected.commentClose};
            }
            ASSERT_EQ(marks, expected) << "[" << text << "] from " << start;
        }
    }
}

}  // namespace
}  // namespace wrennet
