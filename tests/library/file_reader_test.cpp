// The real file system reader.
#include "library/file_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/temp_folder.h"

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
    // Read at an offset, as two threads do, without moving the stream.
    EXPECT_EQ(source->size(), content.size());
    EXPECT_EQ(source->readAt(read.data(), 4, content.size() - 4), 4u);
    EXPECT_EQ(read.substr(0, 4), "end\n");
    EXPECT_EQ(source->readAt(read.data(), 4, content.size()), 0u);
}

}  // namespace
}  // namespace wrennet
