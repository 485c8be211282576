#include "library/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/memory_files.h"

namespace wrennet {
namespace {

TEST(LineReader, PiecesTable) {
    struct Row {
        const char* name;
        std::string content = "";
        std::vector<std::string> pieces = {};
    };
    // Lines straddling the 256 KiB refill boundary come back whole and in order.
    Row refills{.name = "lines across refills"};
    for (int i = 0; refills.content.size() < 700 * 1024; ++i) {
        const std::string line =
            std::string(static_cast<std::size_t>(i % 300), 'a' + i % 26) + "\n";
        for (std::size_t at = 0; at < line.size(); at += 255) {
            refills.pieces.push_back(line.substr(at, 255));
        }
        refills.content += line;
    }
    const std::string x(255, 'x'), y(255, 'y');
    const Row rows[] = {
        {.name = "600-byte line",
         .content = std::string(600, 'x') + "\n",
         .pieces = {x, x, std::string(90, 'x') + "\n"}},
        {.name = "line end kept, CR ordinary", .content = "a\r\nb\n", .pieces = {"a\r\n", "b\n"}},
        {.name = "255 bytes then the line end alone",
         .content = y + "\nz",
         .pieces = {y, "\n", "z"}},
        {.name = "NUL cuts the text, not the piece",
         .content = std::string("ab\0cd\nef\n", 9),
         .pieces = {"ab", "ef\n"}},
        {.name = "NUL first ends the file",
         .content = std::string("ab\n\0x\nmore\n", 11),
         .pieces = {"ab\n"}},
        {.name = "empty file"},
        refills,
    };
    // Sources that deliver 1 to 7 bytes per read, and one that delivers everything.
    for (const std::size_t chunk : {1, 2, 3, 4, 5, 6, 7, 1 << 20}) {
        testing::MemoryFiles files(chunk);
        for (const Row& row : rows) {
            files.add("f", row.content);
            const auto source = files.open("f");
            LineReader reader(*source);
            std::vector<std::string> pieces;
            for (std::string_view piece = reader.next(); !piece.empty(); piece = reader.next()) {
                pieces.emplace_back(piece);
            }
            EXPECT_EQ(pieces, row.pieces) << row.name << ", chunk " << chunk;
        }
    }
}

}  // namespace
}  // namespace wrennet
