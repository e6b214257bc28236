#include "storage/file_replace.hpp"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>

#include "common/path_text.hpp"
#include "storage/backup_swap.hpp"
#include "storage/data_file.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/file_io.hpp"
#include "storage/hidden_names.hpp"
#include "storage/output_buffer.hpp"
#include "storage/rewrite_journal.hpp"
#include "storage/storage_messages.hpp"
#include "storage/temporary_file.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

// The errors with which a folder refuses a new file.
bool refused_by_folder(int error) { return error == EACCES || error == EPERM; }

// The old content read through the platform from `start` of an open file,
// or nothing for a file yet to be made.
class StreamedContent : public OldContent {
public:
    StreamedContent(const Platform& platform, FileHandle file, std::uint64_t start)
        : exists_(file != NO_FILE), buffer_(platform, file, start), stream_(&buffer_) {
        if (!exists_) {
            stream_.setstate(std::ios::eofbit);
        }
    }
    bool exists() const override { return exists_; }
    std::istream& stream() override { return stream_; }
    void rewind() override {
        if (exists_) {
            buffer_.rewind();
            stream_.clear();
        }
    }
    int error() const { return buffer_.error(); }

private:
    bool exists_;
    DataFileBuffer buffer_;
    std::istream stream_;
};

class Replacement {
public:
    Replacement(fs::path given, LockedFile& old, const Rewrite& rewrite,
                std::optional<std::string_view> whole, const ReplaceOptions& options,
                const Platform& platform)
        : given_(std::move(given)),
          target_(old.target),
          folder_(target_.has_parent_path() ? target_.parent_path() : fs::path(".")),
          name_(utf8_of(target_.filename())),
          old_(old),
          rewrite_(rewrite),
          whole_(whole),
          options_(options),
          platform_(platform) {}

    Result<ReplaceReport> run();
    bool appeared() const { return appeared_; }

private:
    bool exists() const { return old_.file.valid(); }
    Refusal refusal(Refusal::Kind kind, int error) const {
        return refused(platform_.describe(error), kind);
    }
    bool holds_text_already() const;
    Result<ReplaceReport> by_rename();
    Result<ReplaceReport> in_place();
    bool give_owner(FileHandle file) const;
    Result<std::uint64_t> write_content(FileHandle from, std::uint64_t start, FileHandle to) const;
    struct Swaps {
        BackupSwap usual;
        BackupSwap own;
    };
    int keep_backup(Swaps& swaps, bool copy_only, bool& folder_refused);
    int keep_as_backup(Swaps& swaps, const fs::path& fresh);
    fs::path own_backup_path() const;
    int place_new(TemporaryFile& temp) const;
    Result<ReplaceReport> rewrite_over(RewriteJournal& journal, ReplaceReport report);

    fs::path given_;  // the name the user gave, for messages
    fs::path target_;
    fs::path folder_;
    std::string name_;
    LockedFile& old_;
    const Rewrite& rewrite_;
    std::optional<std::string_view> whole_;
    const ReplaceOptions& options_;
    const Platform& platform_;
    bool backup_is_old_ = false;  // NAME.bak is the old file itself
    bool appeared_ = false;       // a file was made at a missing one's name meanwhile
    fs::path backup_elsewhere_;
};

Result<ReplaceReport> Replacement::run() {
    clear_leftovers(folder_, name_, platform_);
    if (!exists()) {
        return by_rename();
    }
    if (const int error = platform_.may_write(target_); error != 0) {
        // A rename would get round the user's own write protection.
        return refusal(Refusal::Kind::file, error);
    }
    // Leftovers that were links to the file are gone from its link count.
    if (const int error = platform_.handle_status(old_.file.get(), old_.status); error != 0) {
        return refusal(Refusal::Kind::file, error);
    }
    if (holds_text_already()) {
        return ReplaceReport{};
    }
    FileStatus backup;
    backup_is_old_ =
        platform_.link_status(backup_path(target_), backup) == 0 && same_file(backup, old_.status);
    if (old_.status.links - (backup_is_old_ ? 1 : 0) > 1) {
        return in_place();
    }
    return by_rename();
}

bool Replacement::holds_text_already() const {
    if (!whole_ || old_.status.size != whole_->size()) {
        return false;
    }
    std::string content;
    return read_all(platform_, old_.file.get(), content) == 0 && content == *whole_;
}

// Only a privileged user may give a file away: where the new file cannot
// have the old one's owner and group, it must not replace it.
bool Replacement::give_owner(FileHandle file) const {
    FileStatus status;
    if (platform_.handle_status(file, status) != 0) {
        return false;
    }
    return (status.owner == old_.status.owner && status.group == old_.status.group) ||
           platform_.set_owner(file, old_.status.owner, old_.status.group) == 0;
}

