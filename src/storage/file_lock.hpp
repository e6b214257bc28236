#pragma once
// lock_file: a file open and locked (see Platform::lock) for as long as the
// result lives: shared by those that read it, exclusive by one that replaces
// it, so that a reader never sees a rewrite in place half done and two
// replacements never mix.
//
// The lock is on the file itself, not on a lock file beside it: every name of
// the file (hard links and symbolic links alike) reaches the same lock, no
// folder needs to take a new file for it, and nothing is left behind by a
// kill, since the system drops a dead holder's lock. A replacement by rename
// puts a new file at the name, while the lock stays on the old one; so once
// the lock is held the name is looked at again, and when it now leads to
// another file, that one is opened and locked instead.
//
// Links are followed as follow_links_safely allows. Nothing at the name (a
// data file yet to be made) is no refusal: the result then holds no file,
// and a replacement makes one only where still nothing stands at the name
// (see file_replace.hpp). Where the file system has no locks, the file is
// given unlocked. Refused:
//  - kind link: a link the rule does not follow (LINK_REFUSED_REASON);
//  - kind busy: another holder kept the lock past the patience
//    (in_use_reason()); `waiting` was told once, when the wait began;
//  - kind file also: a rewrite in place of the file was cut short and its
//    old content cannot be put back.
// Before the file is given, a rewrite in place of it that was cut short (a
// kill, a power loss) is undone from its journal (see rewrite_journal.hpp),
// under an exclusive lock for that moment, and one line on standard error
// says so; so every command finds the old content whole.
//  - kind file: the file cannot be opened, or is not a regular file (also
//    where a link of the kernel's own, /dev/stdin, leads to a pipe that no
//    path names: the kernel's view decides).
//
// lock_again: the lock taken once more on a file that holds none, waiting
// the same way; refused with kind busy.
#include <chrono>
#include <filesystem>
#include <functional>

#include "common/result.hpp"
#include "storage/platform.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {

// How long a reader or a writer waits for another program's lock.
inline constexpr std::chrono::seconds LOCK_PATIENCE{10};

struct LockWait {
    std::function<void()> waiting{};  // told once, when another holder makes it wait
    std::chrono::milliseconds patience = LOCK_PATIENCE;
};

struct LockedFile {
    std::filesystem::path target;  // the path with every link followed
    UniqueFile file;               // open for reading; not valid when nothing is there
    FileStatus status;             // the file's, once locked
    bool locked = false;           // false where the file system has no locks
};

Result<LockedFile> lock_file(const std::filesystem::path& file, LockMode mode, const LockWait& wait,
                             const Platform& platform);

Result<> lock_again(FileHandle file, LockMode mode, const LockWait& wait, const Platform& platform);

}  // namespace ugraph
