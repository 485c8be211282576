// The real file system reader and the decoding of file bytes for the window.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../settings/temp_folder.h"
#include "display_text.h"
#include "file_reader.h"

namespace wrennet {
namespace {

TEST(PosixFileReader, OnlyRegularFilesOpen) {
    const testing::TempFolder folder;
    const std::string file = folder.path() + "a.s79", fifo = folder.path() + "pipe.h";
    const std::string content = std::string(300000, 'x') + "\nend\n";
    testing::TempFolder::write(file, content);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    PosixFileReader reader;
    // The pipe returns at once: no writer is ever waited for.
    for (const std::string& path : {folder.path(), fifo, folder.path() + "missing"}) {
        EXPECT_EQ(reader.open(path), nullptr) << path;
    }
    const auto source = reader.open(file);
    ASSERT_NE(source, nullptr);
    std::string read(content.size() + 1, '\0');
    std::size_t total = 0;
    for (std::size_t n = 1; n > 0; total += n) n = source->read(&read[total], read.size() - total);
    EXPECT_EQ(read.substr(0, total), content);
}

TEST(DecodeForDisplay, Table) {
    // Valid UTF-8 stays; the bytes the code page leaves undefined pass as C1 controls.
    const std::pair<std::string, std::string> rows[] = {
        {"caf\xc3\xa9\xf0\x9f\x98\x80\xef\xbf\xbf", "caf\xc3\xa9\xf0\x9f\x98\x80\xef\xbf\xbf"},
        {"\x81\x8d\x8f\x90\x9d", "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d"},
        {"\xc0\xaf", "\xc3\x80\xc2\xaf"},                  // overlong "/" is not UTF-8
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},  // surrogate is not UTF-8
        {"\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xe2\x82\xac\xe2\x82\xac"},  // past U+10FFFF
    };
    for (const auto& [bytes, shown] : rows) EXPECT_EQ(DecodeForDisplay(bytes), shown) << bytes;
}

}  // namespace
}  // namespace wrennet
