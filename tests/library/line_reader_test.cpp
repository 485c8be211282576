#include "line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_files.h"

namespace wrennet {
namespace {

std::vector<std::string> AllPieces(ByteSource& source) {
    LineReader reader(source);
    std::vector<std::string> pieces;
    for (std::string_view piece = reader.next(); !piece.empty(); piece = reader.next()) {
        pieces.emplace_back(piece);
    }
    return pieces;
}

struct PieceCase {
    const char* name;
    std::string content;
    std::vector<std::string> pieces;
};

// Lines straddling the 256 KiB refill boundary come back whole and in order.
PieceCase RefillCase() {
    PieceCase refills{"lines across refills", "", {}};
    for (int i = 0; refills.content.size() < 700 * 1024; ++i) {
        std::string line = std::string(static_cast<std::size_t>(i % 300), 'a' + i % 26) + "\n";
        for (std::size_t at = 0; at < line.size(); at += 255) {
            refills.pieces.push_back(line.substr(at, 255));
        }
        refills.content += line;
    }
    return refills;
}

TEST(LineReader, PiecesTable) {
    const std::string longLine(600, 'x');
    const std::string exact(255, 'y');
    const PieceCase cases[] = {
        {"600-byte line",
         longLine + "\n",
         {std::string(255, 'x'), std::string(255, 'x'), std::string(90, 'x') + "\n"}},
        {"line end kept, CR ordinary", "a\r\nb\n", {"a\r\n", "b\n"}},
        {"no final line end", "a\nlast", {"a\n", "last"}},
        {"255 bytes then the line end alone", exact + "\nz", {exact, "\n", "z"}},
        {"NUL cuts the text, not the piece", std::string("ab\0cd\nef\n", 9), {"ab", "ef\n"}},
        {"NUL first ends the file", std::string("ab\n\0x\nmore\n", 11), {"ab\n"}},
        {"empty file", "", {}},
        RefillCase(),
    };
    // Sources that deliver 1 to 7 bytes per read, and one that delivers everything.
    for (const std::size_t chunk : {1, 2, 3, 4, 5, 6, 7, 1 << 20}) {
        testing::MemoryFiles files(chunk);
        for (const auto& c : cases) {
            files.add("f", c.content);
            EXPECT_EQ(AllPieces(*files.open("f")), c.pieces) << c.name << ", chunk " << chunk;
        }
    }
}

}  // namespace
}  // namespace wrennet
