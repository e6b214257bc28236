#include "storage/append_data_inputs.hpp"

#include <istream>
#include <string>
#include <vector>

#include "datainput/data_input_reader.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace {

constexpr char CTRL_Z = '\x1a';

// Where the added text goes: at the first Ctrl-Z, or at the end; and the
// byte before that place ('\n' at the start). 0 or the error of a read.
int find_mark(const Platform& platform, FileHandle file, std::uint64_t& mark, char& before) {
    std::vector<char> chunk(std::size_t{64} * 1024);
    before = '\n';
    for (mark = 0;;) {
        std::size_t got = 0;
        if (const int error = platform.read_at(file, mark, chunk.data(), chunk.size(), got);
            error != 0) {
            return error;
        }
        for (std::size_t k = 0; k < got; ++k, ++mark) {
            if (chunk[k] == CTRL_Z) {
                return 0;
            }
            before = chunk[k];
        }
        if (got == 0) {
            return 0;
        }
    }
}

}  // namespace

Result<ReplaceReport> append_data_inputs(const std::filesystem::path& file, std::string_view added,
                                         const Platform& platform,
                                         const std::function<void()>& waiting) {
    std::string insert;
    bool planned = false;
    const Planner plan = [&](FileHandle old, const FileStatus& /*status*/) -> Result<Splice> {
        planned = true;
        if (old == NO_FILE) {
            return Splice{.keep = 0, .insert = added, .drop = 0};
        }
        DataFileBuffer buffer(platform, old);
        std::istream seen(&buffer);
        DataInputReader reader(seen);
        DataInput last;
        while (reader.next(last)) {
        }
        if (reader.failed()) {
            return refused(cannot_read(file, platform.describe(buffer.error())));
        }
        if (reader.count() > 0 && !last.closed) {
            return refused(not_closed_at_end(file));
        }
        std::uint64_t mark = 0;
        char before = '\n';
        if (const int error = find_mark(platform, old, mark, before); error != 0) {
            return refused(cannot_read(file, platform.describe(error)));
        }
        insert.assign(before == '\n' ? 0 : 1, '\n');
        insert += added;
        return Splice{.keep = mark, .insert = insert, .drop = 0};
    };
    Result<ReplaceReport> replaced =
        edit_file_contents(file, plan, {.keep_backup = true, .waiting = waiting}, platform);
    if (replaced) {
        return replaced;
    }
    const Refusal& refusal = replaced.refusal();
    if (refusal.kind == Refusal::Kind::reason) {
        return replaced;  // the plan's own sentence
    }
    if (!planned && refusal.kind == Refusal::Kind::file) {
        return refused(cannot_read(file, refusal.reason));  // it could not even be opened
    }
    return refused(replace_failure(file, refusal));
}

}  // namespace ugraph
