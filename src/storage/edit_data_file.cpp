#include "storage/edit_data_file.hpp"

#include <cerrno>
#include <string>

#include "storage/storage_messages.hpp"

namespace ugraph {
namespace {

// How the rewrite is stopped, with nothing written, for an edit that
// changes nothing; never told.
constexpr const char* NOTHING_TO_CHANGE = "nothing to change";

}  // namespace

Result<ReplaceReport> edit_data_file(const std::filesystem::path& file, const DataFileEdit& edit,
                                     std::string_view undone, const Platform& platform,
                                     const std::function<void()>& waiting) {
    bool planned = false;
    bool unchanged = false;
    const Rewrite rewrite = [&](OldContent& old, std::ostream& out) -> Result<> {
        if (!old.exists()) {
            // There is nothing to edit, and a file must not be made for it.
            return refused(cannot_read(file, platform.describe(ENOENT)));
        }
        const Result<> made = edit(old.stream(), out, unchanged);
        if (!made && out.bad()) {
            // The write that failed: the replacement refuses the rewrite for
            // it, told in the system's words rather than the edit's (a read
            // that failed is told so whatever the edit gives).
            return Done{};
        }
        if (!made) {
            return refused(edit_refused(file, undone, made.reason()));
        }
        if (unchanged) {
            return refused(NOTHING_TO_CHANGE);  // so that nothing is written
        }
        return Done{};
    };
    Result<ReplaceReport> replaced = rewrite_file(
        file, rewrite,
        {.keep_backup = true, .waiting = waiting, .reached = [&] { planned = true; }}, platform);
    if (replaced) {
        return replaced;
    }
    const Refusal& refusal = replaced.refusal();
    if (unchanged && refusal.reason == NOTHING_TO_CHANGE) {
        return ReplaceReport{};
    }
    if (FileStatus status; platform.status(file, status) == ENOENT) {
        // Nothing stands at the name, maybe not even a folder to make it in:
        // there was nothing to edit, and that is the reason that fits.
        return refused(cannot_read(file, platform.describe(ENOENT)));
    }
    if (refusal.kind == Refusal::Kind::reason) {
        return replaced;  // the rewrite's own sentence, or the edit's
    }
    if (!planned && refusal.kind == Refusal::Kind::file) {
        return refused(cannot_read(file, refusal.reason));  // it could not even be opened
    }
    if (FileStatus status; refusal.kind == Refusal::Kind::folder) {
        // A folder that refuses a new file where the file is missing: there
        // was nothing to edit, and that is the reason that fits.
        if (const int error = platform.status(file, status); error != 0) {
            return refused(cannot_read(file, platform.describe(error)));
        }
    }
    return refused(replace_failure(file, refusal));
}

}  // namespace ugraph
