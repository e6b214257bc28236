#include "storage/append_data_inputs.hpp"

#include <cstring>
#include <istream>
#include <string>
#include <vector>

#include "datainput/data_input_reader.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace {

constexpr char CTRL_Z = '\x1a';
constexpr std::size_t CHUNK_BYTES = std::size_t{64} * 1024;

// The data-inputs go in on a line of their own.
void put_added(std::ostream& out, char before, std::string_view added) {
    if (before != '\n') {
        out.put('\n');
    }
    out.write(added.data(), static_cast<std::streamsize>(added.size()));
}

// The old content copied with the added text before its first Ctrl-Z, or
// at its end, a chunk at a time.
void copy_with_added(std::istream& old, std::ostream& out, std::string_view added) {
    std::vector<char> chunk(CHUNK_BYTES);
    char before = '\n';
    bool placed = false;
    while (old.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || old.gcount() > 0) {
        const auto got = static_cast<std::size_t>(old.gcount());
        const char* const mark =
            placed ? nullptr : static_cast<const char*>(std::memchr(chunk.data(), CTRL_Z, got));
        const std::size_t upto =
            mark == nullptr ? got : static_cast<std::size_t>(mark - chunk.data());
        out.write(chunk.data(), static_cast<std::streamsize>(upto));
        if (upto > 0 && !placed) {
            before = chunk[upto - 1];
        }
        if (mark != nullptr) {
            put_added(out, before, added);
            placed = true;
            out.write(mark, static_cast<std::streamsize>(got - upto));
        }
    }
    if (!placed) {
        put_added(out, before, added);
    }
}

}  // namespace

Result<ReplaceReport> append_data_inputs(const std::filesystem::path& file, std::string_view added,
                                         const Platform& platform,
                                         const std::function<void()>& waiting) {
    bool planned = false;
    const Rewrite rewrite = [&](OldContent& old, std::ostream& out) -> Result<> {
        if (!old.exists()) {
            out.write(added.data(), static_cast<std::streamsize>(added.size()));
            return {};
        }
        DataInputReader reader(old.stream());
        DataInput last;
        while (reader.next(last)) {
        }
        if (reader.failed()) {
            // The failed read is told in the system's words where there are any.
            return refused(cannot_read(file, "it cannot be read to its end"));
        }
        if (reader.count() > 0 && !last.closed) {
            return refused(not_closed_at_end(file));
        }
        old.rewind();
        copy_with_added(old.stream(), out, added);
        return {};
    };
    Result<ReplaceReport> replaced = rewrite_file(
        file, rewrite,
        {.keep_backup = true, .waiting = waiting, .reached = [&] { planned = true; }}, platform);
    if (replaced) {
        return replaced;
    }
    const Refusal& refusal = replaced.refusal();
    if (refusal.kind == Refusal::Kind::reason) {
        return replaced;  // the rewrite's own sentence
    }
    if (!planned && refusal.kind == Refusal::Kind::file) {
        return refused(cannot_read(file, refusal.reason));  // it could not even be opened
    }
    return refused(replace_failure(file, refusal));
}

}  // namespace ugraph
