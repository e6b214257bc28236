#pragma once
// BackupSwap: puts a new backup at its name (NAME.bak), keeping what stood there (an
// older backup, a link, a read-only file) aside under a hidden name until
// the replacement is over, so that the backup's name never stands empty.
//  - check: 0, or EISDIR when a folder stands at the backup's name.
//  - swap_in: renames the file at `fresh`, a hidden name, to NAME.bak; 0 or
//    the error, `fresh` then left to the caller. Another user's NAME.bak in
//    a sticky folder is refused (EPERM) before anything is made.
//  - commit: the replacement succeeded; what was kept aside goes.
//  - undo: it failed; what was kept aside is put back. A swap neither
//    committed nor undone is undone when it goes.
#include <filesystem>
#include <string>

#include "storage/platform.hpp"

namespace ugraph {

class BackupSwap {
public:
    BackupSwap(std::filesystem::path folder, std::filesystem::path backup,
               const Platform& platform);
    BackupSwap(const BackupSwap&) = delete;
    BackupSwap& operator=(const BackupSwap&) = delete;
    ~BackupSwap() { undo(); }

    int check() const;
    int swap_in(const std::filesystem::path& fresh);
    void commit();
    void undo();

private:
    int keep_older();
    bool may_replace(const FileStatus& older) const;

    std::filesystem::path folder_;
    std::string name_;
    std::filesystem::path backup_;
    const Platform& platform_;
    std::filesystem::path aside_;  // the older backup's hidden name, if there was one
    bool moved_ = false;           // it was moved there, not linked
    bool swapped_ = false;         // the new backup stands at NAME.bak
};

}  // namespace ugraph
