#include "storage/data_file_stream.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <iterator>
#include <string>

#include "datainput/data_input_reader.hpp"
#include "save_folder.hpp"

namespace ugraph {
namespace {

// Reads up to `from` bytes in, then fails.
struct FailReadsFrom : PassingPlatform {
    explicit FailReadsFrom(std::uint64_t offset) : from(offset) {}
    std::uint64_t from;
    int read_at(FileHandle file, std::uint64_t offset, char* data, std::size_t size,
                std::size_t& got) const override {
        return offset >= from ? EIO : PassingPlatform::read_at(file, offset, data, size, got);
    }
};

TEST(DataFileStream, ReadsPastItsBufferAgainAfterARewindAndTellsAFailedRead) {
    const SaveFolder d;
    std::string content;
    for (int k = 0; content.size() < 200'000; ++k) {
        content += "[U \"g" + std::to_string(k) + "\", (1)]\n";
    }
    d.lay(content);
    // Declared first, so that it outlives the stream that reads through it.
    const FailReadsFrom failing(std::size_t{64} * 1024);
    Result<std::unique_ptr<DataFileStream>> data =
        DataFileStream::open(d.file, {}, system_platform());
    ASSERT_TRUE(data);
    std::istream& stream = data.value()->stream();
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stream), {}), content);
    data.value()->rewind();
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stream), {}), content);

    // A read that fails after the first buffer is not the file's end.
    data = DataFileStream::open(d.file, {}, failing);
    ASSERT_TRUE(data);
    DataInputReader reader(data.value()->stream());
    DataInput input;
    while (reader.next(input)) {
    }
    EXPECT_TRUE(reader.failed());
    EXPECT_GT(reader.count(), 0);
}

}  // namespace
}  // namespace ugraph
