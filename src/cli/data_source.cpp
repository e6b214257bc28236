#include "cli/data_source.hpp"

#include <utility>

#include "cli/command_status.hpp"
#include "common/path_text.hpp"
#include "storage/file_access.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {

DataSource::DataSource(std::istream& in, std::string name, std::unique_ptr<DataFileStream> file)
    : in_(in), name_(std::move(name)), file_(std::move(file)) {}

std::unique_ptr<DataSource> DataSource::open_or_tell(const std::filesystem::path& file,
                                                     CommandContext& context) {
    if (file == STANDARD_STREAM || leads_to_standard_input(file, context.platform)) {
        return std::make_unique<DataSource>(context.in, "standard input", nullptr);
    }
    std::ostream& err = context.err;
    Result<std::unique_ptr<DataFileStream>> data = DataFileStream::open(
        file, {.waiting = [&] { tell_error(err, waiting_note(file)); }}, context.platform);
    if (!data) {
        tell_error(err, cannot_read(file, data.reason()));
        return nullptr;
    }
    return std::make_unique<DataSource>(context.in, utf8_of(file), std::move(data.value()));
}

int DataSource::tell_unreadable(std::ostream& err) const {
    tell_error(err, cannot_read_to_end(name_));
    return EXIT_USAGE;
}

}  // namespace ugraph
