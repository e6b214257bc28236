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
// open_regular_file: opens an already resolved path for reading without
// ever waiting (a FIFO would block a plain open) and keeps it only when it
// is a regular file, so a FIFO, a device or a socket is refused like a
// missing file; refused with the reason in the system's words, or
// NOT_REGULAR_REASON for a FIFO, a device or a socket.
//
// leads_to_standard_input: the path leads to the program's standard input
// and that is no regular file (a pipe or a terminal behind /dev/stdin),
// which can only be read as the stream it is.
#include <filesystem>

#include "common/result.hpp"
#include "storage/platform.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {

struct ResolvedPath {
    std::filesystem::path target;  // the path with every link followed
    bool link_refused = false;     // a link the rule does not follow was met
    int error = 0;                 // of a failed step (ELOOP for too many links)
};

ResolvedPath follow_links_safely(const std::filesystem::path& path, const Platform& platform);

Result<UniqueFile> open_regular_file(const std::filesystem::path& target, const Platform& platform);

bool leads_to_standard_input(const std::filesystem::path& file, const Platform& platform);

}  // namespace ugraph