// Runs the function from the old content at `start` of `from` into `to`
// at its position; gives the length written.
Result<std::uint64_t> Replacement::write_content(FileHandle from, std::uint64_t start,
                                                 FileHandle to) const {
    StreamedContent old(platform_, from, start);
    OutputBuffer buffer(platform_, to);
    std::ostream out(&buffer);
    const Result<> made = rewrite_(old, out);
    out.flush();
    if (old.error() != 0) {
        return refused(cannot_read(given_, platform_.describe(old.error())));
    }
    // A write that failed is told in the system's words, whatever the
    // function made of its failed stream.
    if (buffer.error() != 0) {
        return refusal(Refusal::Kind::file, buffer.error());
    }
    if (!made) {
        return made.refusal();
    }
    return buffer.written();
}

// The old file gets a hidden second name, so no copy is made; where a link
// cannot be made, or must not be (a rewrite in place would write through
// it), a copy is written. Then it becomes NAME.bak, or the user's own name
// beside it where another user's NAME.bak cannot be replaced.
// `folder_refused` tells that the folder took no copy.
int Replacement::keep_backup(Swaps& swaps, bool copy_only, bool& folder_refused) {
    folder_refused = false;
    if (const int error = swaps.usual.check(); error != 0) {
        return error;
    }
    int error = 0;
    fs::path fresh;
    if (!copy_only) {
        fresh = link_to_fresh_name(
            folder_, backup_name(name_),
            [&](const fs::path& path) { return platform_.link(target_, path); }, error);
    }
    if (fresh.empty()) {
        TemporaryFile copy(folder_, backup_name(name_), platform_);
        error = copy.create(old_.status.mode);
        if (error != 0) {
            folder_refused = refused_by_folder(error);
            return error;
        }
        error = platform_.set_mode(copy.file(), old_.status.mode);
        if (error == 0) {
            error = copy_range(platform_, old_.file.get(), 0, TO_THE_END, copy.file());
        }
        if (error == 0) {
            error = platform_.sync(copy.file());
        }
        if (error == 0) {
            error = copy.seal();
        }
        if (error != 0) {
            return error;
        }
        fresh = copy.path();
        copy.release();
    }
    return keep_as_backup(swaps, fresh);
}

// NAME.bak, or where another user's stands there and the folder lets only
// its owner replace it, NAME.bak-UID, the saving user's own.
int Replacement::keep_as_backup(Swaps& swaps, const fs::path& fresh) {
    int error = swaps.usual.swap_in(fresh);
    FileStatus there;
    if (refused_by_folder(error) && platform_.link_status(backup_path(target_), there) == 0 &&
        there.owner != platform_.user()) {
        error = swaps.own.swap_in(fresh);
        if (error == 0) {
            backup_elsewhere_ = own_backup_path();
        }
    }
    if (error != 0) {
        (void)platform_.remove(fresh);
    }
    return error;
}

fs::path Replacement::own_backup_path() const {
    fs::path own = backup_path(target_);
    // Added piece by piece: GCC 12 sees a false overlap in a chained "+".
    own += "-";
    own += std::to_string(platform_.user());
    return own;
}

// A file made where there was none: put at the name only if still nothing
// stands there (EEXIST otherwise), by a second link that cannot replace
// anything; a rename where the file system has no hard links.
int Replacement::place_new(TemporaryFile& temp) const {
    const int error = platform_.link(temp.path(), target_);
    if (error == 0) {
        temp.discard();  // its hidden name only
        return 0;
    }
    if (error == EEXIST || error == ENOENT) {
        return error;
    }
    const int renamed = platform_.rename(temp.path(), target_);
    if (renamed == 0) {
        temp.release();
    }
    return renamed;
}

Result<ReplaceReport> Replacement::by_rename() {
    const std::uint32_t mode = exists() ? old_.status.mode : platform_.new_file_mode();
    TemporaryFile temp(folder_, name_, platform_);
    if (const int error = temp.create(mode); error != 0) {
        if (exists() && refused_by_folder(error)) {
            return in_place();
        }
        if (error == ENOENT) {
            return refused(missing_folder(given_, folder_));
        }
        return refusal(Refusal::Kind::folder, error);
    }
    if (exists() && !give_owner(temp.file())) {
        temp.discard();
        return in_place();
    }
    if (const int error = platform_.set_mode(temp.file(), mode); error != 0) {
        return refusal(Refusal::Kind::file, error);
    }
    const Result<std::uint64_t> written = write_content(old_.file.get(), 0, temp.file());
    if (!written) {
        return written.refusal();
    }
    if (const int error = platform_.sync(temp.file()); error != 0) {
        return refusal(Refusal::Kind::file, error);
    }
    Swaps swaps{{folder_, backup_path(target_), platform_},
                {folder_, own_backup_path(), platform_}};
    if (exists() && options_.keep_backup && !backup_is_old_) {
        bool folder_refused = false;
        if (const int failed = keep_backup(swaps, false, folder_refused); failed != 0) {
            return refusal(Refusal::Kind::backup, failed);
        }
    }
    // Named only now, right before the rename, so that only a kill in
    // between can leave it behind.
    int error = temp.seal();
    if (error == 0 && exists()) {
        error = platform_.rename(temp.path(), target_);
        if (error == 0) {
            temp.release();
        }
    } else if (error == 0) {
        error = place_new(temp);
    }
    if (error != 0) {
        appeared_ = !exists() && (error == EEXIST || error == ENOENT);
        return refusal(Refusal::Kind::file, error);
    }
    swaps.usual.commit();
    swaps.own.commit();
    // Without it a power loss could undo the rename; a folder that cannot
    // be synced leaves the rename standing all the same.
    (void)platform_.sync_folder(folder_);
    return ReplaceReport{.backup_refused_by_folder = false, .backup_elsewhere = backup_elsewhere_};
}

