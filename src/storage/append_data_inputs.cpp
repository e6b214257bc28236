#include "storage/append_data_inputs.hpp"

#include <sstream>
#include <string>

#include "datainput/data_input_reader.hpp"
#include "storage/file_access.hpp"
#include "storage/file_io.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {

Result<ReplaceReport> append_data_inputs(const std::filesystem::path& file, std::string_view added,
                                         const Platform& platform) {
    std::string content;
    const Result<UniqueFile> opened = open_data_file(file, platform);
    FileStatus status;
    if (opened) {
        if (const int error = read_all(platform, opened.value().get(), content); error != 0) {
            return refused(cannot_read(file, platform.describe(error)));
        }
    } else if (platform.link_status(file, status) == 0) {
        // Something stands there that cannot be read; only nothing at all is
        // a data file yet to be made.
        return refused(cannot_read(file, opened.reason()));
    }
    std::istringstream seen(content);
    DataInputReader reader(seen);
    DataInput last;
    while (reader.next(last)) {
    }
    if (reader.count() > 0 && !last.closed) {
        return refused(not_closed_at_end(file));
    }
    const std::size_t mark = std::min(content.find('\x1a'), content.size());
    const bool needs_line_end = mark > 0 && content[mark - 1] != '\n';
    content.insert(mark, std::string(needs_line_end ? "\n" : "") + std::string(added));
    Result<ReplaceReport> replaced =
        replace_file_contents(file, content, {.keep_backup = true, .mode = std::nullopt}, platform);
    if (!replaced) {
        return refused(replace_failure(file, replaced.refusal()));
    }
    return replaced;
}

}  // namespace ugraph
