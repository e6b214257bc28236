#pragma once
// How the data file is reached, for reading and for saving alike.
//
// follow_links_safely: where a path leads. A symbolic link, the last part of
// the path or any folder on the way, is followed only where the kernel's
// rule for sticky world-writable folders (such as /tmp) would follow it on
// open: a link in such a folder only when it belongs to the user or to the
// folder's owner. Any other link there is refused, so a stranger's link
// cannot steer a save onto a file of the user's. A missing part is not an
// error here: it and what follows it resolve to themselves.
//
// open_regular_file: opens a file for reading without ever waiting (a FIFO
// would block a plain open) and keeps it only when it is a regular file, so
// a FIFO, a device or a socket is refused like a missing file.
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "storage/unique_fd.hpp"

namespace ugraph {

struct ResolvedPath {
    std::filesystem::path target;  // the path with every link followed
    bool link_refused = false;     // a link the rule does not follow was met
    int error = 0;                 // errno of a failed step (ELOOP for too many links)
};

ResolvedPath follow_links_safely(const std::filesystem::path& path);

// The reason a refused link is given, completing "... (reason)".
inline constexpr const char* LINK_REFUSED_REASON =
    "a symbolic link in a sticky world-writable folder that belongs to neither you nor the "
    "folder's owner";

// Opens the already resolved path for reading; on failure gives an invalid
// descriptor and the reason in the system's words.
UniqueFd open_regular_file(const std::filesystem::path& target, std::string& why);

}  // namespace ugraph
