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
    // Reads of more than a buffer, after a few bytes taken through it, give
    // the bytes in order; the last gives what is left.
    data.value()->rewind();
    std::string read(content.size() + 10, '\0');
    stream.read(read.data(), 3);
    stream.read(read.data() + 3, 100'000);
    EXPECT_EQ(stream.gcount(), 100'000);
    stream.read(read.data() + 100'003, static_cast<std::streamsize>(read.size()) - 100'003);
    EXPECT_EQ(stream.gcount(), static_cast<std::streamsize>(content.size()) - 100'003);
    EXPECT_TRUE(stream.eof());
    read.resize(content.size());
    EXPECT_TRUE(read == content);

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

// The edits of one data-input copy spans by offset: a seek must land on the
// right byte whether or not it falls inside the buffer just read.
TEST(DataFileStream, SeeksFromTheStartAndFromWhereItReadsButNotFromTheEnd) {
    const SaveFolder d;
    std::string content;
    for (int k = 0; content.size() < 150'000; ++k) {
        content += static_cast<char>('a' + k % 26);
    }
    d.lay(content);
    Result<std::unique_ptr<DataFileStream>> data =
        DataFileStream::open(d.file, {}, system_platform());
    ASSERT_TRUE(data);
    std::istream& stream = data.value()->stream();
    char got = 0;
    for (const std::streamoff at : {std::streamoff{100'000}, std::streamoff{7},
                                    std::streamoff{70'000}, std::streamoff{149'999}}) {
        stream.seekg(at);
        ASSERT_TRUE(stream.get(got)) << at;
        EXPECT_EQ(got, content[static_cast<std::size_t>(at)]) << at;
        EXPECT_EQ(stream.tellg(), at + 1);
    }
    stream.seekg(10);
    stream.get(got);
    stream.seekg(65'600, std::ios_base::cur);
    ASSERT_TRUE(stream.get(got));
    EXPECT_EQ(got, content[65'611]);
    stream.seekg(-3, std::ios_base::end);
    EXPECT_TRUE(stream.fail());
    stream.clear();
    stream.seekg(-1);
    EXPECT_TRUE(stream.fail());
}

}  // namespace
}  // namespace ugraph
