#include "storage/file_lock.hpp"

#include <algorithm>
#include <cerrno>
#include <thread>

#include "storage/file_access.hpp"
#include "storage/file_io.hpp"
#include "storage/rewrite_journal.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

// Takes locks within one deadline, telling the wait once.
class LockTaker {
public:
    LockTaker(const Platform& platform, const LockWait& wait)
        : platform_(platform),
          wait_(wait),
          deadline_(std::chrono::steady_clock::now() + wait.patience) {}

    // 0, EWOULDBLOCK once the patience ran out, or the error of a file
    // system without locks. Through the turnstile: a writer stays in it
    // while it waits, so that readers coming after it wait behind it.
    int take(FileHandle file, LockMode mode) {
        const bool writer = mode == LockMode::exclusive;
        const int entered = tried([&] { return platform_.enter_turnstile(file, writer); });
        if (entered == EWOULDBLOCK) {
            return EWOULDBLOCK;
        }
        const int error = lock(file, mode);
        if (writer && entered == 0) {
            (void)platform_.leave_turnstile(file);
        }
        return error;
    }

private:
    static constexpr std::chrono::milliseconds NO_WAIT{0};
    // The first pause between two tries, and the longest: short enough that
    // a waiter follows a quick holder closely.
    static constexpr std::chrono::milliseconds FIRST_PAUSE{1};
    static constexpr std::chrono::milliseconds LONGEST_PAUSE{20};

    // One try, then one wait on the platform for what is left of the patience.
    int lock(FileHandle file, LockMode mode) {
        const int error = platform_.lock(file, mode, NO_WAIT);
        if (error != EWOULDBLOCK) {
            return error;
        }
        tell_wait();
        return platform_.lock(file, mode, std::max(left(), NO_WAIT));
    }

    void tell_wait() {
        if (!told_) {
            told_ = true;
            if (wait_.waiting) {
                wait_.waiting();
            }
        }
    }

    std::chrono::milliseconds left() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline_ - std::chrono::steady_clock::now());
    }

    // Tries until the try gives anything but EWOULDBLOCK or the patience
    // ran out, telling the wait once.
    template <typename Try>
    int tried(Try attempt) {
        auto pause = std::chrono::duration_cast<std::chrono::steady_clock::duration>(FIRST_PAUSE);
        for (;;) {
            const int error = attempt();
            const auto now = std::chrono::steady_clock::now();
            if (error != EWOULDBLOCK || now >= deadline_) {
                return error;
            }
            tell_wait();
            std::this_thread::sleep_for(std::min(pause, deadline_ - now));
            pause = std::min<std::chrono::steady_clock::duration>(pause * 2, LONGEST_PAUSE);
        }
    }

    const Platform& platform_;
    const LockWait& wait_;
    std::chrono::steady_clock::time_point deadline_;
    bool told_ = false;
};

// Tells in one line, one write, on standard error, that an interrupted
// rewrite of the file was undone.
void tell_undone(const fs::path& file, const fs::path& journal, const Platform& platform) {
    const std::string line = "ugraph: " + rewrite_undone_note(file, journal) + "\n";
    (void)write_all(platform, platform.standard_error(), line);
}

// Where a rewrite in place of the locked file was interrupted, puts its old
// content back, under an exclusive lock; gives whether the lock was let go
// for it (the file is then reached again from its name).
Result<bool> undo_interrupted(LockedFile& locked, LockMode mode, LockTaker& taker,
                              const Platform& platform) {
    if (!rewrite_journal_stands(locked.target, locked.status, platform)) {
        return false;
    }
    if (mode == LockMode::shared) {
        (void)platform.unlock(locked.file.get());
        if (taker.take(locked.file.get(), LockMode::exclusive) == EWOULDBLOCK) {
            return refused(in_use_reason(), Refusal::Kind::busy);
        }
    }
    const Result<std::optional<fs::path>> undone =
        recover_interrupted_rewrite(locked.target, locked.status, platform);
    if (!undone) {
        return refused(interrupted_rewrite_stands(locked.target, undone.reason()),
                       Refusal::Kind::file);
    }
    if (undone.value()) {
        tell_undone(locked.target, *undone.value(), platform);
    }
    return mode == LockMode::shared;
}

}  // namespace

Result<LockedFile> lock_file(const fs::path& file, LockMode mode, const LockWait& wait,
                             const Platform& platform) {
    LockTaker taker(platform, wait);
    int appeared = 0;
    for (;;) {
        const ResolvedPath resolved = follow_links_safely(file, platform);
        if (resolved.link_refused) {
            return refused(LINK_REFUSED_REASON, Refusal::Kind::link);
        }
        if (resolved.error != 0) {
            return refused(platform.describe(resolved.error), Refusal::Kind::file);
        }
        LockedFile locked;
        locked.target = resolved.target;
        Result<UniqueFile> opened = open_regular_file(locked.target, platform);
        if (!opened) {
            FileStatus status;
            // A link of the kernel's own (/proc/self/fd/0 behind /dev/stdin)
            // may lead to a pipe or a socket that no path names; the kernel
            // still finds it.
            if (locked.target != file && platform.status(file, status) == 0 &&
                status.kind != FileStatus::Kind::regular) {
                return refused(status.kind == FileStatus::Kind::folder ? platform.describe(EISDIR)
                                                                       : NOT_REGULAR_REASON,
                               Refusal::Kind::file);
            }
            const int missing = platform.link_status(locked.target, status);
            if (missing == ENOENT) {
                return locked;
            }
            if (missing == 0 && status.kind == FileStatus::Kind::regular && ++appeared < 8) {
                continue;  // made by another program between the open and the look
            }
            return refused(opened.reason(), Refusal::Kind::file);
        }
        locked.file = std::move(opened.value());
        int error = taker.take(locked.file.get(), mode);
        if (error == EWOULDBLOCK) {
            return refused(in_use_reason(), Refusal::Kind::busy);
        }
        locked.locked = error == 0;
        // Read once locked: a rewrite in place may have changed it meanwhile.
        error = platform.handle_status(locked.file.get(), locked.status);
        if (error != 0) {
            return refused(platform.describe(error), Refusal::Kind::file);
        }
        FileStatus at_name;
        if (locked.locked && (platform.link_status(locked.target, at_name) != 0 ||
                              !same_file(at_name, locked.status))) {
            continue;  // a replacement put a new file at the name while this one waited
        }
        const Result<bool> again = undo_interrupted(locked, mode, taker, platform);
        if (!again) {
            return again.refusal();
        }
        if (!again.value()) {
            if (const int changed = platform.handle_status(locked.file.get(), locked.status);
                changed != 0) {
                return refused(platform.describe(changed), Refusal::Kind::file);
            }
            return locked;
        }
    }
}

Result<> lock_again(FileHandle file, LockMode mode, const LockWait& wait,
                    const Platform& platform) {
    LockTaker taker(platform, wait);
    if (taker.take(file, mode) == EWOULDBLOCK) {
        return refused(in_use_reason(), Refusal::Kind::busy);
    }
    return {};
}

}  // namespace ugraph
