#include "storage/rewrite_journal.hpp"

#include <array>
#include <charconv>
#include <cstring>
#include <string_view>

#include "common/path_text.hpp"
#include "storage/file_io.hpp"
#include "storage/hidden_names.hpp"
#include "storage/temporary_file.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

fs::path folder_of(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

fs::path beside(const fs::path& file) {
    return folder_of(file) / path_from_utf8(journal_name(utf8_of(file.filename())));
}

std::optional<fs::path> in_state_folder(const FileStatus& status, const Platform& platform,
                                        bool make = false) {
    fs::path folder;
    if (platform.state_folder(folder, make) != 0) {
        return std::nullopt;
    }
    return folder /
           ("journal-" + std::to_string(status.device) + "-" + std::to_string(status.inode));
}

std::string header(std::uint64_t length) {
    return std::string(JOURNAL_MARK) + "\n" + std::to_string(length) + "\n";
}

// Where the old content begins and how long it is; false where the file is
// not a whole journal (then it is left alone).
bool read_header(const Platform& platform, FileHandle journal, std::uint64_t& start,
                 std::uint64_t& length) {
    std::array<char, 128> head{};
    std::size_t got = 0;
    if (platform.read_at(journal, 0, head.data(), head.size(), got) != 0) {
        return false;
    }
    const std::string_view text(head.data(), got);
    const std::string_view mark = JOURNAL_MARK;
    if (!text.starts_with(mark) || text.size() <= mark.size() || text[mark.size()] != '\n') {
        return false;
    }
    const char* const digits = text.data() + mark.size() + 1;
    const auto [end, error] = std::from_chars(digits, text.data() + text.size(), length);
    if (error != std::errc() || end == text.data() + text.size() || *end != '\n') {
        return false;
    }
    start = static_cast<std::uint64_t>(end + 1 - text.data());
    FileStatus status;
    return platform.handle_status(journal, status) == 0 && status.size == start + length;
}

int put_back_from(const Platform& platform, FileHandle journal, std::uint64_t start,
                  std::uint64_t length, FileHandle out) {
    int error = platform.seek(out, 0);
    if (error == 0) {
        error = copy_range(platform, journal, start, TO_THE_END, out);
    }
    if (error == 0) {
        error = platform.truncate(out, length);
    }
    return error == 0 ? platform.sync(out) : error;
}

}  // namespace

RewriteJournal::RewriteJournal(fs::path file, const FileStatus& status, const Platform& platform)
    : file_(std::move(file)), status_(status), platform_(platform) {}

int RewriteJournal::keep(FileHandle old) {
    const int error = keep_in(folder_of(file_), beside(file_), old);
    if (error == 0) {
        return 0;
    }
    if (const std::optional<fs::path> at = in_state_folder(status_, platform_, true)) {
        if (keep_in(at->parent_path(), *at, old) == 0) {
            return 0;
        }
    }
    return error;
}

int RewriteJournal::keep_in(const fs::path& folder, const fs::path& at, FileHandle old) {
    TemporaryFile temp(folder, utf8_of(file_.filename()), platform_);
    int error = temp.create(0600);
    const std::string head = header(status_.size);
    if (error == 0) {
        error = write_all(platform_, temp.file(), head);
    }
    if (error == 0) {
        error = copy_range(platform_, old, 0, TO_THE_END, temp.file());
    }
    if (error == 0) {
        error = platform_.sync(temp.file());
    }
    if (error == 0) {
        error = temp.seal();
    }
    if (error == 0) {
        error = platform_.rename(temp.path(), at);
    }
    if (error != 0) {
        return error;
    }
    temp.release();
    // The journal's name must outlast a power loss before the file is touched.
    (void)platform_.sync_folder(folder);
    FileHandle opened = NO_FILE;
    if ((error = platform_.open_read(at, opened)) != 0) {
        (void)platform_.remove(at);
        return error;
    }
    journal_ = UniqueFile(platform_, opened);
    start_ = head.size();
    path_ = at;
    return 0;
}

int RewriteJournal::put_back(FileHandle out) const {
    return put_back_from(platform_, journal_.get(), start_, status_.size, out);
}

void RewriteJournal::discard() {
    journal_.reset();
    if (!path_.empty()) {
        (void)platform_.remove(path_);
        path_.clear();
    }
}

bool rewrite_journal_stands(const fs::path& file, const FileStatus& status,
                            const Platform& platform) {
    FileStatus found;
    if (platform.link_status(beside(file), found) == 0) {
        return true;
    }
    const std::optional<fs::path> kept = in_state_folder(status, platform);
    return kept && platform.link_status(*kept, found) == 0;
}

Result<std::optional<fs::path>> recover_interrupted_rewrite(const fs::path& file,
                                                            const FileStatus& status,
                                                            const Platform& platform) {
    std::array<std::optional<fs::path>, 2> places = {beside(file),
                                                     in_state_folder(status, platform)};
    for (const std::optional<fs::path>& at : places) {
        FileStatus found;
        FileHandle opened = NO_FILE;
        if (!at || platform.link_status(*at, found) != 0 ||
            found.kind != FileStatus::Kind::regular || platform.open_read(*at, opened) != 0) {
            continue;
        }
        const UniqueFile journal(platform, opened);
        std::uint64_t start = 0;
        std::uint64_t length = 0;
        if (!read_header(platform, journal.get(), start, length)) {
            continue;
        }
        FileHandle writable = NO_FILE;
        int error = platform.open_write(file, writable);
        if (error == 0) {
            const UniqueFile out(platform, writable);
            error = put_back_from(platform, journal.get(), start, length, out.get());
        }
        if (error != 0) {
            return refused(platform.describe(error));
        }
        (void)platform.remove(*at);
        (void)platform.sync_folder(at->parent_path());
        return at;
    }
    return std::optional<fs::path>();
}

}  // namespace ugraph