Result<ReplaceReport> Replacement::in_place() {
    ReplaceReport report;
    Swaps swaps{{folder_, backup_path(target_), platform_},
                {folder_, own_backup_path(), platform_}};
    if (options_.keep_backup) {
        bool copy_refused = false;
        if (const int error = keep_backup(swaps, true, copy_refused); copy_refused) {
            // Nowhere beside the file to keep it: the one case that goes on
            // without, the journal keeping the old content meanwhile.
            report.backup_refused_by_folder = true;
        } else if (error != 0) {
            return refusal(Refusal::Kind::backup, error);
        }
    }
    report.backup_elsewhere = backup_elsewhere_;
    RewriteJournal journal(target_, old_.status, platform_);
    if (const int error = journal.keep(old_.file.get()); error != 0) {
        return refusal(Refusal::Kind::file, error);  // nothing was written
    }
    Result<ReplaceReport> result = rewrite_over(journal, report);
    if (result) {
        swaps.usual.commit();
        swaps.own.commit();
    }
    return result;
}

// Writes the new content over the file from the journal's old content; on
// failure writes the old content back, or, where that fails too, leaves the
// journal for the next run and says so.
Result<ReplaceReport> Replacement::rewrite_over(RewriteJournal& journal, ReplaceReport report) {
    FileHandle opened = NO_FILE;
    if (const int error = platform_.open_write(target_, opened); error != 0) {
        journal.discard();
        return refusal(Refusal::Kind::file, error);
    }
    const UniqueFile out(platform_, opened);
    const int placed = platform_.seek(out.get(), 0);
    Result<std::uint64_t> written =
        placed != 0 ? Result<std::uint64_t>(refusal(Refusal::Kind::file, placed))
                    : write_content(journal.file(), journal.content_start(), out.get());
    int error = 0;
    if (written) {
        error = platform_.truncate(out.get(), written.value());
        if (error == 0) {
            error = platform_.sync(out.get());
        }
    }
    if (written && error == 0) {
        journal.discard();
        return report;
    }
    const Refusal why = written ? refusal(Refusal::Kind::file, error) : written.refusal();
    if (journal.put_back(out.get()) != 0) {
        return refused(rewrite_not_undone(given_, why.reason, journal.where()));
    }
    journal.discard();
    return why;
}

// Locks the file and replaces it; begins again where a file was made at the
// name of a missing one meanwhile.
Result<ReplaceReport> replace_with(const fs::path& file, const Rewrite& rewrite,
                                   std::optional<std::string_view> whole,
                                   const ReplaceOptions& options, const Platform& platform) {
    bool told = false;
    const LockWait wait{[&] {
                            if (!told && options.waiting) {
                                options.waiting();
                            }
                            told = true;
                        },
                        options.patience};
    constexpr int ATTEMPTS = 8;
    for (int attempt = 1;; ++attempt) {
        Result<LockedFile> locked = lock_file(file, LockMode::exclusive, wait, platform);
        if (!locked) {
            return locked.refusal();
        }
        if (options.reached) {
            options.reached();
        }
        const auto held = platform.hold_ending_signals();
        Replacement replacement(file, locked.value(), rewrite, whole, options, platform);
        Result<ReplaceReport> result = replacement.run();
        if (!replacement.appeared() || attempt == ATTEMPTS) {
            return result;
        }
    }
}

}  // namespace

Result<ReplaceReport> rewrite_file(const fs::path& file, const Rewrite& rewrite,
                                   const ReplaceOptions& options, const Platform& platform) {
    return replace_with(file, rewrite, std::nullopt, options, platform);
}

Result<ReplaceReport> replace_file_contents(const fs::path& file, std::string_view text,
                                            const ReplaceOptions& options,
                                            const Platform& platform) {
    return replace_with(
        file,
        [text](OldContent& /*old*/, std::ostream& out) -> Result<> {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            return {};
        },
        text, options, platform);
}

}  // namespace ugraph
